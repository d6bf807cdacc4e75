#include <gtest/gtest.h>

#include <algorithm>

#include "unit/refhost_editor/editor_test_support.h"

namespace refhost::editortest {
namespace {

using Events = std::vector<std::string>;

bool Contains(const Events& events, const std::string& event) {
  return std::find(events.begin(), events.end(), event) != events.end();
}

Events Starting(const Events& events, const std::string& prefix) {
  Events found;
  for (const std::string& e : events) {
    if (e.rfind(prefix, 0) == 0) found.push_back(e);
  }
  return found;
}

TEST_F(BillEditorTest, SettingAFieldRaisesTheEditEventsAndACancelledChangePutsTheOldValueBack) {
  BillEditorWindow& window = Open("receipt", 2, 2);
  TakeEvents();

  Set(window, "FExplanation", 0, "December receipt");
  EXPECT_TRUE(window.m_LastSetAccepted.value_or(false));
  Events events = TakeEvents();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], "BeginEdit FExplanation col=20 row=0");
  EXPECT_EQ(events[1], "Change FExplanation FOLD=" +
                           qor::StrOf(SqlValue("SELECT FExplanation FROM t_RP_RBill "
                                               "WHERE FBillID = 2")) +
                           " FFLD=December receipt row=0 class=1000201");
  EXPECT_EQ(events[2], "HeadCtlLostFocus FExplanation");
  EXPECT_EQ(qor::StrOf(window.FieldValue("FExplanation", 0)), "December receipt");
  On([&] {
    auto data = window.Editor().GetFieldData("FExplanation", 0);
    EXPECT_EQ(qor::CLng(data->Item("FModify")), 1);
    qor::HostDictionaryPtr info;
    int32_t col = 0, row = -1;
    window.Editor().GetActiveField(info, col, row);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(qor::StrOf(info->Item("FKey")), "FExplanation");
    EXPECT_EQ(col, 20);
    EXPECT_EQ(row, 0);
  });

  // A cancelled change: the old value (and its text) comes back.
  Journal().cancelChanges = {"FCustomerID"};
  Set(window, "FCustomerID", 0, "1");
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  events = TakeEvents();
  EXPECT_TRUE(Contains(events, "Change FCustomerID FOLD=2 FFLD=1 row=0 class=1000201"));
  EXPECT_FALSE(Contains(events, "HeadCtlLostFocus FCustomerID"));
  EXPECT_EQ(qor::CLng(window.FieldValue("FCustomerID", 0)), 2);
  EXPECT_EQ(window.FieldText("FCustomerID", 0), "上海东方电子有限公司");

  // An accepted base-data id shows the item's name; an entry row reports its row.
  Journal().cancelChanges.clear();
  Set(window, "FCustomerID", 0, "1");
  EXPECT_TRUE(window.m_LastSetAccepted.value_or(false));
  EXPECT_EQ(window.FieldText("FCustomerID", 0), "北京华联商贸有限公司");
  TakeEvents();
  Set(window, "FBillSettleAmountFor", 2, "4000");
  events = TakeEvents();
  EXPECT_TRUE(
      Contains(events, "Change FBillSettleAmountFor FOLD=4500 FFLD=4000 row=2 class=1000201"));
  EXPECT_FALSE(Contains(events, "HeadCtlLostFocus FBillSettleAmountFor"));
  EXPECT_TRUE(Contains(events, "SetAmountForEnd FBillSettleAmountFor row=2"));
}

