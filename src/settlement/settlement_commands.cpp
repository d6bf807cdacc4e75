// Menu and toolbar commands of the receipt and payment bill editor: the
// dispatch, source-type choices, red/blue switch, save and exit preparation,
// help, voucher and the automatic-amount option.

#include <string>

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/props.h"
#include "common/rights.h"
#include "common/vouchers.h"
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
constexpr int32_t kPushedUnsaved = 1;
constexpr int32_t kRemoveSettlementRows = 2;
constexpr char kSourceMenuBand[] = "mnuSelectBill";
constexpr char kSourceMenuOpen[] = "mnuSelectBill_1000000";
constexpr char kSourceMenuInvoice[] = "mnuSelectBill_1000002";
constexpr char kSourceMenuAll[] = "mnuSelectBill_1000005";

bool Is(const std::string& key, std::string_view name) { return qor::EqualsNoCase(key, name); }

bool IsBlankPartner(const qor::Variant& value) {
  return value.IsEmpty() || value.IsNull() || qor::Trim(qor::StrOf(value)).empty();
}

void SetTool(qor::BillEvent& editor, std::string_view key, std::string_view property,
             const qor::Variant& value) {
  editor.GetToolBarControl()->SetToolProperty(key, property, value);
}

// The source-type code travels as the clicked tool's numeric value; every
// copy of the tool carries it, so that each place shows the same value.
void StoreSourceCode(qor::BillEvent& editor, const qor::ToolPtr& tool, int32_t code) {
  tool->m_Value = qor::Variant(code);
  SetTool(editor, tool->m_Name, "Value", qor::Variant(code));
}

}  // namespace

void SettlementBill::m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) {
  try {
    const std::string& key = LOOMTool->m_Name;
    if (RunBillCommand(key, LOOMTool, Cancel)) return;
    RunEditorCommand(key, LOOMTool, Cancel);
  } catch (const qor::VbError&) {
    Cancel = true;
    throw;
  }
}

// The commands on the bill and its settlement; true when the key was one of them.
bool SettlementBill::RunBillCommand(const std::string& key, const qor::ToolPtr& tool,
                                    bool& Cancel) {
  if (Is(key, "mnuEditCheck")) {
    CheckBillCommand(Cancel);
  } else if (Is(key, "mnuEditUnCheck")) {
    UncheckBillCommand(Cancel);
  } else if (Is(key, "mnuEditDelete")) {
    DeleteBillCommand(Cancel);
  } else if (Is(key, "mnuDataLookUp")) {
    LookUpSourceBills(tool, Cancel);
  } else if (Is(key, m_Side.selectBillItem)) {
    ChooseSourceType(tool, Cancel);
  } else if (Is(key, "mnuDataAutoPartAmt")) {
    AutoSplitAmount();
  } else if (Is(key, "mnuDataAutoSumAmt")) {
    AutoSumAmount();
  } else {
    return false;
  }
  return true;
}

bool SettlementBill::RunEditorCommand(const std::string& key, const qor::ToolPtr& tool,
                                      bool& Cancel) {
  bool sourceMenu =
      Is(key, kSourceMenuInvoice) || Is(key, kSourceMenuOpen) || Is(key, kSourceMenuAll);
  if (sourceMenu && m_Side.handlesSourceMenus) {
    ChooseSourceMenu(tool, Cancel);
  } else if ((Is(key, "mnuEditBlueBill") || Is(key, "mnuEditRedBill")) && m_Side.handlesRedBlue) {
    SwitchRedBlue(tool);
  } else if (Is(key, "mnuFileExit")) {
    RefreshRateBeforeExit();
  } else if (Is(key, "mnuHelpFile")) {
    ShowBillHelp();
  } else if (Is(key, "mnuFileSave")) {
    PrepareSave();
  } else if (Is(key, "mnuStockQuery")) {
    Cancel = true;
  } else if (Is(key, "mnuViewVch")) {
    ViewBillVoucher();
  } else if (Is(key, m_Side.autoOptionItem)) {
    ToggleAutoAmountOption();
  } else {
    // The payment takes the row items with no action of its own; every
    // other key is the editor's.
    return m_Side.handlesRowItems && (Is(key, "mnuEditAddRow") || Is(key, "mnuEditDelRow"));
  }
  return true;
}

