#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/vb.h"
#include "host/components.h"
#include "host/platform.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/services/ledger_view.h"
#include "refhost/session.h"
#include "unit/host_session_fixture.h"

namespace refhost {
namespace {

using qor::Variant;

// A fresh demo company in a file of its own, a host run over it and its
// first session "main" (process 1000, logged in as user 1).
class ServicesTest : public unit_test::HostSessionTest {
 protected:
  ServicesTest() : HostSessionTest("qor-services", 1000) {}

  void TearDown() override {
    m_Other.reset();
    HostSessionTest::TearDown();
  }

  // A second user's process on the same database.
  Session& Other() {
    if (!m_Other) m_Other = std::make_unique<Session>(*m_Run, "other", 1001);
    return *m_Other;
  }

  // The result of a call made on the session's thread.
  template <class F>
  static auto On(Session& session, F&& call) {
    decltype(call()) result{};
    session.Invoke([&] { result = call(); });
    return result;
  }

  template <class I>
  static std::shared_ptr<I> Create(const std::string& progId) {
    return qor::CreateDirect<I>(progId);
  }

  int32_t LockRows(const std::string& sessionName) {
    return On(*m_Session, [&] {
      return qor::CLng(m_Session->Db().QueryValue(
          "SELECT COUNT(*) FROM t_FuncLock WHERE FSession = ?", {Variant(sessionName)}));
    });
  }

