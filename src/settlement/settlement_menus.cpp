// Receipt and payment bills: the editor's menu bar and toolbar.

#include "common/bill_fields.h"
#include "common/periods.h"
#include "common/toolbar_templates.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

namespace {

constexpr int32_t kFirstToolId = 12001;
constexpr char kOptionCaption[] = "通过折后金额计算表头收款金额";

// Where a tool goes in a band: right after the tool named, at the end when
// that tool is not there; "" is the start of the band.
void InsertAfter(qor::ToolbarControl& bar, const std::string& band, const qor::ToolPtr& tool,
                 const std::string& after) {
  qor::ToolCollection& tools = bar.Bands(band)->Tools();
  if (after.empty()) {
    tools.Insert(0, tool);
    return;
  }
  int32_t index = tools.IndexOf(after);
  tools.Insert(index < 0 ? -1 : index + 1, tool);
}

// A tool placed in a band: its copy there and its entry in the tool set.
void SetInBand(qor::ToolbarControl& bar, const std::string& band, const std::string& key,
               bool visible, bool enabled) {
  for (const qor::ToolPtr& tool : {bar.Bands(band)->Tools().Item(key), bar.Tools().Item(key)}) {
    tool->m_Visible = visible;
    tool->m_Enabled = enabled;
  }
}

void ShowInBand(qor::ToolbarControl& bar, const std::string& band, const std::string& key,
                bool visible) {
  bar.Bands(band)->Tools().Item(key)->m_Visible = visible;
  bar.Tools().Item(key)->m_Visible = visible;
}

}  // namespace

void SettlementBill::m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) {
  qor::ToolbarControl& bar = *oMenuBar;
  SetInBand(bar, "mnuFile", "mnuEditCopy", false, false);
  if (m_Side.hidesRowCopyItems) {
    SetInBand(bar, "mnuEdit", "mnuEditAddRow", true, true);
    bar.Tools().Item("mnuEditAddRow")->m_Enabled = true;
    SetInBand(bar, "mnuEdit", "mnuCopyRow", false, false);
    SetInBand(bar, "mnuEdit", "mnuBatchFillField", false, false);
  }
  CreateBillTools(bar);
  TickAutoOption(bar);
  ArrangeEditorBands();
  m_sRptTransDate = qor::FormatDate(GetTransferDate());
  m_bMenuInitialized = true;
}

// The bill's own commands, in their order, and the adapted source-selection
// tool of the editor's templates.
void SettlementBill::CreateBillTools(qor::ToolbarControl& bar) {
  qor::ToolPtr uncheck =
      CreateTool(bar, "mnuEditUnCheck", "反审核", "对单据进行取消审核操作", "反审核", "");
  bar.Bands("mnuEdit")->Tools().Insert(-1, uncheck);
  auto createViewVoucher = [&] {
    qor::ToolPtr viewVch = CreateTool(bar, "mnuViewVch", "调阅凭证", "调阅凭证", "凭证", "");
    viewVch->m_Visible = false;
    InsertAfter(bar, "mnuData", viewVch, "mnuDataLookUp");
  };
  if (m_Side.viewVoucherBeforeAutoSum) createViewVoucher();
  qor::ToolPtr autoSum = CreateTool(bar, "mnuDataAutoSumAmt", "自动合计",
                                    std::string(m_Side.autoSumDescription), "合计", "Sum");
  InsertAfter(bar, "mnuData", autoSum, "mnuCalculate");
  InsertAfter(bar, "BandToolBar", autoSum, "mnuDataLookUp");
  if (!m_Side.viewVoucherBeforeAutoSum) createViewVoucher();
  qor::ToolPtr autoPart = CreateTool(bar, "mnuDataAutoPartAmt", "自动分摊金额",
                                     std::string(m_Side.autoPartDescription), "分摊", "Split");
  InsertAfter(bar, "mnuData", autoPart, "mnuDataAutoSumAmt");
  InsertAfter(bar, "BandToolBar", autoPart, "mnuDataAutoSumAmt");
  qor::ToolPtr help = CreateTool(bar, "mnuHelpFile", "帮助目录", "帮助目录", "帮助目录", "");
  bar.Bands("mnuOption")->Tools().Insert(-1, help);
  qor::ToolPtr option = CreateTool(bar, std::string(m_Side.autoOptionItem), kOptionCaption,
                                   kOptionCaption, kOptionCaption, "");
  bar.Bands("mnuOption")->Tools().Insert(0, option);

  // The template tool is adapted wherever the editor shows it.
  const std::string selectKey(m_Side.selectBillItem);
  for (const char* property : {"Caption", "Description", "ToolTipText"}) {
    bar.SetToolProperty(selectKey, property, "选源单");
  }
  bar.SetToolProperty(selectKey, "Visible", true);
  bar.SetToolProperty(selectKey, "Enabled", true);
  qor::ToolPtr select = bar.Tools().Item(selectKey);
  InsertAfter(bar, "mnuData", select, "mnuDataAutoPartAmt");
  InsertAfter(bar, "BandToolBar", select, "mnuDataLookUp");
}

