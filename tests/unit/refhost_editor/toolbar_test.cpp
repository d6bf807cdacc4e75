#include "host/toolbar.h"

#include <gtest/gtest.h>

#include "core/vb.h"
#include "refhost/framework/bill_editor_toolbar.h"
#include "refhost/host_run.h"

namespace refhost {
namespace {

int32_t ErrorNumber(const std::function<void()>& call) {
  try {
    call();
  } catch (const qor::VbError& error) {
    return error.Number();
  }
  return 0;
}

TEST(ToolCollectionTest, KeysIgnoreCaseIndexesStartAtZeroAndInsertCopiesTheTool) {
  qor::ToolCollection tools;
  qor::ToolPtr save = tools.Add(1, "mnuFileSave");
  tools.Add(2, "mnuFileNew");
  EXPECT_EQ(tools.Count(), 2);
  EXPECT_EQ(tools.ItemAt(0), save);
  EXPECT_EQ(tools.Item("MNUFILESAVE"), save);
  EXPECT_EQ(tools.IndexOf("mnufilenew"), 1);
  EXPECT_EQ(tools.IndexOf("mnuNone"), -1);
  EXPECT_EQ(tools.Find("mnuNone"), nullptr);
  EXPECT_EQ(ErrorNumber([&] { tools.Item("mnuNone"); }), 9);
  EXPECT_EQ(ErrorNumber([&] { tools.ItemAt(2); }), 9);
  EXPECT_EQ(ErrorNumber([&] { tools.Add(3, "MNUFILENEW"); }), 35);

  qor::ToolCollection band;
  band.Add(10, "a");
  band.Add(11, "b");
  qor::ToolPtr copy = band.Insert(1, save);
  EXPECT_NE(copy, save);
  EXPECT_EQ(band.IndexOf("mnuFileSave"), 1);
  copy->m_Caption = "changed";
  EXPECT_EQ(save->m_Caption, "");
  // Inserting a key that is there replaces it; positions past the end (or -1) append.
  band.Insert(0, save);
  EXPECT_EQ(band.Count(), 3);
  EXPECT_EQ(band.IndexOf("mnuFileSave"), 0);
  band.Insert(-1, tools.Item("mnuFileNew"));
  band.Insert(99, save);
  EXPECT_EQ(band.IndexOf("mnuFileNew"), 2);
  EXPECT_EQ(band.IndexOf("mnuFileSave"), 3);
  band.Remove("A");
  EXPECT_EQ(band.Count(), 3);
  EXPECT_EQ(ErrorNumber([&] { band.Remove("a"); }), 9);
}

TEST(ToolbarControlTest, ToolPropertiesGoByNameToTheToolSetAndEveryBand) {
  qor::ToolbarControl bar;
  qor::ToolPtr master = bar.Tools().Add(1, "mnuEditAddRow");
  qor::BandPtr edit = bar.AddBand("mnuEdit", "编辑");
  qor::BandPtr toolbar = bar.AddBand("BandToolBar", "工具栏");
  edit->Tools().Insert(-1, master);
  toolbar->Tools().Insert(-1, master);
  EXPECT_EQ(bar.Bands("MNUEDIT"), edit);
  EXPECT_EQ(ErrorNumber([&] { bar.Bands("mnuNone"); }), 9);
  EXPECT_EQ(bar.FindAll("mnueditaddrow").size(), 3u);

  EXPECT_TRUE(bar.SetToolProperty("mnuEditAddRow", "enabled", false));
  for (const qor::ToolPtr& tool : bar.FindAll("mnuEditAddRow")) EXPECT_FALSE(tool->m_Enabled);
  EXPECT_FALSE(bar.SetToolProperty("mnuNone", "Enabled", false));
  EXPECT_EQ(ErrorNumber([&] { bar.SetToolProperty("mnuEditAddRow", "Colour", 1); }), 438);

  qor::Tool& tool = *master;
  qor::SetToolProperty(tool, "Caption", "插行");
  qor::SetToolProperty(tool, "DESCRIPTION", "在表体中增加一行");
  qor::SetToolProperty(tool, "ToolTipText", "插行");
  qor::SetToolProperty(tool, "Picture", "AddRow");
  qor::SetToolProperty(tool, "Visible", false);
  qor::SetToolProperty(tool, "Checked", qor::Variant(-1));
  qor::SetToolProperty(tool, "BeginGroup", true);
  qor::SetToolProperty(tool, "Style", 27);
  qor::SetToolProperty(tool, "Value", 2000001);
  qor::SetToolProperty(tool, "DefaultValue", "2000001");
  qor::SetToolProperty(tool, "Tag", "x");
  EXPECT_EQ(tool.m_Caption, "插行");
  EXPECT_EQ(tool.m_Description, "在表体中增加一行");
  EXPECT_EQ(tool.m_Picture, "AddRow");
  EXPECT_FALSE(tool.m_Visible);
  EXPECT_TRUE(tool.m_Checked);
  EXPECT_TRUE(tool.m_BeginGroup);
  EXPECT_EQ(tool.m_Style, 27);
  EXPECT_EQ(qor::CLng(qor::GetToolProperty(tool, "value")), 2000001);
  EXPECT_EQ(qor::StrOf(qor::GetToolProperty(tool, "DefaultValue")), "2000001");
  EXPECT_EQ(qor::StrOf(qor::GetToolProperty(tool, "Tag")), "x");
  EXPECT_FALSE(qor::CBool(qor::GetToolProperty(tool, "Visible")));
  EXPECT_EQ(ErrorNumber([&] { qor::GetToolProperty(tool, "Colour"); }), 438);

  qor::ImageList images;
  images.Add("Sum", "sum.bmp");
  EXPECT_TRUE(images.Has("SUM"));
  EXPECT_EQ(images.Picture("sum"), "sum.bmp");
  EXPECT_EQ(ErrorNumber([&] { images.Picture("Split"); }), 35601);
}

TEST(EditorToolbarTest, EachEditorCarriesTheBandsAndToolsThePlugInsReachFor) {
  for (const char* kind :
       {"receipt", "payment", "other-receivable", "other-payable", "type-card"}) {
    SCOPED_TRACE(kind);
    qor::ToolbarControlPtr bar = BuildEditorToolbar(kind);
    for (const char* band : {"mnuFile", "mnuEdit", "mnuView", "mnuData", "mnuFormat", "mnuOption",
                             "mnuCust", "mnuHelp", "BandToolBar"}) {
      ASSERT_NE(bar->FindBand(band), nullptr) << band;
      EXPECT_FALSE(bar->FindBand(band)->m_Caption.empty());
    }
    for (const char* key :
         {"mnuFileNew", "mnuFileSave", "mnuFilePreview", "mnuFilePrint", "mnuEditCopy",
          "mnuStockQuery", "mnuDataAccessory", "mnuDataPre", "mnuDataNext", "mnuCaculate",
          "mnuFormatBack", "mnuFormatIndentity", "mnuOptionLinkBill", "mnuOptionBatchFull"}) {
      EXPECT_FALSE(bar->FindAll(key).empty()) << key;
    }
    // Every band copy of a tool has its tool-set copy.
    for (const qor::BandPtr& band : bar->AllBands()) {
      for (const qor::ToolPtr& tool : band->Tools().All()) {
        EXPECT_NE(bar->Tools().Find(tool->m_Name), nullptr) << tool->m_Name;
      }
    }
  }
  qor::ToolbarControlPtr receipt = BuildEditorToolbar("receipt");
  EXPECT_NE(receipt->Bands("mnuSelectBill")->Tools().Find("mnuSelectBill_2000001"), nullptr);
  EXPECT_NE(receipt->Bands("mnuOption")->Tools().Find("mnuFormatIndentity"), nullptr);
  EXPECT_NE(receipt->Bands("mnuData")->Tools().Find("mnuCalculate"), nullptr);
  EXPECT_NE(receipt->Bands("BandToolBar")->Tools().Find("mnuDataLookUp"), nullptr);
  EXPECT_NE(receipt->Bands("mnuFile")->Tools().Find("mnuEditCopy"), nullptr);
  EXPECT_NE(BuildEditorToolbar("payment")->Tools().Find("mnuSelectBill_2000002"), nullptr);
  // Tools the plug-ins add by key are not there yet.
  for (const char* key : {"mnuEditUnCheck", "mnuViewVch", "mnuHelpFile", "mnuDataAutoSumAmt",
                          "mnuAutoCalRecAmount"}) {
    EXPECT_TRUE(receipt->FindAll(key).empty()) << key;
  }
  // The type card's toolbar carries the menus' drop-down buttons.
  qor::ToolbarControlPtr card = BuildEditorToolbar("type-card");
  for (const char* key : {"mnuFile", "mnuData", "mnuOption", "mnuEditCopy", "mnuOptionBatchFull"}) {
    EXPECT_NE(card->Bands("BandToolBar")->Tools().Find(key), nullptr) << key;
  }
  EXPECT_THROW(BuildEditorToolbar("receipt-list"), ScenarioError);
}

TEST(EditorToolbarTest, OnlyAVisibleEnabledCopyInAReachableBandCanBePressed) {
  qor::ToolbarControlPtr bar = BuildEditorToolbar("receipt");
  EXPECT_EQ(ReachableEditorTool(*bar, "mnuFileSave"), bar->Tools().Item("mnuFileSave"));
  EXPECT_THROW(ReachableEditorTool(*bar, "mnuNone"), ScenarioError);
  // Hidden tool-set spare items are not reachable.
  EXPECT_THROW(ReachableEditorTool(*bar, "UnCheck"), ScenarioError);
  bar->SetToolProperty("mnuEditAddRow", "Enabled", false);
  EXPECT_FALSE(IsEditorToolAvailable(*bar, "mnuEditAddRow"));
  // The toolbar copy off, the menu copy still on.
  bar->Bands("BandToolBar")->Tools().Item("mnuDataPre")->m_Enabled = false;
  EXPECT_TRUE(IsEditorToolAvailable(*bar, "mnuDataPre"));
  bar->Bands("mnuData")->m_Visible = false;
  EXPECT_FALSE(IsEditorToolAvailable(*bar, "mnuDataPre"));
  // The source-selection pop-up stays reachable when its band is off the menu bar.
  bar->Bands("mnuSelectBill")->m_Visible = false;
  EXPECT_TRUE(IsEditorToolAvailable(*bar, "mnuSelectBill_1000000"));
}

}  // namespace
}  // namespace refhost
