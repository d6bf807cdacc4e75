// Receipt and payment bills: loading, new bills, the editor's own formulas,
// and the routines that lock header fields and arrange menus by bill state.

#include "common/amounts.h"
#include "common/bill_fields.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

namespace {

constexpr int32_t kAuditedStatus = 1;
constexpr int32_t kLocalCurrency = 1;
constexpr int32_t kEntryIndex = 1;  // the settlement rows, page 2
constexpr int32_t kDiscountDecimals = 6;
constexpr int32_t kObjectNotSet = 91;

bool IsCreditBillType(int32_t billType) {
  return billType == 1000201 || billType == 1000202 || billType == 1000205 || billType == 1000206;
}

qor::HostDictionary& RequiredDictionary(const qor::Variant& value) {
  auto dictionary = value.IsObject() ? qor::As<qor::HostDictionary>(value.ObjectValue()) : nullptr;
  if (!dictionary) qor::RaiseError(kObjectNotSet, "QORARAPBillInterface");
  return *dictionary;
}

}  // namespace

void SettlementBill::m_BillInterface_BeforeLoadBill(bool& /*bCancel*/) { InitDiscountDecimals(); }

void SettlementBill::m_BillInterface_BeforLoadBillFillData() {
  ApplyFieldDecimals("FDiscount", m_iDiscountDecimals, false);
  double shown = qor::Val(GetBillFieldValue(m_BillInterface.Get(), "FDiscountDsp"));
  SetBillFieldValue(m_BillInterface.Get(), "FDiscount", kHeaderRow, qor::Variant(shown));
}

void SettlementBill::m_BillInterface_AfterLoadBill() {
  auto& editor = m_BillInterface.Get();
  m_lBillID = qor::CLng(qor::Val(editor->GetFieldValue("FBillId", kHeaderRow, 1)));
  editor->GetBillDictionary()->SetItem("AddModel", true);
  auto status = static_cast<int32_t>(HeaderNumber("FStatus"));
  bool editable = editor->GetEditMode() != 0 && editor->GetBillObject()->MutexSuccess();
  ArrangeLoadedMenus(status, editable);
  if (static_cast<int32_t>(HeaderNumber(std::string(m_Side.typeKey))) == m_Side.prepaymentType) {
    for (std::string_view key :
         {m_Side.sourceNumberKey, std::string_view("FBillSettleAmountFor"), m_Side.paidKeyFor,
          std::string_view("FDiscount"), std::string_view("FDiscountAcctId")}) {
      LockBillField(editor, std::string(key), true);
    }
  }
  editor->SetMenuItemProperty("mnuViewVch", "ENABLED", status == kAuditedStatus);
  editor->SetMenuItemProperty("mnuViewVch", "VISIBLE", true);
  DisableRowMenusOnStatus(editor);
  editor->SetMenuItemProperty("UnCheck", "VISIBLE", true);
  editor->SetMenuItemProperty("Fcheck", "VISIBLE", true);
  m_bLoaded = false;
  LockHeaderFields(status == kAuditedStatus ? 1 : 0);
  LockBillField(editor, std::string(m_Side.typeKey), true);
  if (status == kAuditedStatus) SetExchangeRateLock(true);
  m_bLoaded = true;
  int32_t billId = qor::CLng(qor::Val(editor->GetFieldValue("FBillId", kHeaderRow, 1)));
  if (billId != 0) MarkPushedFields(billId);
  if (m_Side.arrangesRedBlueItems) {
    bool open = editable && status != kAuditedStatus;
    editor->SetMenuItemProperty("mnuEditRedBill", "ENABLED", open);
    editor->SetMenuItemProperty("mnuEditBlueBill", "ENABLED", open);
    LockPushedPaymentFields();
  }
  ShowCreditStatus();
  SetSourceColumns();
  ClearModifyFlags(editor);
}

