#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/vb_error.h"
#include "refhost/host_run.h"

namespace refhost {

class Database;
class Window;

// One client session: one user's process on the shared database, with its
// own user-interface thread (so the library's per-thread caches are its
// own), its own login, connection and windows.
class Session {
 public:
  Session(HostRun& run, std::string name, int32_t processId);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs the work on the session's thread and waits; exceptions come back.
  void Invoke(const std::function<void()>& work);

  const std::string& Name() const { return m_Name; }
  HostRun& Run() { return m_Run; }
  int32_t ProcessId() const { return m_ProcessId; }
  std::string MachineName() const;

  // Logs the user in: login properties, user name, login object.
  void Login(int32_t userId);
  int32_t UserId() const { return m_UserId; }
  const std::string& UserName() const { return m_UserName; }
  // "UserName=...;UserID=...;ConnectString={...};Language=chs;..."
  const std::string& PropsString() const { return m_PropsString; }

  // The session's own connection (call on the session's thread).
  Database& Db();

  // Windows, the current one last.
  Window* Current() const;
  void Open(std::unique_ptr<Window> window);
  // Closes the current window (the plug-in object is terminated and
  // destroyed); returns the run-time error its closing raised to the host.
  std::optional<qor::VbError> CloseCurrent();
  void CloseAll();
  const std::vector<std::unique_ptr<Window>>& Windows() const { return m_Windows; }

 private:
  void ThreadMain();

  HostRun& m_Run;
  std::string m_Name;
  int32_t m_ProcessId;
  int32_t m_UserId = 0;
  std::string m_UserName;
  std::string m_PropsString;
  std::shared_ptr<Database> m_Db;
  std::vector<std::unique_ptr<Window>> m_Windows;

  std::mutex m_Mutex;
  std::condition_variable m_Wake;
  std::deque<std::function<void()>> m_Queue;
  bool m_Stop = false;
  std::thread m_Thread;
};

// The session whose thread is running (ScenarioError when none).
Session& CurrentSession();
bool HasCurrentSession();

}  // namespace refhost
