// The list of receipt and payment bills: its menus and toolbar, and the
// commands that run on the bills selected in it.

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/periods.h"
#include "common/rights.h"
#include "common/toolbar_templates.h"
#include "core/vb.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

namespace {

constexpr int32_t kPickingMode = 3;
constexpr int32_t kAskYesNo = 36;

// What a list used to pick a bill for another window does not offer.
constexpr const char* kPickingHidden[] = {"mnuFileNew",  "mnuEditModify", "mnuEditDelete",
                                          "mnuEditCopy", "mnuDataFilter", "mnuCaculate"};

// Hidden in their own band: (band, tool).
constexpr std::pair<const char*, const char*> kBandHidden[] = {
    {"mnuData", "mnuDataViewPrvBill"}, {"mnuData", "mnuDataViewNextBill"},
    {"mnuEdit", "mnuEditCopyEntry"},   {"mnuView", "mnuViewToolBar"},
    {"mnuView", "mnuViewToolCaption"}, {"menu", "mnuPushBill"}};

// Disabled and hidden wherever they stand.
constexpr const char* kFormatAndSeriesTools[] = {
    "mnuFormatRowHeight", "mnuFormatFont",         "mnuFormatOpt",
    "mnuPreHeadFoot",     "mnuFileSeriesPrintAll", "mnuFileSeriesPrintViewAll"};

void HideInBand(qor::ToolbarControl& bar, const char* band, const char* key) {
  qor::SetToolProperty(*bar.Bands(band)->Tools().Item(key), "VISIBLE", false);
}

// Puts a copy of the tool into the toolbar band at a 0-based position and
// gives back the band's copy.
qor::ToolPtr InsertIntoToolbar(qor::ToolbarControl& bar, const qor::ToolPtr& tool,
                               int32_t position) {
  return bar.Bands("BandToolBar")->Tools().Insert(position, tool);
}

// A template tool with its caption, description and (when given) the
// picture of its key in the template image list.
qor::ToolPtr TemplateTool(const char* key, const char* caption, const char* description,
                          bool templatePicture) {
  frmBar& templates = GetToolbarTemplates();
  qor::ToolPtr tool = templates.abInstall().Tools().Item(key)->Clone();
  tool->m_Caption = caption;
  tool->m_Description = description;
  if (templatePicture) tool->m_Picture = templates.ImageList().Picture(key);
  return tool;
}

// Whether the host refreshes the list by itself after a change ("1" or
// "True"); otherwise the list refreshes itself after a command.
bool HostRefreshesAfterAdd() {
  std::string flag = GetSystemValue("IC", "RefreshAfterAdd", "0");
  std::string_view text = flag;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return qor::EqualsNoCase(text, "True") || qor::Val(flag) != 0;
}

}  // namespace

void SettlementBill::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  qor::ToolbarControl& bar = *oActiveBar;
  if (m_LstInterface->ShowMode() == kPickingMode) {
    for (const char* key : kPickingHidden) bar.SetToolProperty(key, "VISIBLE", false);
    bar.RecalcLayout();
    return;
  }
  AddListCommandTools(oActiveBar);
  for (const auto& [band, key] : kBandHidden) HideInBand(bar, band, key);
  if (m_Side.listShowsExportData) {
    qor::SetToolProperty(*bar.Bands("mnuFile")->Tools().Item("mnuExportData"), "VISIBLE", true);
  }
  for (const char* key : kFormatAndSeriesTools) {
    bar.SetToolProperty(key, "ENABLED", false);
    bar.SetToolProperty(key, "VISIBLE", false);
  }
  bar.RecalcLayout();
}

