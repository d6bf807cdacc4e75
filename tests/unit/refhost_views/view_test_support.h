#pragma once

// A test double of the plug-in classes (it records what the host raises and
// answers as the test tells it) and a fixture with a real session on a fresh
// demo database. The host's windows are what is under test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/vb.h"
#include "host/base_data.h"
#include "host/list_view.h"
#include "host/plugin_class.h"
#include "refhost/db/database.h"
#include "refhost/framework/view_windows.h"
#include "refhost/host_run.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"

namespace refhost::viewtest {

// What the plug-in double saw, and how it answers. Written on the session's
// thread, read by the test after Session::Invoke returned.
struct PluginJournal {
  std::vector<std::string> events;
  std::set<std::string> cancelTools;
  std::string failTool;               // MenuBarClick raises a run-time error for it
  bool sinkHoldsPlugin = false;       // the handler object keeps its class alive
  std::vector<int32_t> recordCounts;  // GetListRecordset at each AfterGetData
  std::shared_ptr<qor::ListEvents> list;
  std::shared_ptr<qor::BaseClassEvent> base;
  std::weak_ptr<qor::PluginClass> lastCreated;
  qor::ToolbarControlPtr barAtInitialize;
};

inline PluginJournal& Journal() {
  static PluginJournal journal;
  return journal;
}

inline void Note(const std::string& line) { Journal().events.push_back(line); }

class RecordingPlugin : public qor::PluginClass {
 public:
  explicit RecordingPlugin(std::string className) : m_ClassName(std::move(className)) {}
  ~RecordingPlugin() override { Note("terminate " + m_ClassName); }
  std::string TypeName() const override { return m_ClassName; }

  void Show(const qor::ObjectPtr& object) override {
    Note("Show(" + object->TypeName() + ")");
    std::shared_ptr<RecordingPlugin> self;
    if (Journal().sinkHoldsPlugin) {
      self = std::static_pointer_cast<RecordingPlugin>(shared_from_this());
    }
    if (auto list = std::dynamic_pointer_cast<qor::ListEvents>(object)) {
      Journal().list = list;
      m_List.Set(list, std::make_shared<ListSink>(self));
    } else if (auto base = std::dynamic_pointer_cast<qor::BaseClassEvent>(object)) {
      Journal().base = base;
      m_Base.Set(base, std::make_shared<BaseSink>(self));
    }
  }

 private:
  static void Click(const qor::ToolPtr& tool, bool& cancel) {
    Note("MenuBarClick " + tool->m_Name);
    if (tool->m_Name == Journal().failTool) qor::RaiseError(5, "RecordingPlugin", "click failed");
    if (Journal().cancelTools.count(tool->m_Name)) cancel = true;
  }

  struct ListSink : qor::ListEventSink {
    explicit ListSink(std::shared_ptr<RecordingPlugin> owner) : m_Owner(std::move(owner)) {}
    void MenuBarInitialize(const qor::ToolbarControlPtr& bar) override {
      Note("MenuBarInitialize");
      Journal().barAtInitialize = bar;
    }
    void BarInitialize(const qor::ToolbarControlPtr&) override { Note("BarInitialize"); }
    void MenuBarClick(const qor::ToolPtr& tool, bool& cancel) override { Click(tool, cancel); }
    void AfterGetData() override {
      Note("AfterGetData");
      Journal().recordCounts.push_back(Journal().list->GetListRecordset()->RecordCount());
    }
    std::shared_ptr<RecordingPlugin> m_Owner;
  };

  struct BaseSink : qor::BaseEventSink {
    explicit BaseSink(std::shared_ptr<RecordingPlugin> owner) : m_Owner(std::move(owner)) {}
    void AfterGetData() override { Note("AfterGetData"); }
    void BarInitialize(const qor::ToolbarControlPtr&) override { Note("BarInitialize"); }
    void MenuBarInitialize(const qor::ToolbarControlPtr& bar) override {
      Note("MenuBarInitialize");
      Journal().barAtInitialize = bar;
    }
    void ClassGroupSelected(int32_t button, int32_t type, int32_t id,
                            const std::string& number) override {
      Note("ClassGroupSelected(" + std::to_string(button) + "," + std::to_string(type) + "," +
           std::to_string(id) + "," + number + ")");
    }
    void MenuBarClick(const qor::ToolPtr& tool, bool& cancel) override { Click(tool, cancel); }
    void RefreshList() override { Note("RefreshList"); }
    std::shared_ptr<RecordingPlugin> m_Owner;
  };

  std::string m_ClassName;
  qor::EventMember<qor::ListEvents, qor::ListEventSink> m_List;
  qor::EventMember<qor::BaseClassEvent, qor::BaseEventSink> m_Base;
};

inline void RegisterRecordingPlugins() {
  for (const char* name : {"clsReceiveBill", "clsPayBill", "clsROtherBill", "clsPOtherBill",
                           "clsInvoice", "clsRPInitial", "clsRPInOutType", "clsRPInOutTypeView"}) {
    std::string className = name;
    ComponentRegistry::Global().Register(
        "QORARAPBillInterface." + className, [className]() -> qor::ObjectPtr {
          Note("create " + className);
          auto plugin = std::make_shared<RecordingPlugin>(className);
          Journal().lastCreated = plugin;
          return plugin;
        });
  }
}

// A session of user 1 on a fresh copy of the demo company.
class ViewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_Path = (std::filesystem::temp_directory_path() /
              ("qor-views-" + std::to_string(::getpid()) + "-" +
               std::string(info->test_suite_name()) + "-" + info->name() + ".db"))
                 .string();
    Database::CreateFile(m_Path, true);
    RegisterHostServices();
    RegisterRecordingPlugins();
    Journal() = PluginJournal();
    m_Run = std::make_unique<HostRun>(m_Path);
    m_Session = std::make_unique<Session>(*m_Run, "main", 1001);
  }

  void TearDown() override {
    m_Session.reset();
    m_Run.reset();
    Journal() = PluginJournal();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(m_Path + suffix);
  }

  void OnSession(const std::function<void()>& work) { m_Session->Invoke(work); }

  Window& OpenView(const std::function<std::unique_ptr<Window>(Session&)>& open) {
    OnSession([&] { m_Session->Open(open(*m_Session)); });
    return *m_Session->Current();
  }
  Window& OpenList(const std::string& kind) {
    return OpenView([&](Session& session) { return OpenListWindow(session, kind); });
  }

  qor::Variant SqlValue(const std::string& sql) {
    qor::Variant value;
    OnSession([&] { value = m_Session->Db().QueryValue(sql); });
    return value;
  }
  void Sql(const std::string& sql) {
    OnSession([&] { m_Session->Db().Execute(sql); });
  }
  // Events since the last call.
  std::vector<std::string> TakeEvents() {
    std::vector<std::string> events = std::move(Journal().events);
    Journal().events.clear();
    return events;
  }

  std::string m_Path;
  std::unique_ptr<HostRun> m_Run;
  std::unique_ptr<Session> m_Session;
};

}  // namespace refhost::viewtest
