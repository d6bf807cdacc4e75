#pragma once

// A client session of the reference host on a fresh copy of the demo company,
// for the shared routines that talk to the product's services.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_registration.h"

namespace common_test {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unit_test::RegisterHostAndPluginClasses();
    static std::atomic<int> counter{0};
    m_DbPath =
        (std::filesystem::temp_directory_path() /
         ("qor-common-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".db"))
            .string();
    refhost::Database::CreateFile(m_DbPath, true);
    m_Run = std::make_unique<refhost::HostRun>(m_DbPath);
    m_Run->SetToday(qor::DateSerial(2026, 12, 15));
    m_Run->SetTraceSink([this](const std::string& line) { m_Trace.push_back(line); });
    m_Session = std::make_unique<refhost::Session>(*m_Run, "a", 1001);
  }

  void TearDown() override {
    m_Session.reset();
    m_Run.reset();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
      std::error_code ignored;
      std::filesystem::remove(m_DbPath + suffix, ignored);
    }
  }

  // Runs the work on the session's thread, where the library runs.
  void OnSession(const std::function<void()>& work) { m_Session->Invoke(work); }

  void Sql(const std::string& sql) {
    OnSession([&] { m_Session->Db().Execute(sql); });
  }

  qor::Variant SqlValue(const std::string& sql) {
    qor::Variant value;
    OnSession([&] { value = m_Session->Db().QueryValue(sql); });
    return value;
  }

  void LoginAs(int32_t userId) { m_Session->Login(userId); }

  std::vector<refhost::MessageBoxRecord>& Messages() { return m_Run->Messages(); }

  int TraceCount(const std::string& line) const {
    int count = 0;
    for (const auto& traced : m_Trace) count += traced == line ? 1 : 0;
    return count;
  }

  std::string m_DbPath;
  std::unique_ptr<refhost::HostRun> m_Run;
  std::unique_ptr<refhost::Session> m_Session;
  std::vector<std::string> m_Trace;
};

// The error number a call raises, 0 when it raises none.
inline int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const qor::VbError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace common_test