  std::unique_ptr<Session> m_Other;
};

// Takes a bill-modify lock through the session's login object.
int32_t TakeLock(Session& session, const std::string& code, const std::optional<Variant>& key) {
  int32_t handle = 0;
  session.Invoke([&] {
    auto share = qor::CreateDirect<qor::SharePropsComponent>("QORPropsMgr.ShareProps");
    auto login = qor::AsRequired<qor::LoginObject>(
        share->GetProperty(session.ProcessId(), "QORLogin").ObjectValue());
    handle = qor::CLng(login->TaskExec(21, code, session.MachineName(), 3, 0, 0, key));
  });
  return handle;
}

bool ReleaseLock(Session& session, int32_t handle) {
  bool released = false;
  session.Invoke([&] {
    auto mutex = qor::CreateDirect<qor::NetControlMutex>("QORNetControl.Mutex");
    released = mutex->CommitTask(session.PropsString(), handle);
  });
  return released;
}

TEST_F(ServicesTest, LockOfOneSessionRefusesTheOtherUntilReleased) {
  int32_t first = TakeLock(*m_Session, "AR0224", Variant(2));
  ASSERT_GT(first, 0);
  EXPECT_EQ(TakeLock(Other(), "AR0224", Variant(2)), 0);
  EXPECT_EQ(TakeLock(Other(), "ar0224", Variant("2")), 0) << "codes and keys compare as text";
  EXPECT_GT(TakeLock(Other(), "AR0224", Variant(3)), 0) << "another record is free";
  EXPECT_GT(TakeLock(Other(), "AP0224", Variant(2)), 0) << "another function is free";
  EXPECT_EQ(TakeLock(Other(), "AR0224", std::nullopt), 0) << "a lock without key covers all";

  int32_t again = TakeLock(*m_Session, "AR0224", Variant(2));
  EXPECT_GT(again, first) << "the holder gets a second handle";

  EXPECT_FALSE(ReleaseLock(Other(), first)) << "only the holder releases";
  EXPECT_FALSE(ReleaseLock(*m_Session, 999999));
  EXPECT_TRUE(ReleaseLock(*m_Session, first));
  EXPECT_FALSE(ReleaseLock(*m_Session, first));
  EXPECT_EQ(TakeLock(Other(), "AR0224", Variant(2)), 0) << "the second handle still holds";
  EXPECT_TRUE(ReleaseLock(*m_Session, again));
  EXPECT_GT(TakeLock(Other(), "AR0224", Variant(2)), 0);
}

TEST_F(ServicesTest, UserLocksOfARecordAreFoundAndReleasedTogether) {
  int32_t a = TakeLock(*m_Session, "AR0302", Variant(7));
  int32_t b = TakeLock(*m_Session, "AR0302", Variant(7));
  int32_t otherRecord = TakeLock(*m_Session, "AR0302", Variant(8));
  int32_t otherCode = TakeLock(*m_Session, "AR0303", Variant(7));
  int32_t otherSession = TakeLock(Other(), "AR0302", Variant(9));
  ASSERT_TRUE(a > 0 && b > 0 && otherRecord > 0 && otherCode > 0 && otherSession > 0);

  m_Session->Invoke([&] {
    auto mutex = qor::CreateDirect<qor::NetControlMutex>("QORNetControl.Mutex");
    int32_t record = 7;
    Variant held = mutex->GetTaskIdByUserInfo(m_Session->PropsString(), "AR0302", record);
    auto handles = qor::AsRequired<qor::HostVector>(held.ObjectValue());
    ASSERT_EQ(handles->Count(), 2);
    EXPECT_EQ(qor::CLng(handles->Item(1)), a);
    EXPECT_EQ(qor::CLng(handles->Item(2)), b);
    EXPECT_TRUE(mutex->BatchCommitTask(m_Session->PropsString(), handles));
    EXPECT_TRUE(mutex->GetTaskIdByUserInfo(m_Session->PropsString(), "AR0302", record).IsEmpty());
  });
  Other().Invoke([&] {
    auto mutex = qor::CreateDirect<qor::NetControlMutex>("QORNetControl.Mutex");
    int32_t record = 8;
    EXPECT_TRUE(mutex->GetTaskIdByUserInfo(Other().PropsString(), "AR0302", record).IsEmpty())
        << "another session's lock is not the caller's";
  });
  EXPECT_EQ(LockRows("main"), 2);
  EXPECT_EQ(LockRows("other"), 1);
}

TEST_F(ServicesTest, EndingASessionReleasesItsLocks) {
  ASSERT_GT(TakeLock(Other(), "AP0224", Variant(1)), 0);
  ASSERT_GT(TakeLock(Other(), "pu0551", std::nullopt), 0);
  EXPECT_EQ(LockRows("other"), 2);
  EXPECT_EQ(TakeLock(*m_Session, "pu0551", Variant(5)), 0) << "a lock without key covers all";
  m_Other.reset();
  EXPECT_EQ(LockRows("other"), 0);
  EXPECT_GT(TakeLock(*m_Session, "AP0224", Variant(1)), 0);
  EXPECT_GT(TakeLock(*m_Session, "pu0551", Variant(5)), 0);
}

TEST_F(ServicesTest, SharedPropertiesAnswerForTheAskingProcess) {
  Other().Login(2);
  auto read = [](Session& session, int32_t processId, const std::string& key) {
    return On(session, [&] {
      auto share = qor::CreateDirect<qor::SharePropsComponent>("QORPropsMgr.ShareProps");
      return share->GetProperty(processId, key);
    });
  };
  EXPECT_EQ(qor::StrOf(read(*m_Session, 1000, "PropsString")),
            "UserName=系统管理员;UserID=1;ConnectString={Provider=SQLite;Data Source=" + m_Path +
                "};Language=chs;Machine=PC-MAIN");
  EXPECT_EQ(qor::StrOf(read(Other(), 1001, "PropsString")), Other().PropsString());
  EXPECT_NE(Other().PropsString().find("UserName=王会计;UserID=2;"), std::string::npos);
  EXPECT_EQ(qor::StrOf(read(Other(), 1001, "UserName")), "王会计");
  EXPECT_TRUE(read(*m_Session, 1000, "QORLogin").IsObject());
  EXPECT_TRUE(read(*m_Session, 1000, "Nothing").IsEmpty());
  EXPECT_TRUE(read(*m_Session, 4242, "PropsString").IsEmpty());
  EXPECT_THROW(m_Session->Login(99), ScenarioError);
  EXPECT_EQ(m_Session->UserId(), 1) << "a refused login keeps the previous one";
}

TEST_F(ServicesTest, LedgerViewGivesCurrenciesAndRereadsThemOnRefresh) {
  m_Session->Invoke([&] {
    auto ledger = Create<qor::GLDataComponent>("QOREBCGLView.GLData");
    auto yen = ledger->GetCurrency(3);
    EXPECT_EQ(yen->ScaleX(), 0);
    EXPECT_EQ(yen->Operator(), "/");
    EXPECT_FALSE(yen->MulExchangeRate());
    EXPECT_DOUBLE_EQ(yen->ExchangeRate(), 20);
    auto dollar = ledger->GetCurrency(2);
    EXPECT_EQ(dollar->ScaleX(), 2);
    EXPECT_EQ(dollar->Name(), "美元");
    EXPECT_TRUE(dollar->MulExchangeRate());
    try {
      ledger->GetCurrency(77);
      ADD_FAILURE() << "an unknown currency must fail";
    } catch (const qor::VbError& error) {
      EXPECT_EQ(error.Source(), "QOREBCGLView.GLData");
    }

    m_Session->Db().Execute("UPDATE t_Currency SET FScale = 4 WHERE FCurrencyID = 2");
    EXPECT_EQ(ledger->GetCurrency(2)->ScaleX(), 2) << "read once until refreshed";
    ledger->GetCurrencySet()->Refresh();
    EXPECT_EQ(ledger->GetCurrency(2)->ScaleX(), 4);
  });
  EXPECT_EQ(CurrencyRefreshCount(1000), 1);
  EXPECT_EQ(CurrencyRefreshCount(1001), 0);
}

TEST_F(ServicesTest, LedgerViewChecksRightsAndWritesTheLog) {
  auto check = [](Session& session, int32_t object, int32_t mask) {
    return On(session, [&] {
      int32_t a = 1010;
      return Create<qor::GLDataComponent>("QOREBCGLView.GLData")->AccessCheck(a, object, mask);
    });
  };
  Other().Login(3);  // the cashier may only check receipts and payments
  EXPECT_TRUE(check(Other(), 1000201, 1));
  EXPECT_FALSE(check(Other(), 1000201, 4096));
  EXPECT_FALSE(check(Other(), 1000201, 4097)) << "every bit of the mask is needed";
  EXPECT_FALSE(check(Other(), 1000205, 1));
  EXPECT_TRUE(check(*m_Session, 1000205, 65536));

  Other().Invoke([&] {
    Create<qor::GLDataComponent>("QOREBCGLView.GLData")->WriteLog("RP1000205A", 1, "审核成功");
    auto rs =
        Other().Db().Query("SELECT FUserID, FFuncCode, FType, FText, FMachine FROM t_BusinessLog");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(qor::CLng(rs->Field("FUserID")), 3);
    EXPECT_EQ(qor::StrOf(rs->Field("FFuncCode")), "RP1000205A");
    EXPECT_EQ(qor::CLng(rs->Field("FType")), 1);
    EXPECT_EQ(qor::StrOf(rs->Field("FText")), "审核成功");
    EXPECT_EQ(qor::StrOf(rs->Field("FMachine")), "PC-OTHER");
  });
}

TEST_F(ServicesTest, CurrentPeriodFollowsTheProfiles) {
  m_Session->Invoke([&] {
    auto search = Create<qor::CommonSearchComponent>("QORMCaculate.CommonSearch");
    int32_t year = 0;
    int32_t period = 0;
    Variant start;
    Variant end;
    search->GetDateExt(m_Session->PropsString(), year, period, start, end);
    EXPECT_EQ(year, 2026);
    EXPECT_EQ(period, 12);
    EXPECT_EQ(qor::FormatDate(qor::CDate(start)), "2026-12-01");
    EXPECT_EQ(qor::FormatDate(qor::CDate(end)), "2026-12-31");

    m_Session->Db().Execute("UPDATE t_SystemProfile SET FValue = '2' WHERE FKey = 'CurrentPeriod'");
    search->GetDateExt(m_Session->PropsString(), year, period, start, end);
    EXPECT_EQ(qor::FormatDate(qor::CDate(end)), "2026-02-28");

    m_Session->Db().Execute(
        "UPDATE t_SystemProfile SET FValue = '13' WHERE FKey = 'CurrentPeriod'");
    EXPECT_THROW(search->GetDateExt(m_Session->PropsString(), year, period, start, end),
                 qor::VbError);

    auto system = Create<qor::SystemComponent>("QORMSystem.System");
    EXPECT_EQ(qor::FormatDate(qor::CDate(system->GetRptTransDate(""))), "2025-12-31");
    EXPECT_EQ(system->GetSystemProfile("General", "SingleMan", ""), "1");
    EXPECT_EQ(system->GetSystemProfile("IC", "NoSuchKey", ""), "");
  });
}

TEST_F(ServicesTest, MessageBoxesTakeQueuedAnswers) {
  HostRun& run = *m_Run;
  std::vector<std::string> trace;
  run.SetTraceSink([&](const std::string& line) { trace.push_back(line); });
  m_Session->Invoke([] { EXPECT_EQ(qor::CurrentPlatform().MsgBox("已保存", 64, "青岚提示"), 1); });
  try {
    m_Session->Invoke([] { qor::CurrentPlatform().MsgBox("是否继续？", 36, "青岚提示"); });
    ADD_FAILURE() << "a question without an answer must fail the scenario";
  } catch (const ScenarioError& error) {
    EXPECT_STREQ(error.what(), "question without an answer: 是否继续？");
  }
  run.QueueAnswer(7);
  m_Session->Invoke([] { EXPECT_EQ(qor::CurrentPlatform().MsgBox("删除吗？", 4, "青岚提示"), 7); });
  run.QueueAnswer(6);
  EXPECT_THROW(run.ShowMessageBox("确定？", 1, "t", "main"), ScenarioError)
      << "yes does not answer an OK/Cancel box";

  ASSERT_EQ(run.Messages().size(), 4u);
  EXPECT_EQ(run.Messages()[0].session, "main");
  EXPECT_EQ(run.Messages()[0].buttons, 64);
  EXPECT_EQ(run.Messages()[2].result, 7);
  EXPECT_NE(std::find(trace.begin(), trace.end(), "  answer: no"), trace.end());
  run.SetTraceSink(nullptr);  // the sessions still trace while they end
}

TEST_F(ServicesTest, NotYetAvailableMembersRaise438) {
  m_Session->Invoke([] {
    auto bills = Create<qor::ArApBillComponent>("QORebsArApBill.clsArBill");
    try {
      bills->GetBill("", true);
      ADD_FAILURE() << "GetBill must not answer";
    } catch (const qor::VbError& error) {
      EXPECT_EQ(error.Number(), qor::kErrNoSuchMember);
      EXPECT_EQ(error.Source(), "QORebsArApBill.clsArBill");
      EXPECT_EQ(error.Description(),
                "QORebsArApBill.clsArBill.GetBill is not available yet in the reference host");
    }
  });
}

TEST_F(ServicesTest, CreditStatusFromThePartnersBalanceAndLimit) {
  m_Session->Invoke([] {
    auto credit = Create<qor::CreditComponent>("QORBills.clsCredit");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("C001", 1000201),
              "应收余额 7500.00，信用额度 200000.00，可用额度 192500.00");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit(" C002 ", 1000205),
              "应收余额 21000.00，信用额度 50000.00，可用额度 29000.00");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("C005", 1000201), "应收余额 10000.00，未设信用额度");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("S002", 1000206),
              "应付余额 6000.00，信用额度 20000.00，可用额度 14000.00");
    // A customer's number on the payable side, an unknown number, another bill type.
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("C001", 1000202), "");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("C001' OR '1'='1", 1000201), "");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("C001", 1000207), "");
    auto db = &CurrentSession().Db();
    db->Execute("UPDATE t_Organization SET FCreditDegree = 5000 WHERE FItemID = 1");
    EXPECT_EQ(credit->GetStatusMoneyAndCredit("C001", 1000201),
              "应收余额 7500.00，信用额度 5000.00，已超出信用额度 2500.00");
  });
}

