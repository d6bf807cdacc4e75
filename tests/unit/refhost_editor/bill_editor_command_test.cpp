#include <gtest/gtest.h>

#include "refhost/framework/bill_editor_data_service.h"
#include "unit/refhost_editor/editor_test_support.h"

namespace refhost::editortest {
namespace {

using Events = std::vector<std::string>;

TEST_F(BillEditorTest, AClickRaisesMenuBarClickAndTheHostActsUnlessItIsCancelled) {
  BillEditorWindow& window = Open("receipt", 1, 0);
  Set(window, "FExplanation", 0, "draft");
  TakeEvents();

  Journal().cancelTools = {"mnuFileNew"};
  Click(window, "mnuFileNew");
  EXPECT_TRUE(window.m_LastClickCancelled.value_or(false));
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileNew"}));
  EXPECT_EQ(qor::StrOf(window.FieldValue("FExplanation", 0)), "draft");

  Journal().cancelTools.clear();
  Click(window, "mnuFileNew");
  EXPECT_FALSE(window.m_LastClickCancelled.value_or(true));
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileNew", "AfterNewBill", "AfterNewEmptyData",
                                  "SetCurrencyState"}));
  EXPECT_EQ(qor::StrOf(window.FieldValue("FExplanation", 0)), "");

  // A tool the host has no action for only raises the event.
  Click(window, "mnuStockQuery");
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuStockQuery"}));
  // An error of the handler cancels the host's action.
  Journal().failEvent = "MenuBarClick";
  Click(window, "mnuFileNew");
  EXPECT_TRUE(window.m_LastClickCancelled.value_or(false));
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileNew"}));
  ASSERT_TRUE(window.m_LastError.has_value());
  EXPECT_EQ(window.m_LastError->Source(), "clsTest.MenuBarClick");

  // Unknown, hidden and disabled tools cannot be pressed.
  Journal().failEvent.clear();
  EXPECT_THROW(Click(window, "mnuNoSuchTool"), ScenarioError);
  On([&] { window.Editor().SetMenuItemProperty("mnuFileNew", "Enabled", false); });
  EXPECT_THROW(Click(window, "mnuFileNew"), ScenarioError);
  On([&] { window.Editor().SetBarStatus("mnuStockQuery", "Visible", false); });
  EXPECT_THROW(Click(window, "mnuStockQuery"), ScenarioError);
  int32_t number = 0;
  On([&] {
    try {
      window.Editor().SetMenuItemProperty("mnuNoSuchTool", "Enabled", false);
    } catch (const qor::VbError& error) {
      number = error.Number();
    }
  });
  EXPECT_EQ(number, 35601);
  EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(BillEditorTest, RowCommandsFollowTheirToolsAndTheBillsState) {
  BillEditorWindow& window = Open("other-payable", 2, 2);  // QYF0002: two rows
  EXPECT_EQ(window.RowCount(), 2);
  On([&] { window.AddRow(); });
  EXPECT_EQ(window.RowCount(), 3);
  Set(window, "FBillNote", 3, "third");
  On([&] { window.DeleteRow(1); });
  EXPECT_EQ(window.RowCount(), 2);
  EXPECT_EQ(qor::StrOf(window.FieldValue("FBillNote", 2)), "third");
  EXPECT_THROW(On([&] { window.DeleteRow(5); }), ScenarioError);

  // The delete-row tool removes the row of the active cell.
  Set(window, "FBillNote", 1, "first");
  Click(window, "mnuEditDelRow");
  EXPECT_EQ(window.RowCount(), 1);
  EXPECT_EQ(qor::StrOf(window.FieldValue("FBillNote", 1)), "third");

  // Disabled row tools refuse the row commands.
  On([&] { window.Editor().SetBarStatus("mnuEditAddRow", "Enabled", false); });
  On([&] { window.AddRow(); });
  EXPECT_EQ(window.RowCount(), 1);
  // So does a locked bill.
  On([&] {
    window.Editor().SetBarStatus("mnuEditAddRow", "Enabled", true);
    window.Editor().LockBill();
  });
  On([&] { window.AddRow(); });
  EXPECT_EQ(window.RowCount(), 1);
}

TEST_F(BillEditorTest, DeleteAndCloseDropTheBillAndThePlugInObject) {
  BillEditorWindow& window = Open("payment", 2, 2);
  TakeEvents();
  Click(window, "mnuEditDelete");
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuEditDelete", "AfterNewBill", "AfterNewEmptyData",
                                  "SetCurrencyState"}));
  EXPECT_EQ(qor::CLng(SqlValue("SELECT COUNT(*) FROM t_RP_PBill WHERE FBillID = 2")), 0);
  EXPECT_EQ(qor::CLng(SqlValue("SELECT COUNT(*) FROM t_RP_PBillEntry WHERE FBillID = 2")), 0);
  EXPECT_EQ(qor::StrOf(window.FieldValue("FBillNo", 0)), "FK0004");

  std::weak_ptr<BillEditorEvent> editor =
      std::static_pointer_cast<BillEditorEvent>(window.Editor().shared_from_this());
  Click(window, "mnuFileClose");
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileClose"}));
  EXPECT_EQ(m_Main->Current(), nullptr);
  // The plug-in object ended with its window, and with it the editor.
  EXPECT_TRUE(editor.expired());
}

