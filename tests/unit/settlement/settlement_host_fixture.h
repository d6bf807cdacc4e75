#pragma once

// Receipts and payments on the reference host: one client session on a fresh
// demo database, its windows driven as a user drives them, with the real
// library classes behind them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_registration.h"

namespace settlement_test {

class SettlementHost : public ::testing::Test {
 public:
  static void SetUpTestSuite() { unit_test::RegisterHostAndPluginClasses(); }

  void SetUp() override { Start(); }

  void TearDown() override { Stop(); }

  // A fresh demo company and a new session logged in as user 1.
  void Start() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_DbPath = (std::filesystem::temp_directory_path() /
                ("qor_settle_" + std::to_string(getpid()) + "_" + test->name() + ".db"))
                   .string();
    refhost::Database::CreateFile(m_DbPath, true);
    m_Run = std::make_unique<refhost::HostRun>(m_DbPath);
    m_Run->SetToday(qor::DateSerial(2026, 12, 15));
    m_Session = std::make_unique<refhost::Session>(*m_Run, "main", 1000);
  }

  void Stop() {
    m_Session.reset();
    m_Run.reset();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(m_DbPath + suffix);
  }

  // Opens a bill window: a stored bill by number, or a new one for "".
  void Open(const std::string& kind, const std::string& billNo = "") {
    m_Session->Invoke([&] {
      int32_t id = billNo.empty() ? 0 : refhost::FindBillId(*m_Session, kind, billNo);
      m_Session->Open(refhost::OpenWindow(*m_Session, kind, id == 0 ? 1 : 2, id));
    });
  }

  // Runs a user action on the current window, on the session's thread.
  void Act(const std::function<void(refhost::Window&)>& action) {
    m_Session->Invoke([&] { action(*m_Session->Current()); });
  }
  void Set(const std::string& field, int32_t row, const std::string& value) {
    Act([&](refhost::Window& w) { w.SetField(field, row, value); });
  }
  void Click(const std::string& tool) {
    Act([&](refhost::Window& w) { w.Click(tool); });
  }
  void SelectAll(const std::string& tool, const std::string& document) {
    Act([&](refhost::Window& w) { w.Select(tool, {refhost::Pick{document, 0}}); });
  }
  double Number(const std::string& field, int32_t row = 0) {
    double value = 0;
    Act([&](refhost::Window& w) { value = qor::Val(w.FieldValue(field, row)); });
    return value;
  }

  // A tool the editor's own menus place into a band (the lifecycle's menus
  // add these by key when the window opens).
  void AddTool(const std::string& band, const std::string& key) {
    Act([&](refhost::Window& w) {
      qor::ToolbarControl& bar = w.Toolbar();
      qor::ToolPtr tool = bar.Tools().Find(key);
      if (!tool) tool = bar.Tools().Add(0, key);
      bar.Bands(band)->Tools().Insert(-1, tool);
    });
  }

  qor::Variant Sql(const std::string& query) {
    qor::Variant value;
    m_Session->Invoke([&] { value = m_Session->Db().QueryValue(query); });
    return value;
  }

  // The texts of the message boxes shown since the last call.
  std::vector<std::string> TakeMessages() {
    std::vector<std::string> texts;
    for (auto& box : m_Run->Messages()) {
      if (box.checked) continue;
      box.checked = true;
      texts.push_back(box.text);
    }
    return texts;
  }

  std::string m_DbPath;
  std::unique_ptr<refhost::HostRun> m_Run;
  std::unique_ptr<refhost::Session> m_Session;
};

}  // namespace settlement_test
