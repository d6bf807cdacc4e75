// Receipt and payment bills: what editing a field does to the rest of the
// bill (the counterparty, the source number, the type, the account), and the
// field helpers the rules share.

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/props.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_bill.h"
#include "settlement/settlement_calc.h"

namespace qorarap {

namespace {

constexpr int32_t kEntryIndex = 1;
constexpr int32_t kLocalCurrency = 1;
constexpr int32_t kRemoveSettlementRows = 2;

qor::RecordsetPtr RunSql(const std::string& sql) {
  ParsePropsString(GetPropsString());
  auto connection = qor::CreateComponent<qor::AppConnection>("QORMAppConnection.AppConnection");
  return connection->Execute(GetConnectString(), sql);
}

// The value of the column at position (0-based) of the current record.
qor::Variant Column(const qor::Recordset& rs, size_t position) {
  return rs.Field(rs.Columns().at(position));
}

std::string IdText(const qor::Variant& value) {
  return qor::FormatDouble(static_cast<double>(qor::CLng(qor::Variant(qor::Val(value)))));
}

qor::Variant NewValue(const qor::HostDictionaryPtr& dctFld) {
  return dctFld ? dctFld->Item("FFLD") : qor::Variant();
}

}  // namespace

void SettlementBill::m_BillInterface_BeginEdit(const qor::HostDictionaryPtr& dct, int32_t /*Col*/,
                                               int32_t /*row*/) {
  std::string key = dct ? qor::StrOf(dct->Item("FKey")) : "";
  auto& editor = m_BillInterface.Get();
  if (qor::EqualsNoCase(key, m_Side.sourceNumberKey)) {
    if (HeaderNumber("FCurrencyID") != 0) {
      editor->SetMenuItemProperty("mnuDataLookUp", "Enabled", true);
    } else {
      ShowMessage(std::string(m_Side.currencyMessage), kMsgInformation, "币别设置");
    }
  } else if (qor::EqualsNoCase(key, m_Side.counterpartyKey)) {
    m_lLastCustomerID = qor::CLng(qor::Variant(HeaderNumber(std::string(m_Side.counterpartyKey))));
  } else if (qor::EqualsNoCase(key, "FEmployeeID")) {
    double department = HeaderNumber("FDepartmentID");
    std::string shown = qor::StrOf(editor->GetFieldValue("FDepartmentID", kHeaderRow, 2));
    bool chosen = department != 0 && !qor::Trim(shown).empty();
    dct->SetItem("FFilter", chosen ? EmployeeFilter(m_Side, qor::FormatDouble(department)) : "");
    dct->SetItem("FRefresh", "1");
  }
}

// Any run-time error cancels the change and goes on to the editor as it was.
void SettlementBill::m_BillInterface_Change(const qor::HostDictionaryPtr& /*dct*/,
                                            const qor::HostDictionaryPtr& dctFld, int32_t /*Col*/,
                                            int32_t row, bool& Cancel) {
  try {
    std::string key = dctFld ? qor::StrOf(dctFld->Item("FKey")) : "";
    ChangeField(key, dctFld, row);
    Cancel = false;
  } catch (const qor::VbError&) {
    Cancel = true;
    throw;
  }
}

void SettlementBill::ChangeField(const std::string& key, const qor::HostDictionaryPtr& dctFld,
                                 int32_t row) {
  if (qor::EqualsNoCase(key, m_Side.counterpartyKey)) return OnCounterpartyChanged(dctFld);
  if (qor::EqualsNoCase(key, m_Side.sourceNumberKey)) return OnSourceNumberChanged(dctFld, row);
  if (qor::EqualsNoCase(key, m_Side.typeKey)) return OnTypeChanged(dctFld);
  if (qor::EqualsNoCase(key, "FCurrencyId")) return OnCurrencyChanged(dctFld);
  if (qor::EqualsNoCase(key, "FDiscount")) return OnDiscountChanged(dctFld);
  if (qor::EqualsNoCase(key, m_Side.paidKeyFor)) return OnPaidAmountChanged(dctFld);
  if (qor::EqualsNoCase(key, "FAmountFor")) return OnGrossAmountChanged(dctFld);
  if (qor::EqualsNoCase(key, "FAcctID")) return OnAccountChanged(dctFld);
  if (qor::EqualsNoCase(key, "FExchangeRate")) return OnRateChanged(dctFld);
}

// Another counterparty: the rows picked for the previous one go, and its
// department, employee and settlement account come in.
void SettlementBill::OnCounterpartyChanged(const qor::HostDictionaryPtr& dctFld) {
  auto& editor = m_BillInterface.Get();
  double stored = HeaderNumber(std::string(m_Side.counterpartyKey));
  if (m_lLastCustomerID != 0 && stored != m_lLastCustomerID) {
    editor->InvokeEditorAction(kRemoveSettlementRows);
    SetSourceColumns();
    SetRowMenusByType(true);
  }
  if (qor::Val(NewValue(dctFld)) <= 0) return;
  std::string id = IdText(NewValue(dctFld));
  std::string table(m_Side.counterpartyTable);
  FillFromCounterparty("FDepartmentId",
                       "Select FNumber From t_Department Where FItemID=(Select FDepartment From " +
                           table + " Where FItemID=" + id + ")" + " and FDeleted=0");
  FillFromCounterparty("FEmployeeId",
                       "Select FNumber From t_Emp Where FItemID=(Select FEmployee From " + table +
                           " Where FItemID=" + id + ")" + " and FDeleted=0");
  FillFromCounterparty(
      "FAcctId", "Select FNumber From t_Account Where FAccountID=(Select FAcctID From " + table +
                     " Where FItemID=" + id + ")");
}

void SettlementBill::FillFromCounterparty(const std::string& key, const std::string& sql) {
  qor::RecordsetPtr rs = RunSql(sql);
  if (!rs || rs->IsEOF()) return;
  m_BillInterface->SetFieldValue(key, qor::Variant(qor::Trim(qor::StrOf(Column(*rs, 0)))),
                                 kHeaderRow);
}

// The source number comes only from the source selection: whatever was
// typed over it is put back.
void SettlementBill::OnSourceNumberChanged(const qor::HostDictionaryPtr& dctFld, int32_t row) {
  if (!qor::Trim(qor::StrOf(NewValue(dctFld))).empty()) {
    ShowMessage("不允许修改源单编号，请通过选单操作更改被选发票！", kMsgInformation, kMessageTitle);
  } else {
    ShowMessage("不允许删除源单编号，如果删除行，请使用工具栏[删行]按钮功能！", kMsgInformation,
                kMessageTitle);
  }
  qor::Variant previous("");
  if (dctFld && dctFld->Lookup("Fold")) previous = dctFld->Item("FOLD");
  WriteTextAndValue(std::string(m_Side.sourceNumberKey), row, qor::StrOf(previous), previous);
}

// Another type: the rows go, the header amounts start again and the tools
// follow the type.
void SettlementBill::OnTypeChanged(const qor::HostDictionaryPtr& dctFld) {
  m_BillInterface->InvokeEditorAction(kRemoveSettlementRows);
  SetSourceColumns();
  SetMenusByReceiveType(static_cast<int32_t>(qor::Val(NewValue(dctFld))));
  SetRowMenusByType(true);
  SetExchangeRateLock(static_cast<int32_t>(HeaderNumber("FCurrencyId")) == kLocalCurrency);
  auto billId = static_cast<int32_t>(HeaderNumber("FBillId"));
  if (billId == 0) return;
  bool pushed = PushedOrigin(billId) != 0;
  SetHeaderFieldFlag(std::string(m_Side.counterpartyKey), pushed);
  SetHeaderFieldFlag(std::string(m_Side.typeKey), !pushed);
}

// The settlement account's currency becomes the bill's currency, unless the
// account takes every currency.
void SettlementBill::OnAccountChanged(const qor::HostDictionaryPtr& dctFld) {
  qor::RecordsetPtr account = RunSql(
      "Select  a.FCurrencyID,isnull(b.FNumber,'') from t_account a left join t_currency b on "
      "a.FCurrencyID=b.FCurrencyID" +
      std::string(" where FAccountID=") + IdText(NewValue(dctFld)));
  if (!account || account->IsEOF()) return;
  auto accountCurrency = static_cast<int32_t>(qor::Val(Column(*account, 0)));
  if (accountCurrency == 0) return;
  std::string shown =
      qor::Trim(qor::StrOf(m_BillInterface->GetFieldValue("FCurrencyId", kHeaderRow, 2)));
  std::string number = qor::Trim(qor::StrOf(Column(*account, 1)));
  if (accountCurrency == kLocalCurrency) {
    qor::RecordsetPtr local = RunSql("Select  b.FNumber from t_currency b where b.FCurrencyID=1");
    number = local && !local->IsEOF() ? qor::Trim(qor::StrOf(Column(*local, 0))) : "";
  }
  if (number == shown) return;
  m_BillInterface->SetFieldValue("FCurrencyId", qor::Variant(number), kHeaderRow);
  int32_t decimals = CurrencyDecimals(accountCurrency);
  for (std::string_view key : {std::string_view("FAmountFor"), m_Side.paidKeyFor,
                               std::string_view("FDiscountAmountFor")}) {
    ApplyFieldDecimals(std::string(key), decimals, false);
  }
  double rate = RateOfCurrency(accountCurrency);
  WriteTextAndValue("FExchangeRate", kHeaderRow, qor::FormatDouble(rate), qor::Variant(rate));
  SetExchangeRateLock(accountCurrency == kLocalCurrency);
}

void SettlementBill::m_BillInterface_HeadCtlLostFocus(const qor::ObjectPtr& /*ctl*/,
                                                      const qor::HostDictionaryPtr& dct,
                                                      const qor::HostDictionaryPtr& dctFld) {
  if (!dctFld) return;
  if (qor::UCase(qor::StrOf(dctFld->Item("FFieldName"))) != qor::UCase(m_Side.counterpartyKey)) {
    return;
  }
  auto& editor = m_BillInterface.Get();
  std::string number =
      qor::StrOf(editor->GetFieldValue(std::string(m_Side.counterpartyKey), kHeaderRow, 2));
  if (number.empty()) {
    editor->SetStatusText(5, "");
    return;
  }
  int32_t billType = dct ? static_cast<int32_t>(qor::Val(dct->Item("FClassTypeID"))) : 0;
  editor->SetStatusText(5, GetCreditStatusText(number, billType));
}

void SettlementBill::m_BillInterface_SetCurrencyState(const qor::HostDictionaryPtr& /*dcData*/) {
  auto& editor = m_BillInterface.Get();
  int32_t billDecimals = CurrencyDecimals(static_cast<int32_t>(HeaderNumber("FCurrencyId")));
  editor->SetFieldDecimalPlaces(editor->GetFieldInfo("FAmountFor"), kHeaderRow, billDecimals);
  editor->SetFieldDecimalPlaces(editor->GetFieldInfo(std::string(m_Side.paidKeyFor)), kHeaderRow,
                                billDecimals);
  int32_t rows = GetEntryRowCount(editor, kEntryIndex, true);
  for (int32_t row = 1; row <= rows; ++row) {
    if (RowNumber("FInterID", row) == 0) continue;
    int32_t decimals = CurrencyDecimals(static_cast<int32_t>(RowNumber("FBillCurrencyID", row)));
    for (std::string_view key :
         {std::string_view("FBillAmountFor"), m_Side.settledKeyFor, m_Side.openKeyFor,
          std::string_view("FBillSettleAmountFor"), std::string_view("FEntryAmount_SRC")}) {
      ApplyFieldDecimals(std::string(key), decimals, true);
    }
    ApplyFieldDecimals("FEntryExchangeRate", kRowRateDecimals, false);
  }
}

void SettlementBill::m_BillInterface_SetAmountForEnd(const qor::HostDictionaryPtr& /*dcData*/,
                                                     int32_t /*iRow*/,
                                                     const qor::HostDictionaryPtr& /*dct*/,
                                                     const qor::HostDictionaryPtr& /*dctFld*/) {}

// ---- field helpers ----

double SettlementBill::HeaderNumber(const std::string& key) {
  return qor::Val(GetBillFieldValue(m_BillInterface.Get(), key, kHeaderRow));
}

double SettlementBill::RowNumber(const std::string& key, int32_t row) {
  return qor::Val(GetBillFieldValue(m_BillInterface.Get(), key, row));
}

void SettlementBill::WriteTextAndValue(const std::string& key, int32_t row, const std::string& text,
                                       const qor::Variant& value) {
  auto& editor = m_BillInterface.Get();
  SetBillFieldValue(editor, key, row, value);
  editor->SetFieldText(editor->GetFieldInfo(key), text, row);
}

int32_t SettlementBill::CurrencyDecimals(int32_t currencyId) {
  return GetGLData()->GetCurrency(currencyId)->ScaleX();
}

double SettlementBill::RateOfCurrency(int32_t currencyId) {
  auto currency = GetGLData()->GetCurrency(currencyId);
  return CurrencyRate(currency->ExchangeRate(), currency->Operator());
}

bool SettlementBill::IsAutoOptionChecked() {
  auto bar = m_BillInterface->GetToolBarControl();
  return bar->Bands("mnuOption")->Tools().Item(std::string(m_Side.autoOptionItem))->m_Checked;
}

}  // namespace qorarap
