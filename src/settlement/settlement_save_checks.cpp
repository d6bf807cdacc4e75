// Save checks of the receipt and payment bills: the bill is written only
// when its settlement is consistent. The first failing check wins.

#include <cmath>
#include <string>
#include <unordered_map>

#include "common/amounts.h"
#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/periods.h"
#include "common/props.h"
#include "common/sql_text.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_amounts.h"
#include "settlement/settlement_bill.h"
#include "settlement/settlement_values.h"

namespace qorarap {

namespace {

constexpr int32_t kAuditedStatus = 1;
constexpr int32_t kSourceMissing = 0;
constexpr int32_t kSourceNotAudited = 1;
constexpr int32_t kSourceUsable = 2;
constexpr char kCrLf[] = "\r\n";

bool IsBlank(const qor::Variant& value) {
  return value.IsEmpty() || value.IsNull() || (value.IsString() && value.StringValue().empty());
}

std::string NumberText(double value) { return qor::FormatDouble(value); }

}  // namespace

// What the row checks carry from one row to the next.
struct SettlementBill::RowCheckState {
  int32_t db = 2;
  int32_t dl = 2;
  int32_t headerCurrency = kLocalCurrency;
  int32_t firstCurrency = 0;
  int32_t lastCurrency = 0;
  int32_t billType = 0;
  double sameCurrencyTotal = 0;   // rows in the header currency, "For" amounts rounded
  double otherCurrencyTotal = 0;  // other rows, local amounts
  std::unordered_map<std::string, int32_t> firstRowOfKey;
};

void SettlementBill::m_BillInterface_BeforeSave(bool& bCancel) {
  try {
    const auto& editor = m_BillInterface.Get();
    if (settle::Number(editor, "FStatus") == kAuditedStatus) {
      // Only the settlement method and number of an audited bill may change.
      UpdateSettleFields();
      editor->GetBillObject()->SetNotSave(true);
      return;
    }
    if (!CheckCurrencyMix()) {
      bCancel = true;
      return;
    }
    if (settle::Number(editor, "FCheckAmountFor") != 0) {
      ShowMessage(std::string(m_Side.msgWrittenOff), kMsgInformation);
      bCancel = true;
      return;
    }
    RowCheckState state;
    state.headerCurrency = static_cast<int32_t>(settle::Number(editor, "FCurrencyId"));
    state.db = settle::CurrencyDecimals(state.headerCurrency);
    state.dl = settle::CurrencyDecimals(kLocalCurrency);
    bool done = false;
    if (!CheckHeaderBeforeRows(state, done)) {
      bCancel = true;
      return;
    }
    if (done) return;
    if (!CheckSettlementRows(state)) {
      bCancel = true;
      return;
    }
    StoreDiscount();
  } catch (const qor::VbError& error) {
    bCancel = true;
    if (error.Number() != 0) throw;
  }
}

// Steps before the rows: rounding, zero amount, period, prepayment limit and
// discount account. done is set when the bill has no rows to check.
bool SettlementBill::CheckHeaderBeforeRows(RowCheckState& state, bool& done) {
  const auto& editor = m_BillInterface.Get();
  std::string paid(m_Side.paidKey);
  int32_t editMode = editor->GetEditMode();
  if (editMode == 1 || editMode == 2) {
    for (const auto& [key, decimals] :
         {std::pair{settle::ForKey(paid), state.db}, std::pair{paid, state.dl},
          std::pair{std::string("FDiscountAmountFor"), state.db},
          std::pair{std::string("FDiscountAmount"), state.dl}}) {
      SetBillFieldValue(editor, key, kHeaderRow, settle::Rounded(editor, key, decimals));
    }
  }
  state.billType = static_cast<int32_t>(settle::Number(editor, m_Side.typeKey));
  if (m_Side.readsMulExchangeRate)
    GetGLData()->GetCurrency(state.headerCurrency)->MulExchangeRate();
  double gross = settle::Rounded(editor, "FAmountFor", state.db);
  if (gross == 0) {
    ShowMessage(std::string(m_Side.msgZeroAmount), kMsgInformation);
    return false;
  }
  if (editMode != 0) {
    qor::Variant date = editor->GetBillObject()->GetFDateValue();
    if (!IsBlank(date)) SetBillFieldValue(editor, "FDate", kHeaderRow, date);
    if (!CheckBillDate(editor)) return false;
  }
  if (state.billType == m_Side.prepaymentType) {
    done = true;
    return CheckPrepayment(gross, state.db);
  }
  if (settle::Rounded(editor, "FDiscountAmount", state.db) != 0 &&
      settle::Number(editor, "FDiscountAcctId") == 0) {
    ShowMessage("有折扣金额,请输入折扣科目!", kMsgInformation);
    return false;
  }
  return true;
}

// Money given back on a prepayment may not exceed what the partner has
// prepaid; a prepayment has no rows, so its discount is stored at once.
bool SettlementBill::CheckPrepayment(double gross, int32_t db) {
  const auto& editor = m_BillInterface.Get();
  if (gross < 0) {
    auto bills = qor::CreateComponent<qor::ArApBillComponent>(std::string(m_Side.arApComponent));
    double available = bills->GetUnCheckAmountFor(
        GetPropsString(), static_cast<int32_t>(settle::Number(editor, m_Side.counterpartyKey)),
        static_cast<int32_t>(settle::Number(editor, "FCurrencyId")),
        static_cast<int32_t>(settle::Number(editor, "FBillID")));
    if (std::fabs(gross) > RoundTo(available, db)) {
      ShowMessage(std::string(m_Side.msgPrepaymentLimit), kMsgInformation);
      return false;
    }
  }
  StoreDiscount();
  return true;
}

bool SettlementBill::CheckSettlementRows(RowCheckState& state) {
  const auto& editor = m_BillInterface.Get();
  int32_t count = settle::SettlementRowCount(editor);
  state.firstCurrency =
      count >= 1 ? static_cast<int32_t>(settle::Number(editor, "FBillCurrencyId", 1)) : 0;
  state.firstRowOfKey.reserve(static_cast<size_t>(count));
  for (int32_t row = 1; row <= count; ++row) {
    if (settle::Number(editor, "FInterId", row) < 1) continue;
    if (!CheckSettlementRow(row, state)) return false;
  }
  // The rows must add up to the gross amount (received plus discount).
  bool sameCurrency = state.headerCurrency == state.lastCurrency;
  double rows = sameCurrency ? state.sameCurrencyTotal : state.otherCurrencyTotal;
  double header = sameCurrency ? settle::Rounded(editor, "FAmountFor", state.db)
                               : settle::Rounded(editor, "FAmount", state.dl);
  if (RoundTo(rows, state.dl) != RoundTo(header, state.dl)) {
    ShowMessage(std::string(m_Side.msgTotalMismatch), kMsgInformation);
    return false;
  }
  return true;
}

bool SettlementBill::CheckSettlementRow(int32_t row, RowCheckState& state) {
  const auto& editor = m_BillInterface.Get();
  auto refuse = [row](std::string_view message, const qor::Variant& other) {
    ShowMessage(FormatText(std::string(message), row, other), kMsgExclamation);
    return false;
  };
  int32_t code = kSourceUsable;
  bool ok = true;
  IsSourceChecked(static_cast<int32_t>(settle::Number(editor, "FClassID_SRC", row)),
                  static_cast<int32_t>(settle::Number(editor, "FInterId", row)), true, code, ok);
  if (!ok) {
    qor::Variant number = GetBillFieldValue(editor, std::string(m_Side.sourceNumberKey), row);
    std::string reason = code == kSourceMissing ? "第 [%1] 行，检测到不存在的源单 [%2]。"
                                                : "第 [%1] 行，检测到未审核的源单 [%2]。";
    return refuse(reason + kCrLf + kCrLf + "不允许保存！", number);
  }
  std::string key = NumberText(settle::Number(editor, "FInterId", row)) + "_" +
                    NumberText(settle::Number(editor, "FEntryID_HXD_SRC", row)) + "_" +
                    NumberText(settle::Number(editor, "FClassID_SRC", row));
  auto [it, added] = state.firstRowOfKey.emplace(key, row);
  if (!added && state.billType != m_Side.repeatSourceType) {
    return refuse(m_Side.msgDuplicateSource, it->second);
  }
  double settle = settle::Rounded(editor, "FBillSettleAmountFor", state.db, row);
  if (settle == 0) return refuse("第%1行本次核销金额为零，不允许保存。", "");
  double open = settle::Rounded(editor, std::string(m_Side.openKeyFor), state.db, row);
  if (IsPositive(settle) != IsPositive(open)) {
    return refuse("第%1行本次核销金额和未核销金额方向不一致。", "");
  }
  if (IsOverSettled(row, settle, open, state.dl)) {
    return refuse("第%1行本次核销金额不能大于未核销金额。", "");
  }
  int32_t currency = static_cast<int32_t>(settle::Number(editor, "FBillCurrencyId", row));
  int32_t h = state.headerCurrency;
  if (h != kLocalCurrency && currency != h && currency != kLocalCurrency) {
    return refuse(m_Side.msgRowNotHeaderCurrency, "");
  }
  if (currency != state.firstCurrency && currency != 0 && state.firstCurrency != 0) {
    return refuse(m_Side.msgRowNotFirstCurrency, "");
  }
  if (currency == h) {
    state.sameCurrencyTotal += settle;
  } else {
    state.otherCurrencyTotal += settle::Number(editor, "FBillSettleAmount", row);
  }
  state.lastCurrency = currency;
  return true;
}

// A row settles more than is open on its source. With nothing open in the
// source currency the local amounts decide, and only when some local
// amount is still open.
bool SettlementBill::IsOverSettled(int32_t row, double settle, double open, int32_t dl) {
  const auto& editor = m_BillInterface.Get();
  if (open != 0) return std::fabs(settle) > std::fabs(open);
  double openLocal = settle::Number(editor, m_Side.openKey, row);
  if (openLocal == 0) return false;
  return std::fabs(settle::Rounded(editor, "FBillSettleAmount", dl, row)) >
         RoundTo(std::fabs(openLocal), dl);
}

// The discount is stored as a fraction, its percentage kept for display.
void SettlementBill::StoreDiscount() {
  const auto& editor = m_BillInterface.Get();
  double percentage = settle::Number(editor, "FDiscount");
  SetBillFieldValue(editor, "FDiscount", kHeaderRow, qor::Variant(percentage / 100));
  SetBillFieldValue(editor, "FDiscountDsp", kHeaderRow, qor::Variant(percentage));
}

// The host keeps the fraction written for the failed save; the percentage
// is the one kept for display, and both fields go back to it.
void SettlementBill::m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& /*dctData*/,
                                                    std::string& /*sErrorMessage*/,
                                                    bool& /*bCancelErrorMessage*/) {
  const auto& editor = m_BillInterface.Get();
  double percentage = settle::Number(editor, "FDiscountDsp");
  SetBillFieldValue(editor, "FDiscount", kHeaderRow, qor::Variant(percentage));
  SetBillFieldValue(editor, "FDiscountDsp", kHeaderRow, qor::Variant(percentage));
  RunFieldAction(editor, std::string(m_Side.saveFailedFieldAction), kHeaderRow, true);
}

