// Automatic split of the bill amount over the settlement rows, and automatic
// sum of the rows into the header. Both work on the open editor only.

#include <map>
#include <string>

#include "common/bill_fields.h"
#include "common/messages.h"
#include "core/vb.h"
#include "settlement/settlement_amounts.h"
#include "settlement/settlement_bill.h"
#include "settlement/settlement_values.h"

namespace qorarap {

namespace {

constexpr char kSettleFor[] = "FBillSettleAmountFor";
constexpr char kSettle[] = "FBillSettleAmount";

// Decimals of the currencies met on the rows, read once each.
class DecimalsCache {
 public:
  int32_t Of(int32_t currency) {
    auto it = m_Decimals.find(currency);
    if (it != m_Decimals.end()) return it->second;
    int32_t decimals = settle::CurrencyDecimals(currency);
    m_Decimals.emplace(currency, decimals);
    return decimals;
  }

 private:
  std::map<int32_t, int32_t> m_Decimals;
};

int32_t IntOf(double value) { return static_cast<int32_t>(value); }

}  // namespace

void SettlementBill::AutoSplitAmount() {
  const auto& editor = m_BillInterface.Get();
  if (settle::Number(editor, m_Side.typeKey) == m_Side.prepaymentType) return;
  if (!CheckCurrencyMix()) return;
  DecimalsCache decimals;
  SplitHeader header;
  header.exchangeRate = settle::Number(editor, "FExchangeRate");
  header.currency = IntOf(settle::Number(editor, "FCurrencyId"));
  int32_t count = settle::SettlementRowCount(editor);
  header.decimals = decimals.Of(header.currency);
  double remaining = settle::Number(editor, "FAmountFor");
  if (remaining == 0) {
    ShowInfo(std::string(m_Side.msgSplitNeedsAmount));
    return;
  }
  std::string openKey = std::string(m_Side.openKeyFor);
  for (int32_t row = 1; row <= count; ++row) {
    if (settle::Number(editor, "FInterId", row) < 1) continue;
    SplitRow line;
    line.currency = IntOf(settle::Number(editor, "FBillCurrencyID", row));
    line.exchangeRate = settle::Number(editor, "FEntryExchangeRate", row);
    line.openAmount = settle::Number(editor, openKey, row);
    line.decimals = decimals.Of(line.currency);
    line.localDecimals = decimals.Of(kLocalCurrency);
    auto settled = SplitRowAmount(header, line, remaining);
    if (!settled) continue;
    SetBillFieldValue(editor, kSettleFor, row, qor::Variant(settled->amountFor));
    SetBillFieldValue(editor, kSettle, row, qor::Variant(settled->amount));
  }
  FinishSplit(remaining, header.decimals);
}

// Reports what the rows could not take; the payment unlocks the discount
// account only after a complete split.
void SettlementBill::FinishSplit(double remaining, int32_t headerDecimals) {
  const auto& editor = m_BillInterface.Get();
  if (remaining != 0) {
    ShowInfo(std::string(m_Side.msgSplitRemainderHead) +
             qor::CStr(qor::Variant(RoundTo(remaining, headerDecimals))) +
             std::string(m_Side.msgSplitRemainderTail));
    if (m_Side.splitLocksDiscountAccount) return;
  } else if (m_Side.splitLocksDiscountAccount) {
    bool noDiscount = settle::Number(editor, "FDiscount") == 100;
    LockBillField(editor, "FDiscountAcctId", noDiscount, noDiscount, 1);
  }
  SetActiveField(editor, kSettleFor, 1);
}

void SettlementBill::AutoSumAmount() {
  const auto& editor = m_BillInterface.Get();
  if (settle::Number(editor, m_Side.typeKey) == m_Side.prepaymentType) return;
  if (!CheckCurrencyMix()) return;
  SumInput sum;
  sum.exchangeRate = settle::Number(editor, "FExchangeRate");
  sum.headerCurrency = IntOf(settle::Number(editor, "FCurrencyId"));
  int32_t count = settle::SettlementRowCount(editor);
  sum.headerDecimals = settle::CurrencyDecimals(sum.headerCurrency);
  sum.localDecimals = settle::CurrencyDecimals(kLocalCurrency);
  bool found = false;
  for (int32_t row = 1; row <= count; ++row) {
    if (settle::Number(editor, "FInterId", row) <= 0) continue;
    found = true;
    if (sum.headerCurrency == kLocalCurrency) {
      sum.total += settle::Number(editor, kSettle, row);
    } else {
      sum.total += settle::Number(editor, kSettleFor, row);
      sum.totalLocal += settle::Rounded(editor, kSettle, sum.localDecimals, row);
    }
    sum.rowCurrency = IntOf(settle::Number(editor, "FBillCurrencyId", row));
  }
  if (!found) {
    ShowInfo(std::string(m_Side.msgSumNoSource));
    return;
  }
  if (sum.total == 0) {
    ShowInfo(std::string(m_Side.msgSumZero));
    return;
  }
  sum.discount = settle::Number(editor, "FDiscount");
  HeaderAmounts amounts = SumHeaderAmounts(sum);
  std::string paid(m_Side.paidKey);
  std::string paidFor = settle::ForKey(paid);
  SetBillFieldValue(editor, "FAmountFor", kHeaderRow, qor::Variant(amounts.amountFor));
  SetBillFieldValue(editor, "FAmount", kHeaderRow, qor::Variant(amounts.amount));
  SetBillFieldValue(editor, paidFor, kHeaderRow, qor::Variant(amounts.paidAmountFor));
  SetBillFieldValue(editor, paid, kHeaderRow, qor::Variant(amounts.paidAmount));
  double discountFor = settle::Number(editor, "FAmountFor") - settle::Number(editor, paidFor);
  double discount = settle::Number(editor, "FAmount") - settle::Number(editor, paid);
  SetBillFieldValue(editor, "FDiscountAmountFor", kHeaderRow,
                    qor::Variant(RoundTo(discountFor, sum.headerDecimals)));
  SetBillFieldValue(editor, "FDiscountAmount", kHeaderRow,
                    qor::Variant(RoundTo(discount, sum.localDecimals)));
}

}  // namespace qorarap
