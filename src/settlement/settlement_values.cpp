#include "settlement/settlement_values.h"

#include "common/amounts.h"
#include "common/bill_fields.h"
#include "core/vb.h"
#include "frame/login_context.h"

namespace qorarap::settle {

std::string ForKey(std::string_view key) { return std::string(key) + "For"; }

double Number(const std::shared_ptr<qor::BillEvent>& editor, std::string_view key, int32_t row) {
  return qor::Val(GetBillFieldValue(editor, std::string(key), row));
}

double Rounded(const std::shared_ptr<qor::BillEvent>& editor, std::string_view key,
               int32_t decimals, int32_t row) {
  return qor::CDbl(RoundAmount(qor::Variant(Number(editor, key, row)), decimals));
}

int32_t CurrencyDecimals(int32_t currencyId) {
  return GetGLData()->GetCurrency(currencyId)->ScaleX();
}

int32_t SettlementRowCount(const std::shared_ptr<qor::BillEvent>& editor) {
  return GetEntryRowCount(editor, 1);
}

double RecordNumber(const qor::Variant& value) { return value.IsNull() ? 0 : qor::Val(value); }

}  // namespace qorarap::settle
