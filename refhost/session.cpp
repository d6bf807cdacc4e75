#include "refhost/session.h"

#include <exception>
#include <utility>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/services/net_control.h"
#include "refhost/services/session_directory.h"
#include "refhost/services/session_platform.h"

namespace refhost {

namespace {

thread_local Session* tCurrentSession = nullptr;

}  // namespace

Session::Session(HostRun& run, std::string name, int32_t processId)
    : m_Run(run), m_Name(std::move(name)), m_ProcessId(processId) {
  SessionDirectory::Add(*this);
  m_Thread = std::thread(&Session::ThreadMain, this);
  try {
    Login(1);
  } catch (...) {
    {
      std::lock_guard lock(m_Mutex);
      m_Stop = true;
    }
    m_Wake.notify_all();
    m_Thread.join();
    SessionDirectory::Remove(*this);
    throw;
  }
}

Session::~Session() {
  {
    std::lock_guard lock(m_Mutex);
    m_Stop = true;
  }
  m_Wake.notify_all();
  if (m_Thread.joinable()) m_Thread.join();
  // Removed only now: the windows' terminators, run while the thread ends,
  // still read this session's login through the shared property store.
  SessionDirectory::Remove(*this);
}

void Session::Invoke(const std::function<void()>& work) {
  if (std::this_thread::get_id() == m_Thread.get_id()) {
    work();
    return;
  }
  // The outcome lives here; the session's thread hands it over under the
  // mutex and touches it no more, so the caller alone owns a raised error.
  struct Outcome {
    bool finished = false;
    std::exception_ptr error;
  } outcome;
  std::unique_lock lock(m_Mutex);
  if (m_Stop) throw ScenarioError("session " + m_Name + " has ended");
  m_Queue.push_back([this, &work, &outcome] {
    std::exception_ptr error;
    try {
      work();
    } catch (...) {
      error = std::current_exception();
    }
    {
      std::lock_guard done(m_Mutex);
      outcome.error = std::move(error);
      outcome.finished = true;
    }
    m_Wake.notify_all();
  });
  // One condition serves the session's thread and its callers: wake them all.
  m_Wake.notify_all();
  m_Wake.wait(lock, [&outcome] { return outcome.finished; });
  lock.unlock();
  if (outcome.error) std::rethrow_exception(outcome.error);
}

std::string Session::MachineName() const { return "PC-" + qor::UCase(m_Name); }

void Session::Login(int32_t userId) {
  Invoke([this, userId] {
    auto rs =
        Db().QueryParams("SELECT FName FROM t_User WHERE FUserID = ?", {qor::Variant(userId)});
    if (rs->IsEOF()) throw ScenarioError("unknown user " + std::to_string(userId));
    m_UserId = userId;
    m_UserName = qor::StrOf(rs->Field("FName"));
    m_PropsString = "UserName=" + m_UserName + ";UserID=" + std::to_string(userId) +
                    ";ConnectString={Provider=SQLite;Data Source=" + m_Run.DbPath() +
                    "};Language=chs;Machine=" + MachineName();
    SessionDirectory::SetLogin(*this, MakeLoginObject(*this));
  });
}

Database& Session::Db() {
  if (!m_Db) {
    Invoke([this] {
      if (m_Db) return;
      std::shared_ptr<Database> db = Database::Open(m_Run.DbPath());
      HostRun* run = &m_Run;
      db->SetTrace([run](const std::string& sql) {
        if (run->Tracing()) run->Trace("  sql: " + sql);
      });
      db->SetClock([run] { return HostClock(*run); });
      m_Db = std::move(db);
    });
  }
  return *m_Db;
}

Window* Session::Current() const { return m_Windows.empty() ? nullptr : m_Windows.back().get(); }

void Session::Open(std::unique_ptr<Window> window) {
  Invoke([this, &window] { m_Windows.push_back(std::move(window)); });
}

std::optional<qor::VbError> Session::CloseCurrent() {
  std::optional<qor::VbError> error;
  Invoke([&] {
    if (m_Windows.empty()) throw ScenarioError("no window is open in session " + m_Name);
    // Dropped even when its closing fails.
    std::unique_ptr<Window> window = std::move(m_Windows.back());
    m_Windows.pop_back();
    window->m_LastError.reset();
    window->Close();
    error = window->m_LastError;
  });
  return error;
}

void Session::CloseAll() {
  Invoke([this] {
    std::exception_ptr first;
    while (!m_Windows.empty()) {
      try {
        CloseCurrent();
      } catch (...) {
        if (!first) first = std::current_exception();
      }
    }
    if (first) std::rethrow_exception(first);
  });
}

void Session::ThreadMain() {
  tCurrentSession = this;
  qor::InstallPlatform(std::make_shared<SessionPlatform>(*this));
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock lock(m_Mutex);
      m_Wake.wait(lock, [this] { return m_Stop || !m_Queue.empty(); });
      if (m_Queue.empty()) break;
      task = std::move(m_Queue.front());
      m_Queue.pop_front();
    }
    task();
  }
  // The end of the process: its windows close, its function locks go.
  try {
    CloseAll();
  } catch (...) {
    // Nothing can report a failure while a session ends.
  }
  try {
    if (m_Db) ReleaseSessionLocks(*this);
  } catch (...) {
    // The database may already be gone with its run.
  }
  m_Db.reset();
  qor::InstallPlatform(nullptr);
  tCurrentSession = nullptr;
}

Session& CurrentSession() {
  if (!tCurrentSession) throw ScenarioError("no client session runs on this thread");
  return *tCurrentSession;
}

bool HasCurrentSession() { return tCurrentSession != nullptr; }

}  // namespace refhost