TEST_F(BillEditorTest, AValueThatDoesNotFitOrALockedFieldIsRefusedWithoutAChange) {
  BillEditorWindow& window = Open("receipt", 2, 2);
  TakeEvents();

  Set(window, "FAmountFor", 0, "12x");
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  Set(window, "FDate", 0, "2026-13-45");
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  Set(window, "FCustomerID", 0, "999");  // no such customer
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  Set(window, "FDepartmentID", 0, "6");  // a deleted department is not offered
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  EXPECT_TRUE(Starting(TakeEvents(), "Change").empty());
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FAmountFor", 0)), 8000);

  // Template lock (FAmount) and the plug-in's locks: a field, a column, a cell.
  Set(window, "FAmount", 0, "1");
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  On([&] {
    BillEditorEvent& editor = window.Editor();
    editor.BillCtl()->LockCell(editor.GetFieldInfo("FSettleIDNo"), -1, true);
    editor.BillCtl()->LockCell(editor.GetFieldInfo("FBillSettleAmountFor"), 2, true);
  });
  EXPECT_TRUE(window.IsLocked("FSettleIDNo", std::nullopt));
  EXPECT_TRUE(window.IsLocked("FBillSettleAmountFor", 2));
  EXPECT_FALSE(window.IsLocked("FBillSettleAmountFor", 1));
  EXPECT_FALSE(window.IsLocked("FBillSettleAmountFor", std::nullopt));
  Set(window, "FBillSettleAmountFor", 2, "10");
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  Set(window, "FBillSettleAmountFor", 1, "10");
  EXPECT_TRUE(window.m_LastSetAccepted.value_or(false));
  On([&] {
    BillEditorEvent& editor = window.Editor();
    editor.BillCtl()->LockCell(editor.GetFieldInfo("FBillSettleAmountFor"), -1, true);
  });
  EXPECT_TRUE(window.IsLocked("FBillSettleAmountFor", 1));
  EXPECT_TRUE(Starting(TakeEvents(), "Change FAmount ").empty());
  EXPECT_THROW(Set(window, "FBillSettleAmountFor", 0, "1"), ScenarioError);
  EXPECT_THROW(Set(window, "FNoSuchField", 0, "1"), ScenarioError);
}

TEST_F(BillEditorTest, TheFormulasOfAFieldRunAfterItsChangeAndBeforeDoActionCanStopThem) {
  BillEditorWindow& window = Open("receipt", 1, 0);
  TakeEvents();

  Set(window, "FAmountFor", 0, "1000");
  Events actions = Starting(TakeEvents(), "BeforeDoAction");
  ASSERT_EQ(actions.size(), 5u);
  EXPECT_EQ(
      actions[0],
      "BeforeDoAction FAmountFor Formula CalcReceive FReceiveAmountFor=FAmountFor*FDiscount/100");
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FReceiveAmountFor", 0)), 1000);
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FAmount", 0)), 1000);
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FDiscountAmountFor", 0)), 0);

  Set(window, "FReceiveAmountFor", 0, "950");
  Events events = TakeEvents();
  EXPECT_TRUE(Contains(events, "AfterDoAction CalcDiscount"));
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FDiscount", 0)), 95);
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FDiscountAmountFor", 0)), 50);
  // The change comes first, the actions after it, the end-of-amount event last.
  auto at = [&](const std::string& prefix) {
    return std::find_if(events.begin(), events.end(),
                        [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }) -
           events.begin();
  };
  EXPECT_LT(at("Change FReceiveAmountFor"), at("BeforeDoAction"));
  EXPECT_LT(at("AfterDoAction CalcDiscLocal"), at("SetAmountForEnd FReceiveAmountFor"));

  // A cancelled action leaves its target alone and raises no AfterDoAction.
  Journal().cancelActions = {"CalcDiscount"};
  Set(window, "FReceiveAmountFor", 0, "900");
  events = TakeEvents();
  EXPECT_FALSE(Contains(events, "AfterDoAction CalcDiscount"));
  EXPECT_TRUE(Contains(events, "AfterDoAction CalcDiscAmt"));
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FDiscount", 0)), 95);
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FDiscountAmountFor", 0)), 100);

  // Dividing by a zero gross amount leaves the discount as it was.
  Journal().cancelActions.clear();
  Set(window, "FAmountFor", 0, "0");
  Set(window, "FReceiveAmountFor", 0, "10");
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FDiscount", 0)), 95);

  // The plug-in's DoAction runs the same formulas; results keep the field's decimals.
  On([&] {
    BillEditorEvent& editor = window.Editor();
    editor.SetFieldValue("FAmountFor", qor::Variant(333.333), -1);
    editor.SetFieldValue("FExchangeRate", qor::Variant(7.1), -1);
    editor.BillCtl()->DoAction(editor.GetFieldInfo("FExchangeRate"),
                               editor.GetFieldData("FExchangeRate", -1), -1);
  });
  EXPECT_DOUBLE_EQ(qor::CDbl(window.FieldValue("FAmount", 0)), 2366.66);
  EXPECT_TRUE(Contains(TakeEvents(), "AfterDoAction CalcLocal"));
}

