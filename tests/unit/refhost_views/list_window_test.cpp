#include <gtest/gtest.h>

#include <map>

#include "unit/refhost_views/view_test_support.h"

namespace refhost::viewtest {
namespace {

using Events = std::vector<std::string>;

class ListWindowTest : public ViewWindowTest {
 protected:
  int32_t LinesOf(const std::string& view) {
    return qor::CLng(SqlValue("SELECT COUNT(*) FROM " + view));
  }
};

TEST_F(ListWindowTest, OpeningShowsTheListObjectThenBuildsTheBarsThenReadsTheLines) {
  Window& window = OpenList("receipt-list");
  int32_t lines = LinesOf("vw_qor_list_receipt");
  ASSERT_GT(lines, 4);

  EXPECT_EQ(TakeEvents(), (Events{"create clsReceiveBill", "Show(ListEvents)", "MenuBarInitialize",
                                  "BarInitialize", "AfterGetData"}));
  ASSERT_NE(Journal().list, nullptr);
  EXPECT_EQ(Journal().list->TypeName(), "ListEvents");
  // The lines are there when AfterGetData is raised, not before.
  EXPECT_EQ(Journal().recordCounts, std::vector<int32_t>{lines});
  EXPECT_EQ(Journal().list->GetListRecordset()->RecordCount(), lines);
  EXPECT_EQ(Journal().list->GetListDefinition()->ClassTypeID(), 1000201);
  EXPECT_EQ(Journal().list->ShowMode(), 0);
  EXPECT_EQ(Journal().barAtInitialize.get(), &window.Toolbar());
  EXPECT_EQ(Journal().list->GetToolBarControl().get(), &window.Toolbar());

  // In the list's order (date, number, entry).
  EXPECT_EQ(window.Kind(), "receipt-list");
  EXPECT_EQ(window.RowCount(), lines);
  EXPECT_EQ(window.FieldText("FBillNo", 1), "SK0001");
  EXPECT_EQ(window.FieldText("FBillNo", 2), "SK0002");
  EXPECT_EQ(qor::CLng(window.FieldValue("FEntryID", 3)), 2);
  EXPECT_EQ(window.StatusText(0), "收款单序时簿");
  EXPECT_EQ(window.StatusText(1), "共 " + std::to_string(lines) + " 条记录");
  EXPECT_THROW(window.FieldValue("FNoSuchColumn", 1), ScenarioError);
  EXPECT_THROW(window.FieldValue("FBillNo", lines + 1), ScenarioError);
}

TEST_F(ListWindowTest, EachListCreatesItsOwnClassAndReportsItsClassType) {
  const std::map<std::string, std::string> classes = {{"receipt-list", "clsReceiveBill"},
                                                      {"payment-list", "clsPayBill"},
                                                      {"other-receivable-list", "clsROtherBill"},
                                                      {"other-payable-list", "clsPOtherBill"},
                                                      {"sales-invoice-list", "clsInvoice"},
                                                      {"purchase-invoice-list", "clsInvoice"},
                                                      {"initial-list", "clsRPInitial"}};
  for (const auto& [kind, className] : classes) {
    SCOPED_TRACE(kind);
    Window& window = OpenList(kind);
    Events events = TakeEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "create " + className);
    int32_t classType = qor::CLng(
        SqlValue("SELECT FClassTypeID FROM t_ListTemplate WHERE FWindow = '" + kind + "'"));
    EXPECT_EQ(Journal().list->GetListDefinition()->ClassTypeID(), classType);
    EXPECT_EQ(window.Toolbar().FindBand("mnuData")->Tools().Find("viewBill") != nullptr,
              kind == "receipt-list" || kind == "payment-list");
    OnSession([&] { m_Session->CloseCurrent(); });
    EXPECT_EQ(TakeEvents(), Events{"terminate " + className});
  }
  EXPECT_THROW(OpenList("voucher-list"), ScenarioError);
}

TEST_F(ListWindowTest, SelectedRowsHoldEveryLineOfEachBillNamed) {
  Window& window = OpenList("receipt-list");
  OnSession([&] { window.SelectRows({"SK0004", "SK0002"}); });

  qor::HostVectorPtr rows = Journal().list->GetSelectedRows();
  ASSERT_EQ(rows->Count(), 4);
  // In list order, each with the columns of its line.
  std::vector<std::pair<std::string, int32_t>> seen;
  for (int32_t i = 1; i <= rows->Count(); ++i) {
    auto line = std::dynamic_pointer_cast<qor::HostDictionary>(rows->Item(i).ObjectValue());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(qor::CLng(line->Item("FClassTypeID")), 1000201);
    EXPECT_TRUE(line->Lookup("FInterID"));
    seen.emplace_back(qor::StrOf(line->Item("FBillNo")), qor::CLng(line->Item("FBillID")));
  }
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, int32_t>>{
                      {"SK0002", 2}, {"SK0002", 2}, {"SK0002", 2}, {"SK0004", 4}}));
  EXPECT_EQ(window.StatusText(2), "已选 4 条");

  // An unknown number fails and leaves the selection as it was.
  EXPECT_THROW(OnSession([&] { window.SelectRows({"SK0002", "SK9999"}); }), ScenarioError);
  EXPECT_EQ(Journal().list->GetSelectedRows()->Count(), 4);

  // A refresh reads the lines anew; the bills still there stay selected, and
  // the recordset the plug-in took at Show follows.
  qor::RecordsetPtr shown = Journal().list->GetListRecordset();
  int32_t before = shown->RecordCount();
  Sql("DELETE FROM t_RP_RBill WHERE FBillID = 4");
  OnSession([&] { Journal().list->RefreshList(); });
  EXPECT_EQ(shown->RecordCount(), before - 1);
  EXPECT_EQ(Journal().recordCounts.back(), before - 1);
  EXPECT_EQ(Journal().list->GetSelectedRows()->Count(), 3);
}