TEST_F(ServicesTest, PushDownOriginFromThePushTable) {
  m_Session->Invoke([] {
    auto push = Create<qor::PushComponent>("QORMARAPPush.clsPush");
    EXPECT_EQ(push->GetBillTypeID("", 1100, "t_RP_PBill"), 1000018);
    EXPECT_EQ(push->GetBillTypeID("", 1100, "T_RP_RBILL"), 1000002);
    EXPECT_EQ(push->GetBillTypeID("", 2, "t_RP_PBill"), 0);
    EXPECT_EQ(push->GetBillTypeID("", 1100, "t_RP_PushBill"), 0);
    CurrentSession().Db().Execute("UPDATE t_RP_PBill SET FPushed = 1 WHERE FBillID = 2");
    EXPECT_EQ(push->GetBillTypeID("", 2, "t_RP_PBill"), 1);
  });
}

TEST_F(ServicesTest, PlatformOfTheSessionThread) {
  EXPECT_FALSE(HasCurrentSession());
  std::thread::id sessionThread;
  m_Session->Invoke([&] {
    sessionThread = std::this_thread::get_id();
    EXPECT_EQ(&CurrentSession(), m_Session.get());
    EXPECT_EQ(qor::CurrentPlatform().ComputerName(), "PC-MAIN");
    EXPECT_EQ(qor::CurrentPlatform().ProcessId(), 1000);
    try {
      qor::CreateObject("QORNobody.Nothing");
      ADD_FAILURE() << "an unknown identifier must fail";
    } catch (const qor::VbError& error) {
      EXPECT_EQ(error.Number(), qor::kErrCannotCreate);
      EXPECT_EQ(error.Source(), "QORNobody.Nothing");
    }
  });
  EXPECT_NE(sessionThread, std::this_thread::get_id());
  m_Run->SetToday(qor::DateSerial(2026, 12, 15));
  m_Session->Invoke([] { EXPECT_EQ(qor::FormatDate(qor::CurrentPlatform().Now()), "2026-12-15"); });
  EXPECT_THROW(m_Session->Invoke([] { throw std::logic_error("boom"); }), std::logic_error);
  EXPECT_THROW(CurrentSession(), ScenarioError);
}

