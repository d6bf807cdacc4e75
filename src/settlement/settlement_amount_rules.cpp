// Receipt and payment bills: how the gross amount, the amount received or
// paid, the discount and the rates follow each other while the user edits.

#include "common/amounts.h"
#include "common/bill_fields.h"
#include "core/vb.h"
#include "settlement/settlement_bill.h"
#include "settlement/settlement_calc.h"

namespace qorarap {

namespace {

constexpr int32_t kEntryIndex = 1;
constexpr int32_t kLocalCurrency = 1;

double NewNumber(const qor::HostDictionaryPtr& dctFld) {
  return dctFld ? qor::Val(dctFld->Item("FFLD")) : 0;
}

double Round(double value, int32_t decimals) {
  return qor::Val(RoundAmount(qor::Variant(value), decimals));
}

}  // namespace

void SettlementBill::SetExchangeRateLock(bool isLocal) {
  auto& editor = m_BillInterface.Get();
  LockBillField(editor, "FExchangeRate", isLocal);
  if (!m_bLoaded) return;
  RunFieldAction(editor, "FExchangeRate", kHeaderRow, true);
  RunFieldAction(editor, "FAmountFor", kHeaderRow, true);
  RunFieldAction(editor, std::string(m_Side.paidKeyFor), kHeaderRow, true);
}

void SettlementBill::ApplyDiscountRate(double discount) {
  auto& editor = m_BillInterface.Get();
  int32_t decimals = CurrencyDecimals(static_cast<int32_t>(HeaderNumber("FCurrencyID")));
  const std::string paidFor(m_Side.paidKeyFor);
  double received =
      ReceivedFromDiscount(HeaderNumber("FDiscount"), HeaderNumber("FAmountFor"), decimals);
  WriteTextAndValue(paidFor, kHeaderRow, FormatLocalAmount(received, decimals),
                    qor::Variant(received));
  double discountAmount = Round(HeaderNumber("FAmountFor") - HeaderNumber(paidFor), decimals);
  SetBillFieldValue(editor, "FDiscountAmountFor", kHeaderRow, qor::Variant(discountAmount));
  if (discount != 100) return;
  SetBillFieldValue(editor, "FDiscountAmount", kHeaderRow, qor::Variant(0.0));
  SetBillFieldValue(editor, "FDiscountAmountFor", kHeaderRow, qor::Variant(0.0));
}

// Another bill currency: its rate, the decimals of the header amounts, and
// the rows in that currency at the new rate.
void SettlementBill::OnCurrencyChanged(const qor::HostDictionaryPtr& dctFld) {
  auto currency = static_cast<int32_t>(NewNumber(dctFld));
  if (currency == 0) return;
  double rate = RateOfCurrency(currency);
  WriteTextAndValue("FExchangeRate", kHeaderRow, qor::FormatDouble(rate), qor::Variant(rate));
  if (m_Side.rewritesRateOnCurrencyChange) {
    m_BillInterface->SetFieldValue("FExchangeRate", qor::Variant(rate), kHeaderRow);
  }
  SetExchangeRateLock(currency == kLocalCurrency);
  int32_t decimals = CurrencyDecimals(currency);
  for (std::string_view key : {std::string_view("FAmountFor"), m_Side.paidKeyFor,
                               std::string_view("FDiscountAmountFor")}) {
    ApplyFieldDecimals(std::string(key), decimals, false);
  }
  if (currency != kLocalCurrency) {
    SpreadRateToRows(currency, rate, m_Side.roundsRowAmountOnCurrencyChange, decimals);
  }
  RewriteLocalFormat("FAmount");
  RewriteLocalFormat(std::string(m_Side.paidKey));
  if (m_Side.rewritesPaidForOnCurrencyChange) RewriteLocalFormat(std::string(m_Side.paidKeyFor));
}

// The rows settling documents of the currency take the rate; their local
// settlement amounts follow.
void SettlementBill::SpreadRateToRows(int32_t currencyId, double rate, bool roundFirst,
                                      int32_t currencyDecimals) {
  auto& editor = m_BillInterface.Get();
  int32_t local = CurrencyDecimals(kLocalCurrency);
  int32_t rows = GetEntryRowCount(editor, kEntryIndex, true);
  bool changed = false;
  for (int32_t row = 1; row <= rows; ++row) {
    if (RowNumber("FInterID", row) == 0) continue;
    if (static_cast<int32_t>(RowNumber("FBillCurrencyID", row)) != currencyId) continue;
    double settleFor = RowNumber("FBillSettleAmountFor", row);
    if (roundFirst) settleFor = Round(settleFor, currencyDecimals);
    double settle = Round(rate * settleFor, local);
    WriteTextAndValue("FEntryExchangeRate", row, FormatLocalAmount(rate, kRowRateDecimals),
                      qor::Variant(rate));
    WriteTextAndValue("FBillSettleAmount", row, FormatLocalAmount(settle, local),
                      qor::Variant(settle));
    changed = true;
  }
  if (changed) editor->ResetBillView();
}

void SettlementBill::RewriteLocalFormat(const std::string& key) {
  std::string text = FormatLocalAmount(HeaderNumber(key), CurrencyDecimals(kLocalCurrency));
  m_BillInterface->SetFieldValue(key, qor::Variant(text), kHeaderRow);
}

void SettlementBill::OnDiscountChanged(const qor::HostDictionaryPtr& dctFld) {
  auto& editor = m_BillInterface.Get();
  double discount = NewNumber(dctFld);
  if (discount == 100) {
    LockBillField(editor, "FDiscountAcctId", true, true);
  } else {
    LockBillField(editor, "FDiscountAcctId", false);
  }
  bool automatic = IsAutoOptionChecked();
  if (!automatic) ApplyDiscountRate(discount);
  RewriteLocalFormat(std::string(m_Side.paidKey));
  if (!automatic) return;
  GrossFromPaidAmount();
}

void SettlementBill::OnPaidAmountChanged(const qor::HostDictionaryPtr& dctFld) {
  auto& editor = m_BillInterface.Get();
  const std::string paidFor(m_Side.paidKeyFor);
  if (NewNumber(dctFld) == HeaderNumber("FAmountFor")) {
    LockBillField(editor, "FDiscountAcctId", true, true);
  } else {
    LockBillField(editor, "FDiscountAcctId", false);
  }
  bool automatic = IsAutoOptionChecked();
  if (!automatic) RunFieldAction(editor, paidFor, kHeaderRow, false);
  RewriteLocalFormat(std::string(m_Side.paidKey));
  if (!automatic) return;
  GrossFromPaidAmount();
  int32_t local = CurrencyDecimals(kLocalCurrency);
  double paid = HeaderNumber(paidFor) * HeaderNumber("FExchangeRate");
  m_BillInterface->SetFieldValue(std::string(m_Side.paidKey),
                                 qor::Variant(FormatLocalAmount(paid, local)), kHeaderRow);
}

// The automatic option: the gross amount is what the amount received makes
// at the discount rate.
void SettlementBill::GrossFromPaidAmount() {
  int32_t local = CurrencyDecimals(kLocalCurrency);
  double gross =
      GrossFromReceived(HeaderNumber(std::string(m_Side.paidKeyFor)), HeaderNumber("FDiscount"));
  m_BillInterface->SetFieldValue("FAmountFor", qor::Variant(FormatLocalAmount(gross, local)),
                                 kHeaderRow);
  double grossLocal = HeaderNumber("FAmountFor") * HeaderNumber("FExchangeRate");
  m_BillInterface->SetFieldValue("FAmount", qor::Variant(FormatLocalAmount(grossLocal, local)),
                                 kHeaderRow);
}

void SettlementBill::OnGrossAmountChanged(const qor::HostDictionaryPtr& dctFld) {
  auto& editor = m_BillInterface.Get();
  bool prepayment =
      static_cast<int32_t>(HeaderNumber(std::string(m_Side.typeKey))) == m_Side.prepaymentType;
  if (prepayment || NewNumber(dctFld) == HeaderNumber(std::string(m_Side.paidKeyFor))) {
    LockBillField(editor, "FDiscountAcctId", true, true);
  } else {
    LockBillField(editor, "FDiscountAcctId", false);
  }
  RunFieldAction(editor, "FAmountFor", kHeaderRow, false);
  RewriteLocalFormat("FAmount");
  RewriteLocalFormat(std::string(m_Side.paidKey));
}

void SettlementBill::OnRateChanged(const qor::HostDictionaryPtr& dctFld) {
  double rate = NewNumber(dctFld);
  auto currency = static_cast<int32_t>(HeaderNumber("FCurrencyID"));
  SpreadRateToRows(currency, rate, false, 0);
  RewriteLocalFormat("FAmount");
  RewriteLocalFormat(std::string(m_Side.paidKey));
}

}  // namespace qorarap