// Which menu items a loaded bill offers: none of the editing ones when the
// bill cannot be changed here; by its audit state otherwise.
void SettlementBill::ArrangeLoadedMenus(int32_t status, bool editable) {
  auto& editor = m_BillInterface.Get();
  const std::string selectItem(m_Side.selectBillItem);
  editor->SetMenuItemProperty("mnuEditCheck", "VISIBLE", true);
  editor->SetMenuItemProperty("mnuEditUnCheck", "VISIBLE", true);
  if (!editable) {
    SetBandToolProperty("mnuData", "mnuDataAutoSumAmt", "Enabled", false);
    SetBandToolProperty("mnuData", "mnuDataAutoPartAmt", "Enabled", false);
    SetBandToolProperty("BandToolBar", "mnuDataPre", "Visible", false);
    SetBandToolProperty("BandToolBar", "mnuDataNext", "Visible", false);
    editor->SetMenuItemProperty(selectItem, "ENABLED", false);
    editor->SetMenuItemProperty("mnuCaculate", "ENABLED", false);
    return;
  }
  editor->SetMenuItemProperty("mnuEditCheck", "ENABLED", true);
  editor->SetMenuItemProperty("mnuEditUnCheck", "ENABLED", true);
  editor->SetMenuItemProperty("mnuCopyRow", "VISIBLE", false);
  if (status == kAuditedStatus) {
    LockIdFields(editor, true);
    editor->SetMenuItemProperty("mnuEditCheck", "ENABLED", false);
    editor->SetMenuItemProperty("mnuEditDelete", "ENABLED", false);
    SetEditMenus(editor, "DisableEdit");
    editor->SetMenuItemProperty("mnuViewVch", "ENABLED", true);
    editor->SetMenuItemProperty("mnuViewVch", "VISIBLE", true);
    editor->SetMenuItemProperty(selectItem, "ENABLED", false);
    editor->SetMenuItemProperty("mnuCaculate", "ENABLED", false);
  } else {
    editor->SetMenuItemProperty("mnuEditUnCheck", "ENABLED", false);
    editor->SetMenuItemProperty("mnuEditChange", "VISIBLE", false);
    editor->SetMenuItemProperty("mnuViewVch", "ENABLED", false);
    editor->SetMenuItemProperty("mnuViewVch", "VISIBLE", true);
    SetEditMenus(editor, "EnableEdit");
    bool prepayment =
        static_cast<int32_t>(HeaderNumber(std::string(m_Side.typeKey))) == m_Side.prepaymentType;
    editor->SetMenuItemProperty(selectItem, "ENABLED", !prepayment);
    editor->SetMenuItemProperty("mnuCaculate", "ENABLED", true);
  }
  // The row items follow the cell the editor last left active.
  EnableRowMenusOnActiveRow(editor);
}

// A bill generated by push-down keeps its counterparty and type as they
// came; the check items are not offered for it.
void SettlementBill::MarkPushedFields(int32_t billId) {
  auto& editor = m_BillInterface.Get();
  if (PushedOrigin(billId) == 0) {
    SetHeaderFieldFlag(std::string(m_Side.typeKey), true);
    return;
  }
  SetHeaderFieldFlag(std::string(m_Side.counterpartyKey), true);
  SetHeaderFieldFlag(std::string(m_Side.typeKey), true);
  for (const char* item : {"mnuEditCheck", "mnuEditUnCheck"}) {
    editor->SetMenuItemProperty(item, "ENABLED", false);
    editor->SetMenuItemProperty(item, "VISIBLE", false);
  }
}

int32_t SettlementBill::PushedOrigin(int32_t billId) {
  auto push = qor::CreateComponent<qor::PushComponent>("QORMARAPPush.clsPush");
  return push->GetBillTypeID(GetPropsString(), billId, std::string(m_Side.pushTable));
}

// The field flag of a header field: true keeps the user from typing into it.
void SettlementBill::SetHeaderFieldFlag(const std::string& key, bool value) {
  qor::HostVectorPtr pages = m_BillInterface->GetBillPages();
  if (!pages) qor::RaiseError(kObjectNotSet, "QORARAPBillInterface");
  qor::HostDictionary& header = RequiredDictionary(pages->Item(1));
  RequiredDictionary(header.Item(key)).SetItem("FReadOnly", value);
}

// A payment pushed down from an expense document keeps the amounts, currency
// and date of that document. Fields this editor lacks are passed over.
void SettlementBill::LockPushedPaymentFields() {
  auto& editor = m_BillInterface.Get();
  qor::HostDictionaryPtr dictionary = editor->GetBillDictionary();
  int32_t origin = static_cast<int32_t>(qor::Val(dictionary->Item("FID")));
  int32_t source = static_cast<int32_t>(qor::Val(dictionary->Item("FSource")));
  bool fromOrigin = false;
  for (int32_t classId : m_Side.pushedOriginClasses)
    fromOrigin |= classId != 0 && origin == classId;
  if (!fromOrigin || source != m_Side.pushedOriginSource) return;
  qor::HostDictionary& map = RequiredDictionary(editor->GetFieldMapHolder()->Item("Map"));
  for (std::string_view key : m_Side.pushedLockedFields) {
    if (!key.empty() && map.Lookup(key)) LockBillField(editor, std::string(key), true);
  }
}

