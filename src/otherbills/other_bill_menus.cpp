// Menu bar and toolbar of the other bills' editor.

#include "common/bill_fields.h"
#include "common/messages.h"
#include "core/vb.h"
#include "otherbills/other_bill.h"

namespace qorarap {

namespace {

// A tool the editor adds to its menus.
struct AddedTool {
  const char* key;
  int32_t id;
  const char* caption;
  const char* description;
  const char* toolTip;
  int32_t style;
  bool visible;
  bool beginGroup;
  const char* band;
  const char* before;  // key of the tool it goes in front of; nullptr: the end
};

constexpr AddedTool kAddedTools[] = {
    {"mnuViewVch", 1501, "调阅凭证", "调阅凭证", "凭证", 0, false, true, "mnuData",
     "mnuDataLookUp"},
    {"mnuEditUnCheck", 1502, "反审核", "对单据进行取消审核操作", "反审核", 1, true, false,
     "mnuEdit", nullptr},
    {"mnuHelpFile", 1503, "帮助目录", "帮助目录", "帮助目录", 27, true, true, "mnuOption", nullptr},
};

// Tools the editor does without: (band, tool).
constexpr std::pair<const char*, const char*> kHiddenTools[] = {
    {"mnuData", "mnuStockQuery"},        {"mnuFormat", "mnuFormatBack"},
    {"mnuOption", "mnuOptionLinkBill"},  {"mnuOption", "mnuFormatIndentity"},
    {"mnuOption", "mnuOptionBatchFull"},
};

qor::Tool& BandTool(const qor::ToolbarControlPtr& bar, const char* band, const char* tool) {
  return *bar->Bands(band)->Tools().Item(tool);
}

// Position of the key in the band; the end (-1) when the band lacks it.
int32_t PlaceOf(const qor::Band& band, const char* key) {
  if (key == nullptr) return -1;
  return band.Tools().IndexOf(key);
}

void InsertInto(const qor::ToolbarControlPtr& bar, const char* band, const qor::ToolPtr& tool,
                const char* before) {
  qor::BandPtr target = bar->Bands(band);
  target->Tools().Insert(PlaceOf(*target, before), tool);
}

}  // namespace

void OtherBill::m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) {
  if (m_Side.menuBarHidesRowTools) {
    for (const char* key : {"mnuCopyRow", "mnuBatchFillField"}) {
      qor::Tool& tool = BandTool(oMenuBar, "mnuEdit", key);
      tool.m_Visible = false;
      tool.m_Enabled = false;
    }
  }
  HideEditorTools(m_BillInterface->GetToolBarControl());
  AddEditorTools(oMenuBar);
  BandTool(m_BillInterface->GetToolBarControl(), "mnuOption", "mnuHelpFile").m_Visible = false;
  oMenuBar->RecalcLayout();
}

void OtherBill::HideEditorTools(const qor::ToolbarControlPtr& toolBar) {
  BandTool(toolBar, "mnuData", "mnuDataAccessory").m_Visible = true;
  for (const auto& [band, key] : kHiddenTools) BandTool(toolBar, band, key).m_Visible = false;
  if (!m_Side.menuBarHidesRowTools) BandTool(toolBar, "mnuEdit", "mnuCopyRow").m_Visible = false;
}

void OtherBill::AddEditorTools(const qor::ToolbarControlPtr& oMenuBar) {
  for (const AddedTool& added : kAddedTools) {
    qor::ToolPtr tool = oMenuBar->Tools().Add(added.id, added.key);
    tool->m_Caption = added.caption;
    tool->m_Description = added.description;
    tool->m_ToolTipText = added.toolTip;
    tool->m_Style = added.style;
    tool->m_Visible = added.visible;
    tool->m_Enabled = true;
    tool->m_BeginGroup = added.beginGroup;
    InsertInto(oMenuBar, added.band, tool, added.before);
    if (std::string_view(added.key) == "mnuViewVch") {
      InsertInto(oMenuBar, "BandToolBar", oMenuBar->Tools().Item("mnuDataAccessory"),
                 "mnuDataLookUp");
    }
  }
}

void OtherBill::m_BillInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  int16_t p = FindToolIndex(oActiveBar, "BandToolBar", "mnuFileNew");
  qor::ToolPtr copy = oActiveBar->Tools().Item("mnuEditCopy");
  copy->m_Description = LoadText("复制");
  oActiveBar->Bands("BandToolBar")->Tools().Insert(p + 1, copy);
  int16_t q = FindToolIndex(oActiveBar, "BandToolBar", "mnuFilePreview");
  qor::ToolPtr addRow = oActiveBar->Tools().Item("mnuEditAddRow");
  qor::ToolPtr delRow = oActiveBar->Tools().Item("mnuEditDelRow");
  addRow->m_Description = LoadText("插行");
  delRow->m_Description = LoadText("删行");
  oActiveBar->Bands("BandToolBar")->Tools().Insert(q + 1, addRow);
  oActiveBar->Bands("BandToolBar")->Tools().Insert(q + 2, delRow);
  m_BillInterface->GetBillObject()->RefreshToolbar();
}

}  // namespace qorarap