TEST_F(ListWindowTest, ClickRunsTheHostsCommandOnlyWhenThePluginLetsIt) {
  Window& window = OpenList("other-receivable-list");
  TakeEvents();
  int32_t firstBill = qor::CLng(window.FieldValue("FBillID", 1));
  std::string firstNumber = window.FieldText("FBillNo", 1);
  OnSession([&] { window.SelectRows({firstNumber}); });

  Journal().cancelTools = {"mnuFileView", "mnuFileRefresh"};
  OnSession([&] { window.Click("mnuFileView"); });
  EXPECT_EQ(window.m_LastClickCancelled, std::optional<bool>(true));
  EXPECT_FALSE(m_Run->Shown().billShown.has_value());
  OnSession([&] { window.Click("mnuFileRefresh"); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileView", "MenuBarClick mnuFileRefresh"}));

  Journal().cancelTools.clear();
  OnSession([&] { window.Click("mnuFileView"); });
  EXPECT_EQ(window.m_LastClickCancelled, std::optional<bool>(false));
  EXPECT_EQ(m_Run->Shown().billShown, std::optional<int32_t>(firstBill));
  OnSession([&] { window.Click("mnuFileRefresh"); });
  EXPECT_EQ(TakeEvents(),
            (Events{"MenuBarClick mnuFileView", "MenuBarClick mnuFileRefresh", "AfterGetData"}));

  // A handler's run-time error is shown and stops the command.
  Journal().failTool = "mnuFileRefresh";
  OnSession([&] { window.Click("mnuFileRefresh"); });
  EXPECT_EQ(TakeEvents(), Events{"MenuBarClick mnuFileRefresh"});
  ASSERT_TRUE(window.m_LastError.has_value());
  EXPECT_EQ(window.m_LastError->Number(), 5);
  ASSERT_FALSE(m_Run->Messages().empty());
  EXPECT_EQ(m_Run->Messages().back().text, "click failed");
  EXPECT_EQ(m_Run->Messages().back().buttons, 16);
  EXPECT_EQ(m_Run->Messages().back().title, "RecordingPlugin");

  // Tools the user cannot reach are a mistake of the scenario; the plug-in
  // hears nothing of them.
  window.Toolbar().SetToolProperty("mnuFileNew", "Visible", false);
  window.Toolbar().Tools().Item("mnuEditModify")->m_Enabled = false;
  EXPECT_THROW(OnSession([&] { window.Click("mnuFileNew"); }), ScenarioError);
  EXPECT_THROW(OnSession([&] { window.Click("mnuEditModify"); }), ScenarioError);
  EXPECT_THROW(OnSession([&] { window.Click("mnuNoSuchTool"); }), ScenarioError);
  EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ListWindowTest, GetBillDetailGivesEveryEntryRowOfTheStoredBill) {
  OpenList("receipt-list");
  qor::RecordsetPtr detail;
  OnSession([&] { detail = Journal().list->GetListDefinition()->GetBillDetail(2); });
  ASSERT_EQ(detail->RecordCount(), 3);
  EXPECT_EQ(qor::StrOf(detail->Field("FBillNo")), "SK0002");
  EXPECT_EQ(qor::CLng(detail->Field("FPreparer")), 1);
  EXPECT_TRUE(detail->HasField("FCheckerID") && detail->HasField("FVoucherID"));
  OnSession([&] { detail = Journal().list->GetListDefinition()->GetBillDetail(999); });
  EXPECT_TRUE(detail->IsEOF());
  // Reading a bill shows nothing.
  EXPECT_FALSE(m_Run->Shown().billShown.has_value());
}

TEST_F(ListWindowTest, ShowOpensTheBillOfTheCurrentLineByItsPrimaryColumn) {
  Window& window = OpenList("receipt-list");
  window.SelectRows({"SK0004"});
  auto fields = std::make_shared<qor::HostVector>();
  auto primary = std::make_shared<qor::HostDictionary>();
  primary->SetItem("FISPrimary", 1);
  primary->SetItem("FColName", "FInterID");
  fields->Add(primary);
  OnSession([&] {
    // The recordset's current record is the current line.
    EXPECT_EQ(qor::StrOf(Journal().list->GetListRecordset()->Field("FBillNo")), "SK0004");
    Journal().list->SetListRSFieldVect(fields);
    Journal().list->SetOpt();
    Journal().list->Show();
  });
  // SK0004 settles INV0002 (id 2).
  EXPECT_EQ(m_Run->Shown().billShown, std::optional<int32_t>(2));
}

TEST_F(ListWindowTest, PickingModeAndTheMultiLevelCheckSwitch) {
  OnSession([&] { m_Session->Open(OpenListWindow(*m_Session, "payment-list", 3)); });
  bool running = true;
  OnSession([&] {
    EXPECT_EQ(Journal().list->ShowMode(), 3);
    EXPECT_EQ(Journal().list->ClassTypeID(), 1000202);
    running = Journal().list->GetMultiCheck()->IsRun();
  });
  EXPECT_FALSE(running);
  Sql("INSERT INTO t_SystemProfile (FCategory, FKey, FValue) VALUES ('IC', 'MultiCheck', '1')");
  OnSession([&] {
    auto check = Journal().list->GetMultiCheck();
    running = check->IsRun() && check->ExistMultiCheck();
  });
  EXPECT_TRUE(running);
}

TEST_F(ListWindowTest, ClosingEndsThePluginAndTheListObject) {
  OpenList("initial-list");
  std::shared_ptr<qor::ListEvents> list = Journal().list;
  OnSession([&] { m_Session->CloseCurrent(); });
  EXPECT_EQ(TakeEvents().back(), "terminate clsRPInitial");
  EXPECT_TRUE(Journal().lastCreated.expired());
  try {
    list->GetSelectedRows();
    ADD_FAILURE() << "a closed list answered";
  } catch (const qor::VbError& error) {
    EXPECT_EQ(error.Number(), 91);
  }

  // A handler object that keeps its class alive does not keep it past Close.
  Journal().sinkHoldsPlugin = true;
  OpenList("sales-invoice-list");
  OnSession([&] { m_Session->CloseCurrent(); });
  EXPECT_EQ(TakeEvents().back(), "terminate clsInvoice");
  EXPECT_TRUE(Journal().lastCreated.expired());
}

TEST_F(ListWindowTest, AClassThatCannotBeCreatedIsReportedAndTheListStillOpens) {
  ComponentRegistry::Global().Register("QORARAPBillInterface.clsPayBill",
                                       []() -> qor::ObjectPtr { return nullptr; });
  Window& window = OpenList("payment-list");
  ASSERT_TRUE(window.m_LastError.has_value());
  EXPECT_EQ(window.m_LastError->Number(), 429);
  ASSERT_EQ(m_Run->Messages().size(), 1u);
  EXPECT_EQ(m_Run->Messages()[0].buttons, 16);
  EXPECT_EQ(window.RowCount(), LinesOf("vw_qor_list_payment"));
  OnSession([&] { window.Click("mnuFileRefresh"); });
  EXPECT_EQ(window.m_LastClickCancelled, std::optional<bool>(false));
}

}  // namespace
}  // namespace refhost::viewtest