qor::ToolPtr SettlementBill::CreateTool(qor::ToolbarControl& bar, const std::string& key,
                                        const std::string& caption, const std::string& description,
                                        const std::string& toolTip, const std::string& picture) {
  qor::ToolPtr tool = bar.Tools().Add(kFirstToolId + bar.Tools().Count(), key);
  tool->m_Caption = caption;
  tool->m_Description = description;
  tool->m_ToolTipText = toolTip;
  if (!picture.empty()) {
    tool->m_Picture = GetToolbarTemplates().ImageList().Picture(picture);
    tool->m_MaskColor = kButtonFaceColor;
  }
  tool->m_Visible = true;
  tool->m_Enabled = true;
  return tool;
}

// The user's own choice of the automatic gross amount, kept per bill type.
void SettlementBill::TickAutoOption(qor::ToolbarControl& bar) {
  auto profile =
      qor::CreateComponent<qor::UserProfileComponent>("QORMProfile.ClassUserProfileInfo");
  std::string section = std::to_string(m_BillInterface->GetBillType()) + "BillSet";
  std::string stored =
      profile->GetUserProfile(GetPropsString(), section, std::string(m_Side.autoOptionProfileKey));
  if (qor::Val(stored) <= 0) return;
  bar.SetToolProperty(m_Side.autoOptionItem, "Checked", true);
}

// The editor's own items the settlement bills do not offer, and the ones
// they do.
void SettlementBill::ArrangeEditorBands() {
  auto bar = m_BillInterface->GetToolBarControl();
  bar->Bands("mnuSelectBill")->m_Visible = false;
  ShowInBand(*bar, "mnuData", "mnuDataAccessory", true);
  ShowInBand(*bar, "mnuData", "mnuStockQuery", false);
  ShowInBand(*bar, "mnuFormat", "mnuFormatBack", false);
  for (const char* key :
       {"mnuOptionLinkBill", "mnuFormatIndentity", "mnuOptionBatchFull", "mnuHelpFile"}) {
    ShowInBand(*bar, "mnuOption", key, false);
  }
  if (!m_Side.showsRowItemsAtEnd) return;
  bar->SetToolProperty("mnuEditAddRow", "Visible", true);
  bar->SetToolProperty("mnuEditDelRow", "Visible", true);
}

void SettlementBill::m_BillInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  int16_t preview = FindToolIndex(oActiveBar, "BandToolBar", "mnuFilePreview");
  qor::ToolPtr addRow = oActiveBar->Tools().Item("mnuEditAddRow");
  qor::ToolPtr delRow = oActiveBar->Tools().Item("mnuEditDelRow");
  addRow->m_Description = "插行";
  delRow->m_Description = "删行";
  qor::ToolCollection& toolBar = oActiveBar->Bands("BandToolBar")->Tools();
  toolBar.Insert(preview + 1, addRow);
  toolBar.Insert(preview + 2, delRow);
  m_BillInterface->GetBillObject()->RefreshToolbar();
}

}  // namespace qorarap
