#include "otherbills/other_bill_calc.h"

#include "common/periods.h"
#include "core/vb.h"

namespace qorarap {

namespace {
constexpr int32_t kErrDivisionByZero = 11;
}  // namespace

double DueDateOf(double billDate, const std::optional<PaymentTerms>& terms) {
  if (!terms) return billDate;
  if (terms->type == kTermsByDays) return billDate + terms->standDays;
  if (terms->type == kTermsMonthly) {
    return GetSettleDate(billDate, terms->monthPayDay, terms->beforeDays);
  }
  return billDate;
}

double BillExchangeRate(const std::string& op, double rate) {
  if (op == "*") return rate;
  if (op == "/") {
    if (rate == 0) qor::RaiseError(kErrDivisionByZero, "QORARAPBillInterface", "Division by zero");
    return 1 / rate;
  }
  return 0;
}

bool IsInList(const qor::Variant& value, const std::vector<qor::Variant>& list) {
  for (const qor::Variant& element : list) {
    if (qor::VarEquals(element, value)) return true;
  }
  return false;
}

}  // namespace qorarap