void SettlementBill::m_BillInterface_AfterNewBill() {
  auto& editor = m_BillInterface.Get();
  InitDiscountDecimals();
  if (editor->GetEditMode() == 1 && editor->GetBillObject()->MutexSuccess()) {
    for (const char* item : {"mnuEditCheck", "mnuEditUnCheck", "mnuEditChange", "mnuCopyRow"}) {
      editor->SetMenuItemProperty(item, "VISIBLE", false);
    }
    editor->SetMenuItemProperty(std::string(m_Side.selectBillItem), "ENABLED", true);
    editor->SetMenuItemProperty("mnuCaculate", "ENABLED", true);
  }
  int32_t local = CurrencyDecimals(kLocalCurrency);
  ApplyFieldDecimals("FAmountFor", local, false);
  ApplyFieldDecimals("FAmount", local, true);
  ApplyFieldDecimals(std::string(m_Side.paidKeyFor), local, true);
  ApplyFieldDecimals(std::string(m_Side.paidKey), local, true);
  ApplyFieldDecimals("FDiscountAmountFor", local, false);
  ApplyFieldDecimals("FDiscountAmount", local, false);
  ApplyFieldDecimals("FDiscount", m_iDiscountDecimals, false);
  LockBillField(editor, "FExchangeRate", true);
  LockBillField(editor, "FDiscountAcctId", true);
  SetBillFieldValue(editor, "FCurrencyId", kHeaderRow, qor::Variant(kLocalCurrency));
  editor->SetFieldText(editor->GetFieldInfo("FCurrencyId"),
                       GetGLData()->GetCurrency(kLocalCurrency)->Name(), kHeaderRow);
  SetRowMenusByType(true);
  SetSourceColumns();
  ClearModifyFlags(editor);
}

// With the automatic option the plug-in computes the gross amount itself,
// so the editor's formulas on the received amount and the discount stay idle.
void SettlementBill::m_BillInterface_BeforeDoAction(
    const qor::HostDictionaryPtr& /*dct*/, const qor::HostDictionaryPtr& dctFld,
    const qor::ObjectPtr& /*ItemObj*/, const std::string& /*ActionTypeName*/,
    const std::string& /*ActionName*/, const std::string& /*Paremeters*/, bool& bCancel) {
  if (!IsAutoOptionChecked()) return;
  std::string field = dctFld ? qor::StrOf(dctFld->Item("FFieldName")) : "";
  if (qor::EqualsNoCase(field, m_Side.paidKeyFor) || qor::EqualsNoCase(field, "FDiscount")) {
    bCancel = true;
  }
}

void SettlementBill::m_BillInterface_AfterDoAction(const qor::HostDictionaryPtr& /*dct*/,
                                                   const qor::HostDictionaryPtr& /*dctFld*/,
                                                   const qor::ObjectPtr& /*ItemObj*/,
                                                   const std::string& /*ActionTypeName*/,
                                                   const std::string& /*ActionName*/,
                                                   const std::string& Paremeters) {
  if (Paremeters != m_Side.discountFormula) return;
  qor::Variant discount = GetBillFieldValue(m_BillInterface.Get(), "FDiscount");
  SetBillFieldValue(m_BillInterface.Get(), "FDiscount", kHeaderRow,
                    RoundAmount(qor::Variant(qor::Val(discount)), m_iDiscountDecimals));
}

void SettlementBill::InitDiscountDecimals() { m_iDiscountDecimals = kDiscountDecimals; }

void SettlementBill::ApplyFieldDecimals(const std::string& key, int32_t decimals,
                                        bool alsoEditDecimals) {
  auto& editor = m_BillInterface.Get();
  qor::HostDictionary& map = RequiredDictionary(editor->GetFieldMapHolder()->Item("Map"));
  if (!map.Lookup(key)) return;
  qor::HostDictionaryPtr field = editor->GetFieldInfo(key);
  editor->SetFieldDecimalPlaces(field, kHeaderRow, decimals);
  if (alsoEditDecimals) editor->SetFieldEditDecimals(field, decimals);
}

