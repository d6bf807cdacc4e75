#pragma once

namespace refhost {

class ComponentRegistry;

// The other-bill component: "QORebsArApBill.clsArOtherBill" works on the
// other receivable bills, "QORebsArApBill.clsApOtherBill" on the other payable
// bills (the spelling "QORebsArAPBill.…" names the same component). Checking,
// unchecking and deleting the bills, the bill lookups by number, and the
// settlement-account reminder setting.
void RegisterOtherBillService(ComponentRegistry& registry);

}  // namespace refhost