void SettlementBill::IsSourceChecked(int32_t classId, int32_t interId, bool checkAudited,
                                     int32_t& code, bool& ok) {
  std::string_view query;
  for (const auto& source : m_Side.sourceAuditQueries) {
    if (source.classId != 0 && source.classId == classId) query = source.sql;
  }
  code = kSourceUsable;
  ok = true;
  if (query.empty()) return;
  ParsePropsString(GetPropsString());
  auto connection = qor::CreateDirect<qor::AppConnection>("QORConnection.AppConnection");
  qor::RecordsetPtr rs =
      connection->Execute(GetConnectString(), std::string(query) + std::to_string(interId));
  if (!rs || rs->IsEOF()) {
    code = kSourceMissing;
    ok = false;
    return;
  }
  if (!checkAudited) return;
  if (qor::Val(rs->Field("FCheckerID")) == 0) {
    code = kSourceNotAudited;
    ok = false;
  }
}

void SettlementBill::UpdateSettleFields() {
  const auto& editor = m_BillInterface.Get();
  std::string sql = std::string(m_Side.settleFieldsUpdate) +
                    std::to_string(qor::CLng(qor::Variant(settle::Number(editor, "FSettleID")))) +
                    ",FSettleIDNo=" + SqlValue(GetBillFieldValue(editor, "FSettleIDNO"), true) +
                    " WHERE FBillID=" + NumberText(settle::Number(editor, "FBillID"));
  ParsePropsString(GetPropsString());
  auto connection = qor::CreateDirect<qor::AppConnection>("QORConnection.AppConnection");
  connection->Execute(GetConnectString(), sql);
}

