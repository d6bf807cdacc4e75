#pragma once

// A fresh copy of the demo company in a temporary file of its own, a host run
// over it and its first session "main"; all of it goes after each test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_registration.h"

namespace unit_test {

class HostSessionTest : public ::testing::Test {
 protected:
  // `filePrefix` names the database files of the suite; `processId` is the
  // session's process.
  HostSessionTest(std::string filePrefix, int32_t processId)
      : m_FilePrefix(std::move(filePrefix)), m_ProcessId(processId) {}

  void SetUp() override {
    refhost::RegisterHostServices();
    static std::atomic<int> counter{0};
    std::string name =
        m_FilePrefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".db";
    m_Path = (std::filesystem::temp_directory_path() / name).string();
    refhost::Database::CreateFile(m_Path, true);
    m_Run = std::make_unique<refhost::HostRun>(m_Path);
    m_Session = std::make_unique<refhost::Session>(*m_Run, "main", m_ProcessId);
  }

  void TearDown() override {
    m_Session.reset();
    m_Run.reset();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(m_Path + suffix);
  }

  std::string m_Path;
  std::unique_ptr<refhost::HostRun> m_Run;
  std::unique_ptr<refhost::Session> m_Session;

 private:
  std::string m_FilePrefix;
  int32_t m_ProcessId;
};

// The same with the library's plug-in classes registered, for windows that
// run the real business rules.
class PluginHostTest : public HostSessionTest {
 protected:
  using HostSessionTest::HostSessionTest;

  static void SetUpTestSuite() { unit_test::RegisterHostAndPluginClasses(); }
};

}  // namespace unit_test