// Opens the selection of source bills from the source-number cell.
void SettlementBill::LookUpSourceBills(const qor::ToolPtr& tool, bool& Cancel) {
  const auto& editor = m_BillInterface.Get();
  qor::HostDictionaryPtr field;
  int32_t col = 0;
  int32_t row = 0;
  editor->GetActiveField(field, col, row);
  if (!field) return;
  if (!qor::EqualsNoCase(qor::StrOf(field->GetValue("FKey")), m_Side.lookupField)) return;
  auto created = std::make_shared<qor::Tool>(std::string(m_Side.selectBillItem));
  int32_t type = static_cast<int32_t>(settle::Number(editor, m_Side.typeKey));
  int32_t code = 0;
  if (type == m_Side.settleType) {
    code = m_Side.documentSelectionCode;
  } else if (type == m_Side.prepaymentType) {
    code = m_Side.refundSelectionCode;
  } else {
    return;
  }
  StoreSourceCode(*editor, tool, code);
  created->m_DefaultValue = qor::Variant(std::to_string(code));
  if (IsBlankPartner(GetBillFieldValue(editor, std::string(m_Side.counterpartyKey)))) {
    ShowMessage(std::string(m_Side.msgChoosePartner), kMsgExclamation);
    Cancel = true;
    return;
  }
  editor->GetBillObject()->DoSelBillExt(created);
}

// The source-type item selects open documents or refund documents by the bill's type.
void SettlementBill::ChooseSourceType(const qor::ToolPtr& tool, bool& Cancel) {
  const auto& editor = m_BillInterface.Get();
  if (IsBlankPartner(GetBillFieldValue(editor, std::string(m_Side.counterpartyKey)))) {
    ShowMessage(std::string(m_Side.msgChoosePartner), kMsgExclamation);
    Cancel = true;
    return;
  }
  bool settles = settle::Number(editor, m_Side.typeKey) == m_Side.settleType;
  StoreSourceCode(*editor, tool,
                  settles ? m_Side.documentSelectionCode : m_Side.refundSelectionCode);
}

// The receipt's source-bill menus: one radio group.
void SettlementBill::ChooseSourceMenu(const qor::ToolPtr& tool, bool& Cancel) {
  const auto& editor = m_BillInterface.Get();
  qor::ToolPtr band = editor->GetToolBarControl()->Tools().Find(kSourceMenuBand);
  if (!band || !band->m_Enabled) {
    Cancel = true;
    return;
  }
  const std::string& key = tool->m_Name;
  bool all = Is(key, kSourceMenuAll);
  if (!all && settle::Number(editor, m_Side.typeKey) == m_Side.prepaymentType) {
    Cancel = true;
    return;
  }
  for (const char* item : {kSourceMenuOpen, kSourceMenuInvoice, kSourceMenuAll}) {
    SetTool(*editor, item, "Checked", Is(key, item));
  }
  tool->m_Checked = true;
  if (all) StoreSourceCode(*editor, tool, m_Side.documentSelectionCode);
}

void SettlementBill::SwitchRedBlue(const qor::ToolPtr& tool) {
  if (tool->m_Checked) return;
  const auto& editor = m_BillInterface.Get();
  bool red = Is(tool->m_Name, "mnuEditRedBill");
  SetTool(*editor, "mnuEditRedBill", "Checked", red);
  SetTool(*editor, "mnuEditBlueBill", "Checked", !red);
  tool->m_Checked = true;
  editor->InvokeEditorAction(kRemoveSettlementRows);
  SetExchangeRateLock(settle::Number(editor, "FCurrencyId") == kLocalCurrency);
  ResetForRedBlue();
}