// A window that records where and when it was closed.
class ProbeWindow : public Window {
 public:
  ProbeWindow(std::string kind, std::vector<std::string>& closed)
      : m_Kind(std::move(kind)), m_Closed(closed) {}
  std::string Kind() const override { return m_Kind; }
  void Close() override { m_Closed.push_back(m_Kind + (HasCurrentSession() ? "" : " off-thread")); }
  qor::ToolbarControl& Toolbar() override { return m_Toolbar; }

 private:
  std::string m_Kind;
  std::vector<std::string>& m_Closed;
  qor::ToolbarControl m_Toolbar;
};

TEST_F(ServicesTest, WindowsCloseLastFirstOnTheSessionThread) {
  std::vector<std::string> closed;
  Other().Open(std::make_unique<ProbeWindow>("receipt-list", closed));
  Other().Open(std::make_unique<ProbeWindow>("receipt", closed));
  Other().Open(std::make_unique<ProbeWindow>("payment", closed));
  EXPECT_EQ(Other().Current()->Kind(), "payment");
  Other().CloseCurrent();
  EXPECT_EQ(Other().Current()->Kind(), "receipt");
  m_Other.reset();
  EXPECT_EQ(closed, (std::vector<std::string>{"payment", "receipt", "receipt-list"}));
  EXPECT_THROW(m_Session->CloseCurrent(), ScenarioError);
}