TEST_F(BillEditorTest, ARunTimeErrorOfAHandlerIsShownWithStopButtonsAndRefusesTheChange) {
  BillEditorWindow& window = Open("other-receivable", 2, 2);
  TakeEvents();
  Journal().failEvent = "Change";
  Set(window, "FExplanation", 0, "x");
  EXPECT_FALSE(window.m_LastSetAccepted.value_or(true));
  ASSERT_TRUE(window.m_LastError.has_value());
  EXPECT_EQ(window.m_LastError->Number(), 5);
  EXPECT_EQ(window.m_LastError->Source(), "clsTest.Change");
  ASSERT_EQ(m_Run->Messages().size(), 1u);
  EXPECT_EQ(m_Run->Messages()[0].text, "Change failed");
  EXPECT_EQ(m_Run->Messages()[0].buttons, 16);
  EXPECT_EQ(m_Run->Messages()[0].title, "clsTest.Change");
  EXPECT_NE(qor::StrOf(window.FieldValue("FExplanation", 0)), "x");

  // The next action starts without the old error.
  Journal().failEvent.clear();
  Set(window, "FExplanation", 0, "y");
  EXPECT_FALSE(window.m_LastError.has_value());
  EXPECT_TRUE(window.m_LastSetAccepted.value_or(false));
}

TEST_F(BillEditorTest, TheEditorsOperationsKeepStatusTextsRowsAndTheBillDictionary) {
  BillEditorWindow& window = Open("receipt", 2, 2);
  On([&] {
    BillEditorEvent& editor = window.Editor();
    editor.SetStatusText(5, "信用额度正常");
    editor.GetBillDictionary()->SetItem("AddModel", true);
    editor.InvokeEditorAction(2);
    EXPECT_THROW(editor.InvokeEditorAction(7), qor::VbError);
    EXPECT_THROW(editor.GetFieldValue("FNoSuchField", 0), qor::VbError);
    EXPECT_EQ(editor.GetFieldInfoByKey("FNoSuchField", "", 0), nullptr);
    // Values written by code are looked up: an id, or a code typed as text.
    editor.SetFieldValue("FCurrencyID", qor::Variant("USD"), -1);
    EXPECT_EQ(qor::CLng(editor.GetFieldValue("FCurrencyID", -1)), 2);
    EXPECT_EQ(qor::StrOf(editor.GetFieldValue("FCurrencyID", -1, 2)), "USD");
    editor.SetFieldValue("FAcctID", qor::Variant("1002.01"), -1);
    EXPECT_EQ(qor::CLng(editor.GetFieldValue("FAcctID", -1)), 3);
    editor.SetFieldText(editor.GetFieldInfo("FExchangeRate"), "七点一", 0);
    EXPECT_TRUE(qor::CBool(editor.GetBillDictionary()->Item("AddModel")));
    editor.BillEntrys(1)->LOOMFields("FFKDBillNo")->SetProperty("VISIBLE", true);
    EXPECT_TRUE(qor::CBool(editor.GetFieldInfo("FFKDBillNo")->Item("FVisible")));
    EXPECT_THROW(editor.BillEntrys(1)->LOOMFields("FNoSuchColumn"), qor::VbError);
  });
  EXPECT_EQ(window.StatusText(5), "信用额度正常");
  EXPECT_EQ(window.StatusText(1), "");
  EXPECT_EQ(window.RowCount(), 0);
  EXPECT_EQ(window.FieldText("FExchangeRate", 0), "七点一");
  // The shown text lasts until the value changes.
  Set(window, "FExchangeRate", 0, "7.2");
  EXPECT_EQ(window.FieldText("FExchangeRate", 0), "7.200000");
}

}  // namespace
}  // namespace refhost::editortest
