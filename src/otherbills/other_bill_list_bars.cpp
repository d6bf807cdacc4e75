// Menu bar and toolbar of the list of other bills.

#include <functional>

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/toolbar_templates.h"
#include "core/vb.h"
#include "otherbills/other_bill.h"

namespace qorarap {

namespace {

// The list of a picking window shows only what picking needs.
constexpr int32_t kPickingMode = 3;

// Each step of the toolbar arrangement runs on its own: a tool the list
// lacks leaves the rest of the arrangement as it is.
void Step(const std::function<void()>& step) {
  try {
    step();
  } catch (const qor::VbError&) {
  }
}

void SetListTool(const qor::ToolbarControlPtr& bar, const char* key, const char* property,
                 bool value) {
  Step([&] { qor::SetToolProperty(*bar->Tools().Item(key), property, value); });
}

void SetBandTool(const qor::ToolbarControlPtr& bar, const char* band, const char* key,
                 const char* property, bool value) {
  Step([&] { qor::SetToolProperty(*bar->Bands(band)->Tools().Item(key), property, value); });
}

void InsertAtEnd(const qor::ToolbarControlPtr& bar, const char* band, const char* key) {
  Step([&] { bar->Bands(band)->Tools().Insert(-1, bar->Tools().Item(key)); });
}

// Copies a template tool ("Check", "UnCheck", "Voucher") into the list's tool set.
void AddTemplateTool(const qor::ToolbarControlPtr& bar, const char* key, const char* caption,
                     const char* description) {
  Step([&] {
    qor::ToolPtr tool =
        bar->Tools().Insert(-1, GetToolbarTemplates().abInstall().Tools().Item(key));
    tool->m_Caption = LoadText(caption);
    tool->m_Description = LoadText(description);
  });
}

}  // namespace

void OtherBill::m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) {
  qor::Tool& tool = *oMenuBar->Bands("mnuView")->Tools().Item("mnuDataViewNextBill");
  tool.m_Enabled = true;
  tool.m_Visible = true;
}

void OtherBill::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  int32_t showMode = 0;
  Step([&] { showMode = m_LstInterface->ShowMode(); });
  if (showMode == kPickingMode) {
    ArrangePickingToolbar(oActiveBar);
    return;
  }
  ArrangeListToolbar(oActiveBar);
  Step([&] {
    int16_t p = FindToolIndex(oActiveBar, "BandToolBar", "mnuEditDelete");
    qor::ToolPtr copy = oActiveBar->Tools().Item("mnuEditCopy");
    copy->m_Description = LoadText("复制");
    oActiveBar->Bands("BandToolBar")->Tools().Insert(p + 1, copy);
  });
}

void OtherBill::ArrangePickingToolbar(const qor::ToolbarControlPtr& oActiveBar) {
  for (const char* key : {"mnuFileNew", "mnuEditModify", "mnuEditDelete", "mnuDataFilter",
                          "mnuCaculate", "Check", "UnCheck", "mnuEdit"}) {
    SetListTool(oActiveBar, key, "VISIBLE", false);
  }
  for (const char* key : {"mnuEditCopy", "mnuDataAccessory"}) {
    SetListTool(oActiveBar, key, "VISIBLE", true);
  }
}

void OtherBill::ArrangeListToolbar(const qor::ToolbarControlPtr& oActiveBar) {
  Step([&] {
    qor::ToolPtr accessory = oActiveBar->Tools().Item("mnuDataAccessory");
    accessory->m_BeginGroup = true;
    accessory->m_Description = LoadText("云盘附件");
  });
  InsertAtEnd(oActiveBar, "BandToolBar", "mnuDataAccessory");
  PlaceListCheckTools(oActiveBar);
  for (const char* key : {"mnuFormatRowHeight", "mnuFormatFont", "mnuFormatOpt", "mnuPreHeadFoot",
                          "mnuFileSeriesPrintAll", "mnuFileSeriesPrintViewAll"}) {
    SetListTool(oActiveBar, key, "ENABLED", false);
    SetListTool(oActiveBar, key, "VISIBLE", false);
  }
  SetListTool(oActiveBar, "mnuDataAccessory", "ENABLED", true);
  SetListTool(oActiveBar, "mnuDataAccessory", "VISIBLE", true);
  SetBandTool(oActiveBar, "mnuFile", "mnuExportData", "VISIBLE", true);
  AddTemplateTool(oActiveBar, "Voucher", "凭证", "凭证");
  InsertAtEnd(oActiveBar, "BandToolBar", "Voucher");
  Step([&] { oActiveBar->RecalcLayout(); });
}

// The audit and unaudit commands of the list, on its toolbar, its edit menu
// and its pop-up menu.
void OtherBill::PlaceListCheckTools(const qor::ToolbarControlPtr& oActiveBar) {
  AddTemplateTool(oActiveBar, "Check", "审核", "审核");
  InsertAtEnd(oActiveBar, "BandToolBar", "Check");
  AddTemplateTool(oActiveBar, "UnCheck", "反审核", "反审");
  for (const char* key : {"mnuDataViewPrvBill", "mnuDataViewNextBill"}) {
    SetListTool(oActiveBar, key, "VISIBLE", false);
  }
  for (const char* band : {"mnuEdit", "mnuPop"}) {
    InsertAtEnd(oActiveBar, band, "Check");
    InsertAtEnd(oActiveBar, band, "UnCheck");
    SetBandTool(oActiveBar, band, "Check", "BeginGroup", true);
    SetBandTool(oActiveBar, band, "mnuEditCopyEntry", "VISIBLE", false);
  }
  SetBandTool(oActiveBar, "mnuData", "mnuDataViewPrvBill", "VISIBLE", false);
  SetBandTool(oActiveBar, "mnuData", "mnuDataViewNextBill", "VISIBLE", false);
  SetBandTool(oActiveBar, "mnuView", "mnuViewToolBar", "VISIBLE", false);
  SetBandTool(oActiveBar, "mnuView", "mnuViewToolCaption", "VISIBLE", false);
  SetBandTool(oActiveBar, "menu", "mnuPushBill", "VISIBLE", false);
}

}  // namespace qorarap