TEST_F(ServicesTest, IncomeTypesAndTheirUse) {
  m_Session->Invoke([] {
    auto types = Create<qor::InOutTypeComponent>("QORebsArAPBill.clsInOutType");
    auto all = types->GetRPInOutTypeInfo("", std::nullopt);
    EXPECT_EQ(all->RecordCount(), 12);
    auto service = types->GetRPInOutTypeInfo("", Variant(3));
    ASSERT_EQ(service->RecordCount(), 1);
    EXPECT_EQ(qor::StrOf(service->Field("FNumber")), "1.01");
    EXPECT_EQ(qor::CLng(service->Field("FIsLeaf")), 0);
    auto byNumber = types->GetRPInOutTypeInfo("", Variant("1.01.001"));
    ASSERT_EQ(byNumber->RecordCount(), 1);
    EXPECT_EQ(qor::CLng(byNumber->Field("FId")), 4);
    EXPECT_EQ(qor::CLng(byNumber->Field("FParentid")), 3);

    auto byNumberPlace = types->GetRPInOutTypeInfo("", std::nullopt, Variant("2.02"));
    ASSERT_EQ(byNumberPlace->RecordCount(), 1);
    EXPECT_EQ(qor::CLng(byNumberPlace->Field("FID")), 9);
    EXPECT_EQ(types->GetRPInOutTypeInfo("", std::nullopt, Variant("2.02"), {}, {}, Variant(1000206))
                  ->RecordCount(),
              0)
        << "another class type";
    auto underParent = types->GetRPInOutTypeInfo("", {}, {}, Variant("房租"), Variant("2.02"));
    ASSERT_EQ(underParent->RecordCount(), 1);
    EXPECT_EQ(qor::CLng(underParent->Field("FID")), 10);
    EXPECT_EQ(types->GetRPInOutTypeInfo("", {}, {}, Variant("房租"), Variant("2"))->RecordCount(),
              0)
        << "only the types directly under the parent";
    EXPECT_EQ(types->GetRPInOutTypeInfo("", {}, {}, {}, Variant("1.01"))->RecordCount(), 2);
    EXPECT_EQ(types->GetRPInOutTypeInfo("", {}, {}, Variant("运输费"))->RecordCount(), 1);
    EXPECT_EQ(types->GetRPInOutTypeInfo("", {}, Variant(""))->RecordCount(), 0)
        << "a blank number is a criterion";
    EXPECT_EQ(types->GetRPInOutTypeInfo("", Variant(0))->RecordCount(), 12)
        << "the id of a record not stored yet does not restrict";

    // By number only the bills count: a group is not a type with business.
    EXPECT_TRUE(types->CheckRPInOutTypeUsed("", Variant(), Variant("2.01")));
    EXPECT_FALSE(types->CheckRPInOutTypeUsed("", Variant(), Variant("1.01")));
    EXPECT_FALSE(types->CheckRPInOutTypeUsed("", Variant(), Variant("1.03")));
    EXPECT_FALSE(types->CheckRPInOutTypeUsed("", Variant(), Variant("")));
    EXPECT_TRUE(types->CheckRPInOutTypeUsed("", Variant(3))) << "has children";
    EXPECT_TRUE(types->CheckRPInOutTypeUsed("", Variant(4))) << "on other receivable bills";
    EXPECT_TRUE(types->CheckRPInOutTypeUsed("", Variant("2.01"))) << "on an other payable bill";
    EXPECT_FALSE(types->CheckRPInOutTypeUsed("", Variant(7)));
    EXPECT_FALSE(types->CheckRPInOutTypeUsed("", Variant(404)));

    EXPECT_TRUE(types->IsSameAcctId("", "4,5", 13));
    EXPECT_FALSE(types->IsSameAcctId("", "7", 13));
    EXPECT_TRUE(types->IsSameAcctId("", "4, 7", 14));
    EXPECT_FALSE(types->IsSameAcctId("", "", 13));
  });
}