// The toolbar gets, before Refresh: Check, UnCheck, Voucher and the cloud
// attachments, which starts a group. A running multi-level check takes the
// place of Check and UnCheck and of the item after them.
void SettlementBill::AddListCommandTools(const qor::ToolbarControlPtr& oActiveBar) {
  qor::ToolbarControl& bar = *oActiveBar;
  qor::ToolPtr accessory = bar.Tools().Item("mnuDataAccessory");
  accessory->m_BeginGroup = true;
  accessory->m_Description = "云盘附件";
  InsertIntoToolbar(bar, accessory, FindToolIndex(oActiveBar, "BandToolBar", "mnuFileRefresh"));

  int32_t at = FindToolIndex(oActiveBar, "BandToolBar", "mnuDataAccessory");
  qor::ToolPtr check = InsertIntoToolbar(bar, TemplateTool("Check", "审核", "审核", true), at);
  qor::ToolPtr uncheck =
      InsertIntoToolbar(bar, TemplateTool("UnCheck", "反审核", "反审", false), at + 1);

  std::shared_ptr<qor::MultiLevelCheck> multiCheck = m_LstInterface->GetMultiCheck();
  if (multiCheck && multiCheck->IsRun() && multiCheck->ExistMultiCheck()) {
    qor::SetToolProperty(*check, "VISIBLE", false);
    qor::SetToolProperty(*uncheck, "VISIBLE", false);
    const qor::ToolCollection& tools = bar.Bands("BandToolBar")->Tools();
    if (at + 2 < tools.Count()) qor::SetToolProperty(*tools.ItemAt(at + 2), "ENABLED", false);
  }
  InsertIntoToolbar(bar, TemplateTool("Voucher", "凭证", "凭证", true), at + 2);
}

void SettlementBill::m_LstInterface_AfterGetData() {}

void SettlementBill::m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) {
  oMenuBar->SetToolProperty("mnuEditCopy", "VISIBLE", false);
}

void SettlementBill::m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) {
  bool refresh = !HostRefreshesAfterAdd();
  const std::string& key = LOOMTool->m_Name;
  if (key == "mnuEditDelete") {
    ListDelete(m_LstInterface->GetSelectedRows(), refresh, Cancel);
  } else if (key == "mnuEditModify") {
    return;
  } else if (key == "Check") {
    ListCheck(m_LstInterface->GetSelectedRows(), refresh, Cancel);
  } else if (key == "UnCheck") {
    ListUncheck(m_LstInterface->GetSelectedRows(), refresh, Cancel);
  } else if (key == "viewBill" && m_Side.listHandlesViewBill) {
    ShowLinkedBill();
  } else if (key == "Voucher") {
    ListVoucher(m_LstInterface->GetSelectedRows(), Cancel);
  }
}

void SettlementBill::RefreshListAfterCommand(bool refresh) {
  if (!refresh) return;
  m_LstInterface->RefreshList();
  m_LstInterface->letmessage();
}

void SettlementBill::ListDelete(const qor::HostVectorPtr& selection, bool refresh, bool& Cancel) {
  Cancel = true;
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightDelete)) return;
  if (!ValidateListOperation(selection, kFuncKindDelete)) return;
  if (ShowMessage(LoadText("是否删除数据 ?"), kAskYesNo) != kAnswerYes) return;
  RunListOperation(selection, kFuncKindDelete);
  RefreshListAfterCommand(refresh);
}

void SettlementBill::ListCheck(const qor::HostVectorPtr& selection, bool refresh, bool& Cancel) {
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightCheck)) {
    Cancel = true;
    return;
  }
  if (!ValidateListOperation(selection, kFuncKindCheck)) {
    Cancel = true;
    return;
  }
  RunListOperation(selection, kFuncKindCheck);
  RefreshListAfterCommand(refresh);
}

// A bill of an earlier period cannot be unchecked: one such bill in the
// selection refuses the whole command.
void SettlementBill::ListUncheck(const qor::HostVectorPtr& selection, bool refresh, bool& Cancel) {
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightUncheck)) {
    Cancel = true;
    return;
  }
  std::string periodStart = qor::FormatDate(GetPeriodStartDate());
  for (int32_t i = 1; i <= selection->Count(); ++i) {
    auto row = std::dynamic_pointer_cast<qor::HostDictionary>(selection->Item(i).ObjectValue());
    if (!row || !row->Lookup("FBillID")) continue;
    qor::RecordsetPtr bill = GetStoredBill(qor::CLng(row->Item("FBillID")));
    if (bill->IsEOF() || bill->IsBOF() || bill->Field("FDate").IsNull()) continue;
    if (qor::FormatDate(qor::CDate(bill->Field("FDate"))) >= periodStart) continue;
    ShowMessage(FormatText("不能反审核以前期间的单据，反审核失败。"), kMsgExclamation);
    Cancel = true;
    return;
  }
  if (!ValidateListOperation(selection, kFuncKindUncheck)) {
    Cancel = true;
    return;
  }
  RunListOperation(selection, kFuncKindUncheck);
  RefreshListAfterCommand(refresh);
}

}  // namespace qorarap
