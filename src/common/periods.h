#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/bill_editor.h"

// Accounting periods and dates. Dates are OLE dates (days since 1899-12-30).
namespace qorarap {

// False (after an exclamation box) when the bill's "FDate" lies before the
// start of the current period; any failure of the check lets the bill pass.
bool CheckBillDate(const std::shared_ptr<qor::BillEvent>& billEditor);
// Start of the current period of the inventory system ("IC"); 0 when the
// period table has no row for it.
double GetPeriodStartDate();
// The settlement day settleDay of the month reached from baseDate + days:
// that month when its day is not past settleDay, else the next one.
double GetSettleDate(double baseDate, int32_t settleDay, int32_t days);
// The report transfer date; 9999-01-01 when it cannot be read.
double GetTransferDate();
// A system setting; defaultValue when it cannot be read.
std::string GetSystemValue(const std::string& category, const std::string& key,
                           const std::string& defaultValue);

}  // namespace qorarap
