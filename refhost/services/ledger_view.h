#pragma once

#include <cstdint>

namespace refhost {

class ComponentRegistry;

// "QOREBCGLView.GLData": the ledger view. It reads the currencies (decimals,
// rate, operator) once, on first use, and again when its currency set is
// refreshed; it answers system profiles, function rights (t_AccessRight) and
// writes the business log (t_BusinessLog).
void RegisterLedgerView(ComponentRegistry& registry);

// How often the ledger views of the session under the process id refreshed
// their currency set.
int32_t CurrencyRefreshCount(int32_t processId);

// The administrator: every function right is granted to him.
inline constexpr int32_t kAdministratorId = 1;

}  // namespace refhost
