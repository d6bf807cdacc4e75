#include <gtest/gtest.h>

#include "unit/refhost_editor/editor_test_support.h"

namespace refhost::editortest {
namespace {

using Events = std::vector<std::string>;

class BillEditorSaveTest : public BillEditorTest {
 protected:
  // A new other receivable bill settled at once for customer 2 with two rows.
  BillEditorWindow& NewOtherReceivable() {
    BillEditorWindow& window = Open("other-receivable", 1, 0);
    Set(window, "FBillTypeID", 0, "1005");
    Set(window, "FCustomerID", 0, "2");
    Set(window, "FInOutTypeID", 1, "4");
    Set(window, "FBillAmountFor", 1, "300");
    On([&] { window.AddRow(); });
    Set(window, "FInOutTypeID", 2, "5");
    Set(window, "FBillAmountFor", 2, "200");
    TakeEvents();
    return window;
  }

  int32_t Count(const std::string& sql) { return qor::CLng(SqlValue(sql)); }
};

TEST_F(BillEditorSaveTest, SavingANewBillWritesTheHeaderAndItsRowsAndKeepsItForChange) {
  BillEditorWindow& window = NewOtherReceivable();
  Click(window, "mnuFileSave");
  // The saved bill is read back as when opening it, before AfterSave.
  EXPECT_EQ(TakeEvents(),
            (Events{"MenuBarClick mnuFileSave", "BeforeSave", "BeforeLoadBill",
                    "BeforLoadBillFillData", "AfterLoadBill", "SetCurrencyState", "AfterSave"}));
  EXPECT_TRUE(window.m_LastSaved.value_or(false));

  int32_t id = Count("SELECT FBillID FROM t_RP_ROtherBill WHERE FBillNo = 'QYS0004'");
  ASSERT_GT(id, 3);
  EXPECT_EQ(qor::CLng(window.FieldValue("FBillID", 0)), id);
  EXPECT_EQ(Count("SELECT FCustomerID FROM t_RP_ROtherBill WHERE FBillID = " + std::to_string(id)),
            2);
  EXPECT_EQ(Count("SELECT FBillTypeID FROM t_RP_ROtherBill WHERE FBillID = " + std::to_string(id)),
            1005);
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FDate FROM t_RP_ROtherBill WHERE FBillID = " +
                                std::to_string(id))),
            "2026-12-15");
  EXPECT_EQ(
      Count("SELECT COUNT(*) FROM t_RP_ROtherBillEntry WHERE FBillID = " + std::to_string(id)), 2);
  EXPECT_EQ(
      Count("SELECT FInOutTypeID FROM t_RP_ROtherBillEntry WHERE FEntryID = 2 AND FBillID = " +
            std::to_string(id)),
      5);
  EXPECT_DOUBLE_EQ(
      qor::CDbl(SqlValue("SELECT FBillAmount FROM t_RP_ROtherBillEntry WHERE FEntryID = 1 "
                         "AND FBillID = " +
                         std::to_string(id))),
      300);
  // The stored bill is now open for change, under the modify lock.
  On([&] {
    EXPECT_EQ(window.Editor().GetEditMode(), 2);
    EXPECT_EQ(window.Editor().GetBillInterID(), id);
    EXPECT_EQ(qor::CLng(window.Editor().GetFieldData("FBillAmountFor", 1)->Item("FModify")), 0);
  });
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_FuncLock WHERE FFuncCode = 'AR0302' AND FKey = '" +
                  std::to_string(id) + "'"),
            1);

  // Saving again updates the header and replaces the rows.
  On([&] { window.DeleteRow(1); });
  Set(window, "FExplanation", 0, "second save");
  Click(window, "mnuFileSave");
  EXPECT_TRUE(window.m_LastSaved.value_or(false));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_RP_ROtherBill WHERE FBillNo = 'QYS0004'"), 1);
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FExplanation FROM t_RP_ROtherBill WHERE FBillID = " +
                                std::to_string(id))),
            "second save");
  EXPECT_EQ(
      Count("SELECT COUNT(*) FROM t_RP_ROtherBillEntry WHERE FBillID = " + std::to_string(id)), 1);
  EXPECT_EQ(
      Count("SELECT FInOutTypeID FROM t_RP_ROtherBillEntry WHERE FEntryID = 1 AND FBillID = " +
            std::to_string(id)),
      5);
  // Read back, the editor shows the stored rows; the bill keeps its one modify lock.
  EXPECT_EQ(window.RowCount(), 1);
  EXPECT_EQ(qor::CLng(window.FieldValue("FInOutTypeID", 1)), 5);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_FuncLock WHERE FFuncCode = 'AR0302' AND FKey = '" +
                  std::to_string(id) + "'"),
            1);
}