void SettlementBill::LockHeaderFields(int32_t mode) {
  auto& editor = m_BillInterface.Get();
  auto bar = editor->GetToolBarControl();
  const std::string counterparty(m_Side.counterpartyKey);
  const std::string paidFor(m_Side.paidKeyFor);
  if (mode == 1) {
    for (const std::string& key :
         {counterparty, std::string(m_Side.typeKey), std::string("FAcctId"),
          std::string("FAmountFor"), std::string("FDate"), std::string("FCurrencyID"), paidFor,
          std::string("FExchangeRate"), std::string("FDiscount"), std::string("FDiscountAcctId"),
          std::string("FExplanation")}) {
      LockBillField(editor, key, true);
    }
    bar->SetToolProperty("mnuDataAutoSumAmt", "Enabled", false);
    bar->SetToolProperty("mnuDataAutoPartAmt", "Enabled", false);
    return;
  }
  for (const std::string& key :
       {counterparty, std::string("FAcctId"), std::string("FAmountFor"), std::string("FDate"),
        std::string("FCurrencyID"), std::string("FSettleId"), paidFor, std::string("FSettleIdNo"),
        std::string("FDiscount"), std::string("FDiscountAcctId"), std::string("FExplanation")}) {
    LockBillField(editor, key, false);
  }
  for (std::string_view key : m_Side.extraUnlockedFields) {
    if (!key.empty()) LockBillField(editor, std::string(key), false);
  }
  if (static_cast<int32_t>(HeaderNumber(std::string(m_Side.typeKey))) == m_Side.prepaymentType) {
    for (std::string_view key :
         {m_Side.sourceNumberKey, std::string_view("FBillSettleAmountFor"), m_Side.paidKeyFor,
          std::string_view("FDiscount"), std::string_view("FDiscountAcctId")}) {
      LockBillField(editor, std::string(key), true);
    }
    bar->SetToolProperty("mnuDataAutoSumAmt", "Enabled", false);
    bar->SetToolProperty("mnuDataAutoPartAmt", "Enabled", false);
  } else if (editor->GetEditMode() != 0) {
    bar->SetToolProperty("mnuDataAutoSumAmt", "Enabled", true);
    bar->SetToolProperty("mnuDataAutoPartAmt", "Enabled", true);
  }
  if (HeaderNumber("FDiscount") == 100) {
    LockBillField(editor, "FDiscountAcctId", true, true);
  } else {
    LockBillField(editor, "FDiscountAcctId", false);
  }
  SetExchangeRateLock(static_cast<int32_t>(HeaderNumber("FCurrencyId")) == kLocalCurrency);
}

void SettlementBill::SetSourceColumns() {
  bool shown =
      static_cast<int32_t>(HeaderNumber(std::string(m_Side.typeKey))) == m_Side.sourceColumnsType;
  SetEntryFieldsVisible(m_BillInterface.Get(), "FFKDBillNo,FEntryAmount_SRC", kEntryIndex, shown);
}

void SettlementBill::SetMenusByReceiveType(int32_t type) {
  bool enable = false;
  if (type == m_Side.prepaymentType) {
    enable = false;
  } else if (m_Side.selectionForEveryOtherType) {
    enable = true;
  } else if (type == m_Side.selectionTypes[0] || type == m_Side.selectionTypes[1]) {
    enable = true;
  } else {
    return;
  }
  auto bar = m_BillInterface->GetToolBarControl();
  for (const std::string& key :
       {std::string(m_Side.selectBillItem), std::string("mnuDataAutoPartAmt"),
        std::string("mnuDataAutoSumAmt"), std::string("mnuFileNeedFilter")}) {
    bar->SetToolProperty(key, "Enabled", enable);
  }
}

void SettlementBill::SetRowMenusByType(bool resetAmounts) {
  auto& editor = m_BillInterface.Get();
  const std::string typeKey(m_Side.typeKey);
  LockBillField(editor, typeKey, false);
  SetBillFieldValue(editor, typeKey, kHeaderRow, GetBillFieldValue(editor, typeKey), true);
  RunFieldAction(editor, typeKey, kHeaderRow, true);
  if (resetAmounts) ResetHeaderAmounts();
  editor->SetMenuItemProperty("mnuEditDelRow", "ENABLED", false);
  editor->SetMenuItemProperty("mnuEditAddRow", "ENABLED", false);
  SetMenusByReceiveType(static_cast<int32_t>(HeaderNumber(typeKey)));
  LockHeaderFields(0);
}

void SettlementBill::ResetHeaderAmounts() {
  for (std::string_view key :
       {std::string_view("FAmountFor"), std::string_view("FAmount"), m_Side.paidKeyFor,
        m_Side.paidKey, std::string_view("FDiscountAmountFor"),
        std::string_view("FDiscountAmount")}) {
    WriteTextAndValue(std::string(key), kHeaderRow, "0", qor::Variant(0.0));
  }
  WriteTextAndValue("FDiscount", kHeaderRow, "100", qor::Variant(100.0));
}

void SettlementBill::ShowCreditStatus() {
  auto& editor = m_BillInterface.Get();
  std::string number =
      qor::StrOf(editor->GetFieldValue(std::string(m_Side.counterpartyKey), kHeaderRow, 2));
  editor->SetStatusText(5, GetCreditStatusText(number, editor->GetBillType()));
}

std::string SettlementBill::GetCreditStatusText(const std::string& number, int32_t billType) {
  if (!IsCreditBillType(billType)) return "";
  auto credit = qor::CreateDirect<qor::CreditComponent>("QORBills.clsCredit");
  return credit->GetStatusMoneyAndCredit(number, billType);
}

// A tool in one band: its copy there and its entry in the tool set.
void SettlementBill::SetBandToolProperty(const std::string& band, const std::string& key,
                                         const std::string& property, const qor::Variant& value) {
  auto bar = m_BillInterface->GetToolBarControl();
  qor::SetToolProperty(*bar->Bands(band)->Tools().Item(key), property, value);
  qor::SetToolProperty(*bar->Tools().Item(key), property, value);
}

}  // namespace qorarap
