// The plug-in frame inside the reference host: classes created through the
// host's component registry, function locks between two client sessions on
// one demo database, and what closing a bill window gives back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "frame/login_context.h"
#include "frame/net_control.h"
#include "host/platform.h"
#include "host/plugin_class.h"
#include "refhost/db/database.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/services/ledger_view.h"
#include "refhost/session.h"
#include "unit/host_registration.h"

namespace plugin_test {
namespace {

namespace fs = std::filesystem;

const char* const kConflictText =
    "当前使用的功能与当前或其他用户有冲突,可能无法使用! 请在软件的【系统工具】--【网络控制工具】中"
    "进行处理。";

class PluginOnHost : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { unit_test::RegisterHostAndPluginClasses(); }

  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_DbPath = (fs::temp_directory_path() /
                ("qor_plugin_" + std::to_string(getpid()) + "_" + test->name() + ".db"))
                   .string();
    refhost::Database::CreateFile(m_DbPath, true);
    m_Run = std::make_unique<refhost::HostRun>(m_DbPath);
    m_Alice = std::make_unique<refhost::Session>(*m_Run, "alice", 1001);
    m_Bob = std::make_unique<refhost::Session>(*m_Run, "bob", 1002);
    m_Bob->Login(2);
  }

  void TearDown() override {
    m_Alice.reset();
    m_Bob.reset();
    m_Run.reset();
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(m_DbPath + suffix);
  }

  // Takes the lock in the session; 0 when it conflicts (the error checked).
  static int32_t TryLock(refhost::Session& session, const std::string& code, int32_t record) {
    int32_t handle = 0;
    session.Invoke([&] {
      try {
        handle = qorarap::ExecFunc(21, code, 0, 0, qor::Variant(record));
      } catch (const qor::VbError& error) {
        EXPECT_EQ(error.Number(), 16390);
        EXPECT_EQ(error.Source(), "MNetControl.ExecFunc");
        EXPECT_EQ(error.Description(), kConflictText);
      }
    });
    return handle;
  }

  static std::shared_ptr<qor::PluginClass> Create(const std::string& className) {
    return qor::As<qor::PluginClass>(qor::CreateObject("QORARAPBillInterface." + className));
  }

  std::string m_DbPath;
  std::unique_ptr<refhost::HostRun> m_Run;
  std::unique_ptr<refhost::Session> m_Alice;
  std::unique_ptr<refhost::Session> m_Bob;
};

TEST_F(PluginOnHost, HostCreatesEachClassByItsIdentifier) {
  m_Alice->Invoke([] {
    for (const char* name :
         {"clsReceiveBill", "clsPayBill", "clsROtherBill", "clsPOtherBill", "clsRPInOutType",
          "clsRPInOutTypeView", "clsInvoice", "clsRPInitial"}) {
      EXPECT_EQ(Create(name)->TypeName(), name);
    }
  });
}

TEST_F(PluginOnHost, LoginContextIsTheSessionsOwn) {
  m_Bob->Invoke([&] {
    EXPECT_EQ(qorarap::GetPropsString(), m_Bob->PropsString());
    EXPECT_EQ(qorarap::GetSessionUserName(), "王会计");
    EXPECT_NE(qorarap::GetLoginObject(), nullptr);
    EXPECT_EQ(qorarap::GetMachineName(), "PC-BOB");
  });
}

TEST_F(PluginOnHost, FunctionLockConflictsWithAnotherSessionUntilReleased) {
  int32_t aliceHandle = TryLock(*m_Alice, "AR0224", 2);
  ASSERT_GT(aliceHandle, 0);
  EXPECT_EQ(TryLock(*m_Bob, "AR0224", 2), 0);
  // Another record or another function is free.
  EXPECT_GT(TryLock(*m_Bob, "AR0224", 4), 0);
  EXPECT_GT(TryLock(*m_Bob, "AR0225", 2), 0);

  m_Alice->Invoke([&] {
    int32_t none = 0;
    EXPECT_FALSE(qorarap::ReleaseFunc(none));
    EXPECT_TRUE(qorarap::ReleaseFunc(aliceHandle));
    EXPECT_EQ(aliceHandle, 0);
  });
  EXPECT_GT(TryLock(*m_Bob, "AR0224", 2), 0);
}

TEST_F(PluginOnHost, ClosingABillWindowReleasesTheUsersModifyLocksOfItsBill) {
  const int32_t billId = refhost::FindBillId(*m_Alice, "receipt", "SK0002");
  const int32_t otherBillId = refhost::FindBillId(*m_Alice, "receipt", "SK0004");
  m_Alice->Invoke([&] {
    // Opening for change takes the modify lock; the user also holds a second
    // one on the bill, one on another bill and a delete lock on the bill.
    m_Alice->Open(refhost::OpenWindow(*m_Alice, "receipt", 2, billId));
    EXPECT_GT(qorarap::ExecFunc(21, "AR0224", 0, 0, qor::Variant(billId)), 0);
    EXPECT_GT(qorarap::ExecFunc(21, "AR0224", 0, 0, qor::Variant(otherBillId)), 0);
    EXPECT_GT(qorarap::ExecFunc(21, "AR0225", 0, 0, qor::Variant(billId)), 0);
  });
  EXPECT_EQ(TryLock(*m_Bob, "AR0224", billId), 0);

  m_Alice->CloseCurrent();
  EXPECT_GT(TryLock(*m_Bob, "AR0224", billId), 0);
  EXPECT_EQ(TryLock(*m_Bob, "AR0224", otherBillId), 0);
  EXPECT_EQ(TryLock(*m_Bob, "AR0225", billId), 0);
}

TEST_F(PluginOnHost, OnlyAClosedReceiptRefreshesTheLedgerCurrencies) {
  m_Alice->Invoke([&] {
    const int32_t before = refhost::CurrencyRefreshCount(m_Alice->ProcessId());
    qorarap::GetGLData()->SetDeleteOptions(true);
    Create("clsPayBill").reset();
    EXPECT_EQ(refhost::CurrencyRefreshCount(m_Alice->ProcessId()), before);
    EXPECT_FALSE(qorarap::GetGLData()->DeleteOptions());

    qorarap::GetGLData()->SetDeleteOptions(true);
    Create("clsReceiveBill").reset();
    EXPECT_EQ(refhost::CurrencyRefreshCount(m_Alice->ProcessId()), before + 1);
    EXPECT_FALSE(qorarap::GetGLData()->DeleteOptions());
  });
}

}  // namespace
}  // namespace plugin_test