TEST_F(BillEditorTest, SelectingSourceLinesFillsSettlementRowsBetweenTheSelectionEvents) {
  BillEditorWindow& window = Open("receipt", 1, 0);
  Set(window, "FCustomerID", 0, "2");
  TakeEvents();
  On([&] { window.Select("mnuSelectBill_2000001", {{"INV0003", 2}, {"id=101", 0}}); });
  EXPECT_EQ(TakeEvents(),
            (Events{"MenuBarClick mnuSelectBill_2000001", "BeforeSelBills 2000001",
                    "AfterSelBillBeforeFillData lines=2 map=yes", "AfterSelBill 2000001"}));
  ASSERT_EQ(window.RowCount(), 2);
  EXPECT_EQ(qor::StrOf(window.FieldValue("FInvoiceBillNo", 1)), "INV0003");
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FBillSettleAmountFor", 1)), 4500);
  EXPECT_EQ(qor::CLng(window.FieldValue("FClassID_SRC", 1)), 1000000);
  EXPECT_EQ(qor::CLng(window.FieldValue("FInterID", 2)), 101);
  EXPECT_EQ(window.FieldText("FBillCurrencyID", 1), "人民币");

  // The window offered only the lines the plug-in's filter lets through.
  std::vector<Pick> offered;
  On([&] { offered = window.LastOffered(); });
  auto isOffered = [&](const std::string& document, int32_t line) {
    for (const Pick& pick : offered) {
      if (pick.document == document && pick.line == line) return true;
    }
    return false;
  };
  EXPECT_TRUE(isOffered("INV0003", 1));
  EXPECT_TRUE(isOffered("INV0003", 3));
  EXPECT_TRUE(isOffered("id=101", 1));
  EXPECT_FALSE(isOffered("INV0001", 1));
  EXPECT_THROW(On([&] {
                 window.Select("mnuSelectBill_2000001", {{"INV0001", 0}});
               }),
               ScenarioError);

  // No pick closes the window without choosing; a cancelled click opens none.
  TakeEvents();
  On([&] { window.Select("mnuSelectBill_2000001", {}); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuSelectBill_2000001", "BeforeSelBills 2000001"}));
  EXPECT_EQ(window.RowCount(), 2);
  Journal().cancelTools = {"mnuSelectBill_2000001"};
  On([&] { window.Select("mnuSelectBill_2000001", {{"INV0003", 1}}); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuSelectBill_2000001"}));

  // The plug-in's own command may open the window for the code its tool carries.
  Journal().cancelTools.clear();
  Journal().onClick = [](qor::BillEvent& editor) {
    auto tool = std::make_shared<qor::Tool>("mnuSelectBill_2000001");
    tool->m_DefaultValue = "2000001";
    editor.GetBillObject()->DoSelBillExt(tool);
  };
  On([&] { window.Select("mnuDataLookUp", {{"INV0003", 1}}); });
  EXPECT_EQ(window.RowCount(), 3);
  EXPECT_EQ(qor::StrOf(window.FieldValue("FInvoiceBillNo", 3)), "INV0003");
  Journal().onClick = nullptr;
  EXPECT_THROW(On([&] { window.Select("mnuFileNew", {{"INV0003", 1}}); }), ScenarioError);
}

TEST_F(BillEditorTest, TheTypeCardIsShownToTheTreesOwnPlugInAndSavesTheType) {
  auto plugin = std::make_shared<EditorPlugin>("clsRPInOutType");
  On([&] { m_Main->Open(OpenTypeCard(*m_Main, plugin, 1, 0, 3)); });
  auto& card = dynamic_cast<BillEditorWindow&>(*m_Main->Current());
  EXPECT_EQ(TakeEvents(), (Events{"Show(BillEvent)", "MenuBarInitialize", "BarInitialize",
                                  "AfterNewBill", "AfterNewEmptyData", "SetCurrencyState"}));
  EXPECT_EQ(card.Kind(), "type-card");
  EXPECT_EQ(qor::StrOf(card.FieldValue("FPreNumber", 0)), "1.01");
  EXPECT_EQ(qor::StrOf(card.FieldValue("FNumber", 0)), "");
  Set(card, "FNumber", 0, "1.01.003");
  Set(card, "FName", 0, "培训收入");
  Click(card, "mnuFileSave");
  EXPECT_TRUE(card.m_LastSaved.value_or(false));
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FName FROM t_RP_InOutType WHERE FNumber = '1.01.003'")),
            "培训收入");
  EXPECT_EQ(
      qor::CLng(SqlValue("SELECT FClassTypeID FROM t_RP_InOutType WHERE FNumber = '1.01.003'")),
      1000207);
  On([&] {
    auto filter = std::dynamic_pointer_cast<BillEditorDataService>(card.Editor().GetDataService());
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(qor::StrOf(filter->Filter()->Item("FilterString")),
              "FClassTypeID=1000207 AND FDeleted=0");
  });
  // Closing the card leaves the tree's plug-in alive.
  On([&] { m_Main->CloseCurrent(); });
  EXPECT_EQ(plugin.use_count(), 1);
}

}  // namespace
}  // namespace refhost::editortest