TEST_F(ServicesTest, ViewersRecordWhatTheyShowed) {
  Other().Login(3);  // account data rights are enforced for the cashier
  Other().Invoke([&] {
    auto rights = Create<qor::VoucherInfoComponent>("QOREBSGLVoucher.VoucherInfo");
    EXPECT_FALSE(rights->CheckVoucherRight("", 4)) << "voucher 4 posts to account 13";
    EXPECT_TRUE(rights->CheckVoucherRight("", 1));
    auto items = Create<qor::ItemInfoComponent>("QOREBSGLItem.ItemInfo");
    EXPECT_TRUE(items->GetDataRight("", 3, 8));
    EXPECT_FALSE(items->GetDataRight("", 2, 8));
  });
  m_Session->Invoke([&] {
    EXPECT_TRUE(
        Create<qor::VoucherInfoComponent>("QOREBSGLVoucher.VoucherInfo")->CheckVoucherRight("", 4));
    auto app = Create<qor::GLApplication>("QOREBOGL.Application");
    auto editor = qor::AsRequired<qor::VoucherEditor>(app->ShowForm(
        "QORVoucherEditLib.VoucherEdit", "QORARAPBillInterface.ViewVch", true, "记账凭证"));
    editor->EditOptions()->SetItem("AddAfterSave", false);
    editor->LoadVoucher(1, Variant(2), nullptr);
    EXPECT_THROW(editor->LoadVoucher(1, Variant(99), nullptr), qor::VbError);
    EXPECT_EQ(app->ShowForm("Other.Form", "", true, ""), nullptr);

    Create<qor::HelpComponent>("QORCHMResTool.ClsCHMHelp")->ShowHelp("QORV11.chm", "RP1000205", 0);
    auto display = Create<qor::DispBuilderComponent>("QORDisplayer.DispBuilder");
    auto lines = std::make_shared<qor::HostVector>();
    lines->Add(Variant("SK0002 审核成功"));
    lines->Add(Variant("SK0004 审核成功"));
    display->Show(lines);
    auto related = Create<qor::RelatedBillLookup>("QORClassLookUp.RelateBilllookUp");
    related->SetBillTypeID(1000205);
    related->SetBillInterID(2);
    related->ShowList();
  });
  const ShownRecords& shown = m_Run->Shown();
  EXPECT_EQ(qor::CLng(shown.voucher), 2);
  EXPECT_EQ(shown.helpFile.value_or(""), "QORV11.chm");
  EXPECT_EQ(shown.helpTopic, "RP1000205");
  EXPECT_EQ(shown.displayLines.value_or(-1), 2);
  EXPECT_EQ(shown.related, std::make_pair(1000205, 2));
}

