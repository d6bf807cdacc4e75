// A database failure at any statement of saving, checking, unchecking or
// deleting a receipt with rows: the bill, its rows and the open amounts of its
// sources are as they were and the user is told, or the operation went
// through whole (a failure after it committed, or one that a check ignores);
// no function lock stays behind. Checking saves the bill first, so a check
// that fails after the save leaves the bill saved and unchecked.

#include <sstream>

#include "unit/settlement/settlement_host_fixture.h"

namespace settlement_test {
namespace {

struct Operation {
  const char* name;
  std::function<void(SettlementHost&)> prepare;  // before the window opens
  std::function<void(SettlementHost&)> run;      // the user's action
  // A first step that stands on its own when the rest fails (may be empty).
  std::function<void(SettlementHost&)> firstStep;
};

class ReceiptFaults : public SettlementHost {
 protected:
  // Everything the operation may change: SK0002's header and rows, the open
  // amounts of every receivable line, the receipt function locks.
  std::string Snapshot() {
    std::ostringstream out;
    m_Session->Invoke([&] {
      for (const char* query :
           {"SELECT * FROM t_RP_RBill WHERE FBillID = 2",
            "SELECT * FROM t_RP_RBillEntry WHERE FBillID = 2 ORDER BY FEntryID",
            "SELECT FBillID, FEntryID_HXD_SRC, FClassID_SRC, FBillUnReceiveAmountFor FROM "
            "vw_arap_RBillList ORDER BY FClassID_SRC, FBillID, FEntryID_HXD_SRC"}) {
        qor::RecordsetPtr rs = m_Session->Db().Query(query);
        out << query << "\n";
        for (; !rs->IsEOF(); rs->MoveNext()) {
          for (const auto& column : rs->Columns()) out << qor::StrOf(rs->Field(column)) << "|";
          out << "\n";
        }
      }
    });
    return out.str();
  }

  int Locks(const std::string& condition = "1 = 1") {
    return static_cast<int>(qor::Val(Sql("SELECT COUNT(*) FROM t_FuncLock WHERE " + condition)));
  }

  // Runs the operation with the k-th statement failing (0: none); returns
  // the number of statements it ran.
  int RunWithFailure(const Operation& operation, int failAt) {
    operation.prepare(*this);
    Open("receipt", "SK0002");
    TakeMessages();
    m_Session->Invoke([&] { m_Session->Db().FailStatementAt(failAt); });
    operation.run(*this);
    int count = 0;
    m_Session->Invoke([&] {
      count = m_Session->Db().StatementsRun();
      m_Session->Db().FailStatementAt(0);
    });
    return count;
  }

  void WalkEveryStatement(const Operation& operation) {
    const std::string before = [&] {
      operation.prepare(*this);
      return Snapshot();
    }();
    std::string firstStepDone = before;
    if (operation.firstStep) {
      Open("receipt", "SK0002");
      operation.firstStep(*this);
      firstStepDone = Snapshot();
      TakeMessages();
    }
    Stop();
    Start();
    const int statements = RunWithFailure(operation, 0);
    const std::string after = Snapshot();
    ASSERT_NE(before, after) << operation.name << " changed nothing";
    ASSERT_GT(statements, 0);
    int undone = 0;
    for (int k = 1; k <= statements; ++k) {
      Stop();
      Start();
      RunWithFailure(operation, k);
      SCOPED_TRACE(std::string(operation.name) + ": statement " + std::to_string(k) + " of " +
                   std::to_string(statements));
      const bool told = !TakeMessages().empty();
      const std::string state = Snapshot();
      EXPECT_TRUE(state == before || state == firstStepDone || state == after) << state;
      if (state != after) {
        EXPECT_TRUE(told) << "a failed operation said nothing";
        ++undone;
      }
      // The operation's own lock goes with it, unless releasing it is what
      // failed: the release gives no error, and the lock then stays with the
      // session until the session ends. The window's modify lock goes with the
      // window.
      const int ownLock = Locks("FFuncCode = 'AR0225' AND FSession = 'main'");
      EXPECT_EQ(Locks("FFuncCode <> 'AR0224'"), ownLock);
      if (ownLock > 0) {
        EXPECT_EQ(state, after) << "a lock stayed behind a failed delete";
      }
      m_Session->CloseCurrent();
      EXPECT_EQ(Locks(), ownLock);
      m_Session.reset();
      auto db = refhost::Database::Open(m_DbPath);
      EXPECT_EQ(qor::Val(db->QueryValue("SELECT COUNT(*) FROM t_FuncLock")), 0);
    }
    EXPECT_GT(undone, 0) << "no failure was undone";
  }
};

void AnswerYes(SettlementHost& host) { host.m_Run->QueueAnswer(6); }

TEST_F(ReceiptFaults, Save) {
  WalkEveryStatement({"save",
                      [](SettlementHost&) {},
                      [](SettlementHost& host) {
                        host.Set("FExplanation", 0, "改过");
                        host.Click("mnuFileSave");
                      },
                      {}});
}

TEST_F(ReceiptFaults, Check) {
  WalkEveryStatement({"check", [](SettlementHost&) {},
                      [](SettlementHost& host) { host.Click("mnuEditCheck"); },
                      [](SettlementHost& host) { host.Click("mnuFileSave"); }});
}

TEST_F(ReceiptFaults, Uncheck) {
  WalkEveryStatement({"uncheck",
                      [](SettlementHost& host) {
                        host.Sql(
                            "UPDATE t_RP_RBill SET FStatus = 1, FCheckerID = 1 WHERE FBillID = 2");
                      },
                      [](SettlementHost& host) {
                        host.AddTool("mnuEdit", "mnuEditUnCheck");
                        host.Click("mnuEditUnCheck");
                      },
                      {}});
}

TEST_F(ReceiptFaults, Delete) {
  WalkEveryStatement({"delete",
                      [](SettlementHost&) {},
                      [](SettlementHost& host) {
                        AnswerYes(host);
                        host.Click("mnuEditDelete");
                      },
                      {}});
}

}  // namespace
}  // namespace settlement_test