// Header and rows may not be in two different foreign currencies.
bool SettlementBill::CheckCurrencyMix() {
  const auto& editor = m_BillInterface.Get();
  if (settle::Number(editor, m_Side.typeKey) == m_Side.prepaymentType) return true;
  int32_t header = static_cast<int32_t>(settle::Number(editor, "FCurrencyId"));
  int32_t count = settle::SettlementRowCount(editor);
  int32_t first = 0;
  bool haveFirst = false;
  for (int32_t row = 1; row <= count; ++row) {
    if (settle::Number(editor, "FInterId", row) <= 0) continue;
    int32_t currency = static_cast<int32_t>(settle::Number(editor, "FBillCurrencyId", row));
    if (!haveFirst) {
      first = currency;
      haveFirst = true;
    }
    if (currency != first && currency != 0 && first != 0) {
      if (m_Side.msgCurrencyMixRows.empty()) continue;
      ShowMessage(std::string(m_Side.msgCurrencyMixRows), kMsgInformation);
      return false;
    }
    if (header != kLocalCurrency && currency != header && currency != kLocalCurrency &&
        currency != 0) {
      ShowMessage(std::string(m_Side.msgCurrencyMixForeign), kMsgInformation);
      return false;
    }
  }
  return true;
}

}  // namespace qorarap