TEST_F(BillEditorSaveTest, ACancelledOrNotSavedBillIsNotWritten) {
  BillEditorWindow& window = NewOtherReceivable();
  Journal().cancelSave = true;
  Click(window, "mnuFileSave");
  EXPECT_FALSE(window.m_LastSaved.value_or(true));
  Journal().cancelSave = false;
  Journal().onClick = [](qor::BillEvent& editor) { editor.GetBillObject()->SetNotSave(true); };
  Click(window, "mnuFileSave");
  EXPECT_FALSE(window.m_LastSaved.value_or(true));
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileSave", "BeforeSave",
                                  "MenuBarClick mnuFileSave", "BeforeSave"}));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_RP_ROtherBill WHERE FBillNo = 'QYS0004'"), 0);
  // NotSave holds for one save only; the plug-in's own SaveBill call saves.
  Journal().onClick = nullptr;
  bool saved = false;
  On([&] { saved = window.Editor().GetBillObject()->SaveBill(false); });
  EXPECT_TRUE(saved);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_RP_ROtherBill WHERE FBillNo = 'QYS0004'"), 1);
}

TEST_F(BillEditorSaveTest, AFailingSaveRollsEverythingBackAndRaisesSaveBillFailed) {
  // QYS0002 (id 2) is stored with one row; its rows can no longer be written.
  BillEditorWindow& window = Open("other-receivable", 2, 2);
  On([&] {
    m_Main->Db().ExecuteParams(
        "CREATE TRIGGER t_fail BEFORE INSERT ON t_RP_ROtherBillEntry "
        "BEGIN SELECT RAISE(ABORT, 'rows are read-only'); END",
        {});
  });
  std::string before =
      qor::StrOf(SqlValue("SELECT FExplanation FROM t_RP_ROtherBill WHERE FBillID = 2"));
  Set(window, "FExplanation", 0, "never stored");
  TakeEvents();
  Click(window, "mnuFileSave");
  EXPECT_EQ(TakeEvents(),
            (Events{"MenuBarClick mnuFileSave", "BeforeSave", "SaveBillFailed QYS0002"}));
  EXPECT_FALSE(window.m_LastSaved.value_or(true));
  EXPECT_NE(Journal().saveFailedMessage.find("rows are read-only"), std::string::npos);
  ASSERT_EQ(m_Run->Messages().size(), 1u);
  EXPECT_EQ(m_Run->Messages()[0].text, Journal().saveFailedMessage);
  EXPECT_EQ(m_Run->Messages()[0].buttons, 16);
  // Header and rows are as they were.
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FExplanation FROM t_RP_ROtherBill WHERE FBillID = 2")),
            before);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_RP_ROtherBillEntry WHERE FBillID = 2"), 1);

  // A new bill that fails leaves no header behind; the plug-in may keep the message back.
  BillEditorWindow& fresh = NewOtherReceivable();
  Journal().cancelErrorMessage = true;
  Click(fresh, "mnuFileSave");
  EXPECT_FALSE(fresh.m_LastSaved.value_or(true));
  EXPECT_EQ(m_Run->Messages().size(), 1u);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM t_RP_ROtherBill WHERE FBillNo = 'QYS0004'"), 0);
  On([&] { EXPECT_EQ(fresh.Editor().GetEditMode(), 1); });
}

TEST_F(BillEditorSaveTest, ASecondSessionOpeningTheBillForChangeGetsAReadOnlyEditor) {
  BillEditorWindow& mine = Open("receipt", 2, 4);
  EXPECT_EQ(Journal().mutexAtLoad, std::vector<bool>{true});
  BillEditorWindow& theirs = Open("receipt", 2, 4, &Other());
  EXPECT_EQ(Journal().mutexAtLoad, (std::vector<bool>{true, false}));
  On([&] { EXPECT_FALSE(theirs.Editor().MutexSuccess()); }, &Other());
  On([&] { EXPECT_EQ(theirs.Editor().BillCtl()->BillStatus(), 3); }, &Other());
  EXPECT_TRUE(theirs.IsLocked("FExplanation", std::nullopt));
  TakeEvents();
  Set(theirs, "FExplanation", 0, "theirs", &Other());
  EXPECT_FALSE(theirs.m_LastSetAccepted.value_or(true));
  EXPECT_TRUE(TakeEvents().empty());
  Click(theirs, "mnuFileSave", &Other());
  EXPECT_FALSE(theirs.m_LastSaved.value_or(true));
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileSave"}));

  // The holder edits and saves as usual.
  Set(mine, "FExplanation", 0, "mine");
  Click(mine, "mnuFileSave");
  EXPECT_TRUE(mine.m_LastSaved.value_or(false));
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT FExplanation FROM t_RP_RBill WHERE FBillID = 4")), "mine");
}

}  // namespace
}  // namespace refhost::editortest
