#include "refhost/framework/view_toolbars.h"

#include <gtest/gtest.h>

#include "refhost/host_run.h"

namespace refhost {
namespace {

bool BandHolds(const qor::ToolbarControl& bar, const std::string& band, const std::string& key) {
  qor::BandPtr found = bar.FindBand(band);
  return found && found->Tools().Find(key) != nullptr;
}

TEST(ViewToolbarsTest, ListBarPlacesTheToolsThePluginsWorkOn) {
  qor::ToolbarControlPtr bar = BuildListToolbar("other-payable-list");
  const std::vector<std::pair<const char*, const char*>> placed = {
      {"BandToolBar", "mnuEditDelete"},
      {"BandToolBar", "mnuFileView"},
      {"BandToolBar", "mnuFileNew"},
      {"mnuEdit", "mnuFileView"},
      {"mnuEdit", "mnuEditCopy"},
      {"mnuEdit", "mnuEditCopyEntry"},
      {"mnuPop", "mnuEditCopyEntry"},
      {"mnuData", "mnuDataViewPrvBill"},
      {"mnuData", "mnuDataViewNextBill"},
      {"mnuView", "mnuDataViewNextBill"},
      {"mnuView", "mnuViewToolBar"},
      {"mnuView", "mnuViewToolCaption"},
      {"menu", "mnuPushBill"},
      {"mnuFile", "mnuExportData"},
      {"mnuFile", "mnuFilePageSetup"},
      {"mnuFile", "mnuNoteSetup"},
      {"mnuFile", "mnuFileSeriesPrint"},
      {"mnuFile", "mnuFileUseEconomizePaper"},
      {"mnuFormat", "mnuFormatOpt"},
      {"mnuData", "mnuDataAccessory"}};
  for (const auto& [band, key] : placed) EXPECT_TRUE(BandHolds(*bar, band, key)) << band << key;
  // Every band tool is also in the tool set, as a copy of its own.
  for (const qor::BandPtr& band : bar->AllBands()) {
    for (const qor::ToolPtr& tool : band->Tools().All()) {
      qor::ToolPtr master = bar->Tools().Find(tool->m_Name);
      ASSERT_NE(master, nullptr) << tool->m_Name;
      EXPECT_NE(master, tool);
      EXPECT_EQ(master->m_Caption, tool->m_Caption);
    }
  }
  EXPECT_EQ(bar->Bands("BandToolBar")->m_Caption, "工具栏");
  EXPECT_EQ(bar->Tools().Item("mnuFileRefresh")->m_Caption, "刷新");
  // Export waits for the plug-in to offer it.
  for (const qor::ToolPtr& tool : bar->FindAll("mnuExportData")) EXPECT_FALSE(tool->m_Visible);
  EXPECT_FALSE(BandHolds(*bar, "mnuData", "viewBill"));
  EXPECT_TRUE(BandHolds(*BuildListToolbar("receipt-list"), "mnuData", "viewBill"));
}

TEST(ViewToolbarsTest, BaseDataBarHoldsEveryCommandTheTypeWindowsUse) {
  qor::ToolbarControlPtr bar = BuildBaseDataToolbar();
  for (const char* key :
       {"mnuFileNewItem", "mnuFileNewGroup", "mnuEditModify", "mnuEditDel", "mnuEditDelGroup",
        "mnuEditUse", "mnuEditUnuse", "mnuOption", "mnuDataFind", "mnuFilePageSetup",
        "mnuFilePrintPreview", "mnuPreHeadFoot", "mnuFilePrint", "mnuExportData", "mnuHelpDetail",
        "mnuFileRefresh"}) {
    EXPECT_GE(bar->FindAll(key).size(), 2u) << key;  // tool set and at least one band
  }
  EXPECT_TRUE(BandHolds(*bar, "mnuEdit", "mnuEditDel"));
  EXPECT_TRUE(BandHolds(*bar, "BandToolBar", "mnuFileNewItem"));
  EXPECT_TRUE(BandHolds(*bar, "BandToolBar", "mnuEditModify"));
  EXPECT_EQ(bar->Bands("mnuEdit")->m_Caption, "编辑");
  // Group starts belong to a place, not to the command.
  EXPECT_TRUE(bar->Bands("BandToolBar")->Tools().Item("mnuFileRefresh")->m_BeginGroup);
  EXPECT_FALSE(bar->Tools().Item("mnuFileRefresh")->m_BeginGroup);
}

TEST(ViewToolbarsTest, ClickableToolNeedsAShownEnabledPlace) {
  qor::ToolbarControlPtr bar = BuildListToolbar("initial-list");
  // The click carries the tool-set copy.
  EXPECT_EQ(ClickableTool(*bar, "mnuFileView"), bar->Tools().Item("mnuFileView"));
  EXPECT_EQ(ClickableTool(*bar, "MNUFILEVIEW"), bar->Tools().Item("mnuFileView"));

  // Hidden in one place, shown in another: still reachable.
  bar->Bands("BandToolBar")->Tools().Item("mnuDataViewNextBill")->m_Visible = false;
  bar->Bands("mnuData")->Tools().Item("mnuDataViewNextBill")->m_Visible = false;
  EXPECT_NO_THROW(ClickableTool(*bar, "mnuDataViewNextBill"));
  bar->Bands("mnuView")->m_Visible = false;
  EXPECT_THROW(ClickableTool(*bar, "mnuDataViewNextBill"), ScenarioError);

  // Disabled in the tool set: disabled everywhere.
  bar->Tools().Item("mnuEditDelete")->m_Enabled = false;
  EXPECT_THROW(ClickableTool(*bar, "mnuEditDelete"), ScenarioError);
  bar->SetToolProperty("mnuFileNew", "Enabled", false);
  EXPECT_THROW(ClickableTool(*bar, "mnuFileNew"), ScenarioError);

  EXPECT_THROW(ClickableTool(*bar, "mnuNoSuchTool"), ScenarioError);
  // A tool the plug-in added only to the tool set is on no menu.
  bar->Tools().Add(9001, "Voucher");
  EXPECT_THROW(ClickableTool(*bar, "Voucher"), ScenarioError);
  bar->Bands("BandToolBar")->Tools().Insert(-1, bar->Tools().Item("Voucher"));
  EXPECT_NO_THROW(ClickableTool(*bar, "Voucher"));
}

}  // namespace
}  // namespace refhost