// After the rows went: amounts back to zero and the source menus to their start.
void SettlementBill::ResetForRedBlue() {
  const auto& editor = m_BillInterface.Get();
  SetExchangeRateLock(settle::Number(editor, "FCurrencyId") == kLocalCurrency);
  ResetHeaderAmounts();
  editor->SetMenuItemProperty("mnuEditDelRow", "Enabled", true);
  editor->SetMenuItemProperty("mnuEditAddRow", "Enabled", true);
  SetMenusByReceiveType(static_cast<int32_t>(settle::Number(editor, m_Side.typeKey)));
  LockHeaderFields(0);
  SetTool(*editor, kSourceMenuAll, "Enabled", false);
  SetTool(*editor, kSourceMenuAll, "Checked", false);
  SetTool(*editor, kSourceMenuOpen, "Checked", true);
  SetTool(*editor, kSourceMenuInvoice, "Checked", false);
}

bool SettlementBill::IsPushedUnsaved(int32_t billId) {
  auto push = qor::CreateComponent<qor::PushComponent>("QORMARAPPush.clsPush");
  return push->GetBillTypeID(GetPropsString(), billId, std::string(m_Side.billTable)) ==
         kPushedUnsaved;
}

// An audited bill saves only its settlement method and number, straight to
// the database.
void SettlementBill::PrepareSave() {
  const auto& editor = m_BillInterface.Get();
  int32_t billId = static_cast<int32_t>(settle::Number(editor, "FBillId"));
  if (billId == 0) return;
  if (settle::Number(editor, "FStatus") == kAuditedStatus) {
    UpdateSettleFields();
    editor->GetBillObject()->SetNotSave(true);
    return;
  }
  if (IsPushedUnsaved(billId)) {
    editor->SetFieldValue("FExchangeRate", editor->GetFieldValue("FExchangeRate", kHeaderRow),
                          kHeaderRow);
  }
  ShowCreditStatus();
}

void SettlementBill::RefreshRateBeforeExit() {
  const auto& editor = m_BillInterface.Get();
  int32_t billId = static_cast<int32_t>(settle::Number(editor, "FBillId"));
  if (billId == 0 || !IsPushedUnsaved(billId)) return;
  editor->SetFieldValue("FExchangeRate", editor->GetFieldValue("FExchangeRate", kHeaderRow),
                        kHeaderRow);
}

void SettlementBill::ShowBillHelp() {
  auto help = qor::CreateDirect<qor::HelpComponent>("QORCHMResTool.ClsCHMHelp");
  help->ShowHelp("QORV11.chm", std::string(m_Side.helpTopic), 0);
  if (!m_Side.setsHelpBandCaption) return;
  qor::BandPtr band = m_BillInterface->GetToolBarControl()->FindBand("mnuCust");
  if (band) band->m_Caption = "帮助";
}

// Flips the automatic-amount option and keeps it in the user's profile.
void SettlementBill::ToggleAutoAmountOption() {
  const auto& editor = m_BillInterface.Get();
  qor::ToolPtr item =
      editor->GetToolBarControl()->Bands("mnuOption")->Tools().Item(m_Side.autoOptionItem);
  bool ticked = !item->m_Checked;
  SetTool(*editor, m_Side.autoOptionItem, "Checked", ticked);
  auto profile =
      qor::CreateComponent<qor::UserProfileComponent>("QORMProfile.ClassUserProfileUpdate");
  profile->SaveUserProfile(GetPropsString(), std::to_string(editor->GetBillType()) + "BillSet",
                           std::string(m_Side.autoOptionProfileKey), qor::Variant(ticked ? 1 : 0));
}

void SettlementBill::ViewBillVoucher() {
  const auto& editor = m_BillInterface.Get();
  std::string sql = "select FVoucherID from " + std::string(m_Side.billTable) + " " +
                    "where FBillID=" + std::to_string(editor->GetBillInterID());
  ParsePropsString(GetPropsString());
  auto connection = qor::CreateDirect<qor::AppConnection>("QORConnection.AppConnection");
  qor::RecordsetPtr rs = connection->Execute(GetConnectString(), sql);
  int32_t voucherId = 0;
  if (rs && !rs->IsEOF())
    voucherId = static_cast<int32_t>(settle::RecordNumber(rs->Field("FVoucherID")));
  if (voucherId == 0) {
    ShowInfo("单据未记账。");
    return;
  }
  if (!CheckVoucherAccountRight(voucherId)) return;
  ShowVoucherInViewer(voucherId);
}

}  // namespace qorarap