TEST_F(ServicesTest, EveryComponentIdentifierIsRegistered) {
  const char* ids[] = {"QORebsArApBill.clsArBill",
                       "QORebsArApBill.clsApBill",
                       "QORebsArApBill.clsArOtherBill",
                       "QORebsArApBill.clsApOtherBill",
                       "QORebsArAPBill.clsArOtherBill",
                       "QORebsArAPBill.clsApOtherBill",
                       "QORebsArApBill.clsInOutType",
                       "QORebsArAPBill.clsInOutType",
                       "QORBills.clsCredit",
                       "QORMARAPPush.clsPush",
                       "QORPlatformLib.clsApiRequest",
                       "QORMSystem.System",
                       "QORMProfile.ClassUserProfileInfo",
                       "QORMProfile.ClassUserProfileUpdate",
                       "QOREBCGLView.GLData",
                       "QORNetControl.Mutex",
                       "QORPropsMgr.ShareProps",
                       "QORConnection.AppConnection",
                       "QORMAppConnection.AppConnection",
                       "QORBillDataAccess.GetData",
                       "QORBillDataAccess.SysInfo",
                       "QORMCaculate.CommonSearch",
                       "QOREBSBase.Systemprofile",
                       "QOREBSBase.SecurityInfo",
                       "QOREBSGLItem.ItemInfo",
                       "QOREBSGLVoucher.VoucherInfo",
                       "QOREBOGL.Application",
                       "QORMVEdit.MVoucherEdit",
                       "QORDisplayer.DispBuilder",
                       "QORClassLookUp.RelateBilllookUp",
                       "QORMYWARAPRpt.Data",
                       "QORBills.Bills",
                       "QORClassTpl.Datasrv",
                       "QORBOMMImpAndExp.cImpAndExp",
                       "QORCHMResTool.ClsCHMHelp",
                       "QORFrmRes.FrmResLoader",
                       "ActiveBarLibraryCtl.ActiveBar",
                       "MSComctlLib.ImageList"};
  m_Session->Invoke([&] {
    for (const char* id : ids) EXPECT_NE(qor::CreateObject(id), nullptr) << id;
    EXPECT_NE(qor::CreateDirect<qor::ArApBillInfoComponent>("QORebsArApBill.clsArOtherBill"),
              nullptr);
    EXPECT_NE(qor::CreateDirect<qor::ToolbarControl>("ActiveBarLibraryCtl.ActiveBar"), nullptr);
    auto other = qor::CreateDirect<qor::ArApBillInfoComponent>("QORebsArAPBill.clsApOtherBill");
    EXPECT_EQ(other->GetAPBillInfo("", "QYF0002")->RecordCount(), 1);
    EXPECT_EQ(other->GetARBillInfo("", "QYF0002")->RecordCount(), 0);
  });
}

TEST_F(ServicesTest, ProfilesOfTheUserAndConnections) {
  Other().Login(2);
  Other().Invoke([&] {
    auto reader = Create<qor::UserProfileComponent>("QORMProfile.ClassUserProfileInfo");
    auto writer = Create<qor::UserProfileComponent>("QORMProfile.ClassUserProfileUpdate");
    EXPECT_EQ(reader->GetUserProfile("", "1000201BillSet", "AutoCalRecAmount"), "1");
    writer->SaveUserProfile("", "1000201BillSet", "AutoCalRecAmount", Variant(0));
    EXPECT_EQ(reader->GetUserProfile("", "1000201BillSet", "AutoCalRecAmount"), "0");
    EXPECT_EQ(Create<qor::SecurityInfoComponent>("QOREBSBase.SecurityInfo")->GetCurrentUserID(""),
              2);
    auto connection = Create<qor::AppConnection>("QORConnection.AppConnection");
    auto rs = connection->Execute("", "select FName from t_User where FUserID = 3");
    EXPECT_EQ(qor::StrOf(rs->Field("FName")), "李出纳");
  });
  m_Session->Invoke([] {
    EXPECT_EQ(Create<qor::UserProfileComponent>("QORMProfile.ClassUserProfileInfo")
                  ->GetUserProfile("", "1000201BillSet", "AutoCalRecAmount"),
              "")
        << "another user's options are his own";
    EXPECT_EQ(
        Create<qor::PushComponent>("QORMARAPPush.clsPush")->GetBillTypeID("", 1, "t_RP_RBill"), 0);
  });
}

}  // namespace
}  // namespace refhost
