// What the other bills do while the user edits: the employee filter, the
// due date from the partner's terms, the partner's account, the currency and
// its rate, the bill amount and the income/expense type of a row.

#include <optional>

#include "common/bill_fields.h"
#include "common/messages.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "otherbills/other_bill.h"
#include "otherbills/other_bill_calc.h"

namespace qorarap {

namespace {

constexpr int32_t kStatusPanel = 5;
constexpr int32_t kFirstEntry = 1;
constexpr int32_t kLocalCurrency = 1;
constexpr int32_t kDisplayedValue = 2;

std::string FirstColumnText(const qor::Recordset& rs) {
  return qor::Trim(qor::StrOf(rs.Field(rs.Columns().at(0))));
}

}  // namespace

// The employee list offers the employees of the bill's department and those
// without a department.
void OtherBill::m_BillInterface_BeginEdit(const qor::HostDictionaryPtr& dct, int32_t /*Col*/,
                                          int32_t /*row*/) {
  if (qor::LCase(qor::StrOf(dct->Item("FKey"))) != "femployeeid") return;
  int32_t dept = qor::CLng(qor::Val(Editor()->GetFieldValue("FDepartmentID", kHeaderRow)));
  if (dept != 0) {
    dct->SetItem("FFilter", " IsNull(FDepartmentID,'')='' or IsNull(FDepartmentID,'')=" +
                                std::to_string(dept));
  } else {
    dct->SetItem("FFilter", "");
  }
  dct->SetItem("FRefresh", "1");
}

void OtherBill::m_BillInterface_Change(const qor::HostDictionaryPtr& dct,
                                       const qor::HostDictionaryPtr& dctFld, int32_t /*Col*/,
                                       int32_t /*row*/, bool& Cancel) {
  try {
    auto editor = Editor();
    std::string key = qor::LCase(qor::StrOf(dct->Item("FKey")));
    int32_t rowCount = GetEntryRowCount(editor, kFirstEntry);
    bool partner = key == qor::LCase(m_Side.partnerKey);
    if (partner || key == "fdate") {
      RecalcDueDate();
      if (partner) TakePartnerAccount(dctFld);
    } else if (key == "fbillamountfor") {
      SumEntryAmounts();
    } else if (key == "fbilltypeid") {
      std::string status;
      if (IsOnAccount()) {
        std::string number = qor::StrOf(
            editor->GetFieldValue(std::string(m_Side.partnerKey), kHeaderRow, kDisplayedValue));
        status = GetCreditStatusText(number, dct->Item("FClassTypeID"));
      }
      editor->SetStatusText(kStatusPanel, status);
      SumEntryAmounts();
      LockSettleFields();
      RecalcDueDate();
    } else if (key == "fcurrencyid") {
      ChangeCurrency(dctFld, rowCount);
    } else if (key == "fexchangerate") {
      RecalcRowLocalAmounts(rowCount);
    } else if (key == "finouttypeid") {
      if (RefuseNonLeafType(dctFld)) Cancel = true;
    }
  } catch (const qor::VbError&) {
    Cancel = true;
    throw;
  }
}

// The partner's own settlement account becomes the bill's account.
void OtherBill::TakePartnerAccount(const qor::HostDictionaryPtr& dctFld) {
  double partnerId = qor::Val(dctFld->Item("FFLD"));
  if (partnerId <= 0) return;
  auto rs = ExecuteSql(std::string(m_Side.partnerAccountSql) + qor::FormatDouble(partnerId) + ")");
  if (!rs || rs->IsEOF()) return;
  Editor()->SetFieldValue("FAcctId", qor::Variant(FirstColumnText(*rs)), kHeaderRow);
}

// A new currency brings its rate and decimals; the rows' local amounts
// follow the rate.
void OtherBill::ChangeCurrency(const qor::HostDictionaryPtr& dctFld, int32_t rowCount) {
  int32_t currencyId = qor::CLng(qor::Val(dctFld->Item("FFLD")));
  if (currencyId == 0) return;
  auto editor = Editor();
  auto currency = GetGLData()->GetCurrency(currencyId);
  double rate = BillExchangeRate(currency->Operator(), currency->ExchangeRate());
  editor->SetFieldText(editor->GetFieldInfo("FExchangeRate"), qor::CStr(qor::Variant(rate)), 0);
  SetBillFieldValue(editor, "FExchangeRate", kHeaderRow, rate);
  SetExchangeRateLock(currencyId == kLocalCurrency);
  int32_t decimals = currency->ScaleX();
  ApplyFieldDecimals("FAmountFor", decimals, false);
  ApplyFieldDecimals("FCheckAmountFor", decimals, false);
  ApplyFieldDecimals("FBillAmountFor", decimals, true);
  RecalcRowLocalAmounts(rowCount);
}

void OtherBill::RecalcRowLocalAmounts(int32_t rowCount) {
  auto editor = Editor();
  for (int32_t row = 1; row <= rowCount; ++row) {
    if (qor::Val(GetBillFieldValue(editor, "FBillAmountFor", row)) != 0) {
      RunFieldAction(editor, "FBillAmountFor", row, false);
    }
  }
}

// Only the leaves of the type tree may be chosen for a row.
bool OtherBill::RefuseNonLeafType(const qor::HostDictionaryPtr& dctFld) {
  int32_t typeId = qor::CLng(qor::Val(dctFld->Item("FFLD")));
  m_rsInOutType->SetFilter(" FId=" + std::to_string(typeId));
  if (m_rsInOutType->IsEOF() || qor::Val(m_rsInOutType->Field("FIsLeaf")) != 0) return false;
  ShowMessage(std::string(m_Side.nonLeafTypeMessage), kMsgInformation);
  return true;
}

// Errors here are of no consequence to the user: the status panel keeps its text.
void OtherBill::m_BillInterface_HeadCtlLostFocus(const qor::ObjectPtr& /*ctl*/,
                                                 const qor::HostDictionaryPtr& dct,
                                                 const qor::HostDictionaryPtr& /*dctFld*/) {
  try {
    if (!dct || !IsOnAccount()) return;
    if (!qor::EqualsNoCase(qor::StrOf(dct->Item("FFieldName")), m_Side.partnerKey)) return;
    auto editor = Editor();
    std::string number = qor::StrOf(
        editor->GetFieldValue(std::string(m_Side.partnerKey), kHeaderRow, kDisplayedValue));
    std::string status;
    if (!number.empty()) status = GetCreditStatusText(number, dct->Item("FClassTypeID"));
    editor->SetStatusText(kStatusPanel, status);
  } catch (const qor::VbError&) {
  }
}

void OtherBill::ApplyFieldDecimals(const std::string& key, int32_t decimals,
                                   bool alsoEditDecimals) {
  auto editor = Editor();
  auto holder = editor->GetFieldMapHolder();
  auto map = holder ? qor::As<qor::HostDictionary>(holder->Item("Map").ObjectValue()) : nullptr;
  if (!map || !map->Lookup(key)) return;
  auto fieldInfo = editor->GetFieldInfo(key);
  editor->SetFieldDecimalPlaces(fieldInfo, kHeaderRow, decimals);
  if (alsoEditDecimals) editor->SetFieldEditDecimals(fieldInfo, decimals);
}

// The bill amount is the sum of the typed rows; a bill settled at once is
// settled for all of it.
void OtherBill::SumEntryAmounts() {
  auto editor = Editor();
  int32_t rowCount = GetEntryRowCount(editor, kFirstEntry);
  double sum = 0;
  for (int32_t row = 1; row <= rowCount; ++row) {
    if (qor::Val(GetBillFieldValue(editor, "FInOutTypeId", row)) > 0) {
      sum += qor::Val(GetBillFieldValue(editor, "FBillAmountFor", row));
    }
  }
  editor->SetFieldValue("FAmountFor", sum, kHeaderRow);
  bool settled = qor::Val(GetBillFieldValue(editor, "FBillTypeId")) == m_Side.settledBillType;
  editor->SetFieldValue("FCheckAmountFor", settled ? sum : 0.0, kHeaderRow);
}

// Settlement method and number belong to a bill settled at once, the due
// date to a bill on account; a checked bill keeps all of them.
void OtherBill::LockSettleFields() {
  auto editor = Editor();
  if (qor::Val(GetBillFieldValue(editor, "FStatus")) != 0) {
    LockBillField(editor, "FSettleId", true, false, 1);
    LockBillField(editor, "FSettleIdNo", true, false, 1);
    LockBillField(editor, "FLimitDate", true, false, 1);
    return;
  }
  if (qor::Val(GetBillFieldValue(editor, "FBillTypeId")) == m_Side.settledBillType) {
    LockBillField(editor, "FSettleId", false, false, 1);
    LockBillField(editor, "FSettleIdNo", false, false, 1);
    LockBillField(editor, "FLimitDate", true, false, 1);
    return;
  }
  LockBillField(editor, "FSettleId", true, true, 1);
  LockBillField(editor, "FSettleIdNo", true, true, 1);
  editor->SetFieldValue("FSettleId", qor::Variant(""), kHeaderRow);
  editor->SetFieldValue("FSettleIdNo", qor::Variant(""), kHeaderRow);
  LockBillField(editor, "FLimitDate", false, false, 1);
}

// An on-account bill falls due by the partner's payment terms; any other
// bill on its date.
void OtherBill::RecalcDueDate() {
  auto editor = Editor();
  if (editor->GetEditMode() == 0) return;
  int32_t partnerId =
      qor::CLng(qor::Val(editor->GetFieldValue(std::string(m_Side.partnerKey), kHeaderRow)));
  double billDate = qor::CDate(editor->GetFieldValue("FDate", kHeaderRow));
  std::optional<PaymentTerms> terms;
  if (partnerId > 0 && IsOnAccount()) {
    auto rs = ExecuteSql(std::string(m_Side.paymentTermsSelect) + "\r\n" +
                         " Left Join t_SetDl t2 ON t1.FPayMentTime=t2.FItemID Where t2.Fdeleted=0 "
                         "and t1.FItemID=" +
                         std::to_string(partnerId));
    if (rs && !rs->IsEOF()) {
      terms = PaymentTerms{qor::CLng(qor::Val(rs->Field("FType"))),
                           qor::CLng(qor::Val(rs->Field("FStandDays"))),
                           qor::CLng(qor::Val(rs->Field("FMonthPayDay"))),
                           qor::CLng(qor::Val(rs->Field("FBeforeDays")))};
    }
  }
  editor->SetFieldValue("FLimitDate", qor::Variant::Date(DueDateOf(billDate, terms)), kHeaderRow);
}

// The rate of the local currency cannot be edited.
void OtherBill::SetExchangeRateLock(bool isLocal) {
  auto editor = Editor();
  LockBillField(editor, "FExchangeRate", isLocal, false, 1);
  RunFieldAction(editor, "FExchangeRate", -1, true);
}

}  // namespace qorarap
