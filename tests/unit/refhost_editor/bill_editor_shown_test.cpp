#include <gtest/gtest.h>

#include "unit/refhost_editor/editor_test_support.h"

// What the editor shows besides values: picking every offered line, the
// modify flags, the keyboard shortcut of hidden tools, and tool-set changes
// reaching the menus.

namespace refhost::editortest {
namespace {

using Events = std::vector<std::string>;

TEST_F(BillEditorTest, SelectingAllPicksEveryOfferedLineInItsOrder) {
  BillEditorWindow& window = Open("receipt", 1, 0);
  Set(window, "FCustomerID", 0, "2");
  Pick all;
  all.all = true;
  On([&] { window.Select("mnuSelectBill_2000001", {all}); });
  std::vector<Pick> offered;
  On([&] { offered = window.LastOffered(); });
  ASSERT_GT(offered.size(), 2u);
  ASSERT_EQ(window.RowCount(), static_cast<int32_t>(offered.size()));
  for (size_t i = 0; i < offered.size(); ++i) {
    int32_t row = static_cast<int32_t>(i) + 1;
    std::string number = qor::StrOf(window.FieldValue("FInvoiceBillNo", row));
    std::string expected = offered[i].document.starts_with("id=") ? "" : offered[i].document;
    EXPECT_EQ(number, expected) << "row " << row;
  }
  EXPECT_TRUE(window.IsModified("", 0));
}

TEST_F(BillEditorTest, ModifyFlagsFollowChangesUntilTheSave) {
  BillEditorWindow& window = Open("receipt", 2, 2);
  EXPECT_FALSE(window.IsModified("", 0));
  Set(window, "FBillSettleAmountFor", 1, "1000");
  EXPECT_TRUE(window.IsModified("FBillSettleAmountFor", 1));
  EXPECT_FALSE(window.IsModified("FBillSettleAmountFor", 2));
  EXPECT_TRUE(window.IsModified("", 0));
  Click(window, "mnuFileSave");
  EXPECT_FALSE(window.IsModified("FBillSettleAmountFor", 1));
  EXPECT_FALSE(window.IsModified("", 0));
  // A refused change leaves the flag as it was.
  Journal().cancelChanges = {"FExplanation"};
  Set(window, "FExplanation", 0, "x");
  EXPECT_FALSE(window.IsModified("FExplanation", 0));
}

TEST_F(BillEditorTest, PressReachesHiddenToolsButNotDisabledOnes) {
  BillEditorWindow& window = Open("receipt", 1, 0);
  TakeEvents();
  EXPECT_THROW(Click(window, "UnCheck"), ScenarioError);
  On([&] { window.Press("UnCheck"); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick UnCheck"}));
  On([&] { window.Editor().Toolbar().Tools().Item("UnCheck")->m_Enabled = false; });
  EXPECT_THROW(On([&] { window.Press("UnCheck"); }), ScenarioError);
  EXPECT_THROW(On([&] { window.Press("mnuNoSuchTool"); }), ScenarioError);
}

TEST_F(BillEditorTest, AToolSetChangeReachesEveryBandAndABandChangeStaysThere) {
  BillEditorWindow& window = Open("receipt", 1, 0);
  qor::ToolbarControl& bar = window.Editor().Toolbar();
  // The plug-in hides and renames the save command through the tool set.
  bar.Tools().Item("mnuFileSave")->m_Visible = false;
  bar.Tools().Item("mnuFileSave")->m_Caption = "存盘";
  for (const char* band : {"mnuFile", "BandToolBar"}) {
    qor::ToolPtr copy = bar.Bands(band)->Tools().Item("mnuFileSave");
    EXPECT_FALSE(copy->m_Visible) << band;
    EXPECT_EQ(copy->m_Caption, "存盘") << band;
  }
  EXPECT_THROW(Click(window, "mnuFileSave"), ScenarioError);

  // One band's copy shown again: only that band shows it, and a later
  // tool-set change of another property leaves its visibility alone.
  bar.Bands("BandToolBar")->Tools().Item("mnuFileSave")->m_Visible = true;
  bar.Tools().Item("mnuFileSave")->m_Enabled = false;
  EXPECT_TRUE(bar.Bands("BandToolBar")->Tools().Item("mnuFileSave")->m_Visible);
  EXPECT_FALSE(bar.Bands("mnuFile")->Tools().Item("mnuFileSave")->m_Visible);
  EXPECT_FALSE(bar.Bands("BandToolBar")->Tools().Item("mnuFileSave")->m_Enabled);
  EXPECT_FALSE(bar.Bands("mnuFile")->Tools().Item("mnuFileSave")->m_Enabled);
  // The group start is a band's own.
  bar.Tools().Item("mnuFilePreview")->m_BeginGroup = false;
  EXPECT_TRUE(bar.Bands("BandToolBar")->Tools().Item("mnuFilePreview")->m_BeginGroup);
}

}  // namespace
}  // namespace refhost::editortest
