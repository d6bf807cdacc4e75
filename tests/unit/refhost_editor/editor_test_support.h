#pragma once

// A test double of the bill plug-ins (it records the editor's events with
// their arguments and answers as the test tells it) and a fixture with real
// sessions on a fresh demo database. The host's bill editor is under test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/vb.h"
#include "host/bill_editor.h"
#include "host/plugin_class.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/host_run.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"

namespace refhost::editortest {

// What the plug-in double saw and how it answers; touched on the session
// threads one at a time.
struct EditorJournal {
  std::vector<std::string> events;
  std::set<std::string> cancelChanges;  // field keys whose Change is cancelled
  std::set<std::string> cancelActions;  // action names BeforeDoAction cancels
  std::set<std::string> cancelTools;
  bool cancelLoad = false;
  bool cancelSave = false;
  bool cancelErrorMessage = false;
  std::string failEvent;  // the event whose handler raises a run-time error
  std::string saveFailedMessage;
  std::vector<bool> mutexAtLoad;                 // MutexSuccess seen in each AfterLoadBill
  std::function<void(qor::BillEvent&)> onClick;  // runs inside MenuBarClick
};

inline EditorJournal& Journal() {
  static EditorJournal journal;
  return journal;
}

inline void Note(const std::string& line) { Journal().events.push_back(line); }

inline std::string Text(const qor::Variant& value) {
  return value.IsObject() ? "<object>" : qor::StrOf(value);
}

class EditorPlugin : public qor::PluginClass {
 public:
  explicit EditorPlugin(std::string className) : m_ClassName(std::move(className)) {}
  std::string TypeName() const override { return m_ClassName; }

  void Show(const qor::ObjectPtr& object) override {
    Note("Show(" + object->TypeName() + ")");
    auto editor = std::dynamic_pointer_cast<qor::BillEvent>(object);
    if (editor) m_Bill.Set(editor, std::make_shared<Sink>(editor));
  }

 private:
  struct Sink : qor::BillEventSink {
    explicit Sink(std::weak_ptr<qor::BillEvent> editor) : m_Editor(std::move(editor)) {}

    static void MaybeFail(const std::string& event) {
      if (Journal().failEvent == event) {
        qor::RaiseError(5, "clsTest." + event, event + " failed");
      }
    }
    void AfterLoadBill() override {
      Note("AfterLoadBill");
      Journal().mutexAtLoad.push_back(m_Editor.lock()->MutexSuccess());
      MaybeFail("AfterLoadBill");
    }
    void AfterNewBill() override { Note("AfterNewBill"); }
    void AfterNewEmptyData() override { Note("AfterNewEmptyData"); }
    void BeforeLoadBill(bool& cancel) override {
      Note("BeforeLoadBill");
      cancel = Journal().cancelLoad;
    }
    void BeforLoadBillFillData() override { Note("BeforLoadBillFillData"); }
    void BeforeSave(bool& cancel) override {
      Note("BeforeSave");
      cancel = Journal().cancelSave;
      MaybeFail("BeforeSave");
    }
    void AfterSave(bool&) override { Note("AfterSave"); }
    void SaveBillFailed(const qor::HostDictionaryPtr& data, std::string& message,
                        bool& cancelMessage) override {
      Note("SaveBillFailed " + Text(data->Item("FBillNo")));
      Journal().saveFailedMessage = message;
      cancelMessage = Journal().cancelErrorMessage;
    }
    void BeginEdit(const qor::HostDictionaryPtr& dct, int32_t col, int32_t row) override {
      Note("BeginEdit " + Text(dct->Item("FKey")) + " col=" + std::to_string(col) +
           " row=" + std::to_string(row));
    }
    void Change(const qor::HostDictionaryPtr& dct, const qor::HostDictionaryPtr& fld, int32_t,
                int32_t row, bool& cancel) override {
      std::string key = Text(fld->Item("FKey"));
      Note("Change " + key + " FOLD=" + Text(fld->Item("FOLD")) +
           " FFLD=" + Text(fld->Item("FFLD")) + " row=" + std::to_string(row) +
           " class=" + Text(dct->Item("FClassTypeID")));
      MaybeFail("Change");
      if (Journal().cancelChanges.count(key)) cancel = true;
    }
    void HeadCtlLostFocus(const qor::ObjectPtr&, const qor::HostDictionaryPtr& dct,
                          const qor::HostDictionaryPtr&) override {
      Note("HeadCtlLostFocus " + Text(dct->Item("FFieldName")));
    }
    void SetCurrencyState(const qor::HostDictionaryPtr&) override { Note("SetCurrencyState"); }
    void SetAmountForEnd(const qor::HostDictionaryPtr&, int32_t row,
                         const qor::HostDictionaryPtr& dct,
                         const qor::HostDictionaryPtr&) override {
      Note("SetAmountForEnd " + Text(dct->Item("FKey")) + " row=" + std::to_string(row));
    }
    void BeforeSelBills(int32_t code, const qor::ObjectPtr&, const qor::HostDictionaryPtr&,
                        std::string& filter, qor::HostDictionaryPtr&) override {
      Note("BeforeSelBills " + std::to_string(code));
      filter = "FOriCustID = 2";
    }
    void AfterSelBill(int32_t code) override { Note("AfterSelBill " + std::to_string(code)); }
    void AfterSelBillBeforeFillData(const qor::HostDictionaryPtr& sel,
                                    const qor::HostDictionaryPtr& map) override {
      auto rs = qor::As<qor::Recordset>(sel->Item("rsSrc").ObjectValue());
      Note("AfterSelBillBeforeFillData lines=" + std::to_string(rs->RecordCount()) +
           " map=" + (map->Lookup("Map") ? "yes" : "no"));
    }
    void BeforeDoAction(const qor::HostDictionaryPtr&, const qor::HostDictionaryPtr& fld,
                        const qor::ObjectPtr&, const std::string& type, const std::string& name,
                        const std::string& parameters, bool& cancel) override {
      Note("BeforeDoAction " + Text(fld->Item("FFieldName")) + " " + type + " " + name + " " +
           parameters);
      if (Journal().cancelActions.count(name)) cancel = true;
    }
    void AfterDoAction(const qor::HostDictionaryPtr&, const qor::HostDictionaryPtr&,
                       const qor::ObjectPtr&, const std::string&, const std::string& name,
                       const std::string&) override {
      Note("AfterDoAction " + name);
    }
    void MenuBarInitialize(const qor::ToolbarControlPtr&) override { Note("MenuBarInitialize"); }
    void BarInitialize(const qor::ToolbarControlPtr&) override { Note("BarInitialize"); }
    void MenuBarClick(const qor::ToolPtr& tool, bool& cancel) override {
      Note("MenuBarClick " + tool->m_Name);
      if (Journal().onClick) Journal().onClick(*m_Editor.lock());
      MaybeFail("MenuBarClick");
      if (Journal().cancelTools.count(tool->m_Name)) cancel = true;
    }

    std::weak_ptr<qor::BillEvent> m_Editor;
  };

  std::string m_ClassName;
  qor::EventMember<qor::BillEvent, qor::BillEventSink> m_Bill;
};

inline void RegisterEditorPlugins() {
  for (const char* name :
       {"clsReceiveBill", "clsPayBill", "clsROtherBill", "clsPOtherBill", "clsRPInOutType"}) {
    std::string className = name;
    ComponentRegistry::Global().Register("QORARAPBillInterface." + className,
                                         [className]() -> qor::ObjectPtr {
                                           Note("create " + className);
                                           return std::make_shared<EditorPlugin>(className);
                                         });
  }
}

// Sessions of user 1 on a fresh copy of the demo company, dated 2026-12-15.
class BillEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    m_Path = (std::filesystem::temp_directory_path() /
              ("qor-editor-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".db"))
                 .string();
    Database::CreateFile(m_Path, true);
    RegisterHostServices();
    RegisterEditorPlugins();
    Journal() = EditorJournal();
    m_Run = std::make_unique<HostRun>(m_Path);
    m_Run->SetToday(qor::DateSerial(2026, 12, 15));
    m_Main = std::make_unique<Session>(*m_Run, "main", 1000);
  }

  void TearDown() override {
    m_Other.reset();
    m_Main.reset();
    m_Run.reset();
    Journal() = EditorJournal();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(m_Path + suffix);
  }

  Session& Other() {
    if (!m_Other) m_Other = std::make_unique<Session>(*m_Run, "other", 1001);
    return *m_Other;
  }

  BillEditorWindow& Open(const std::string& kind, int32_t editMode, int32_t billId,
                         Session* session = nullptr) {
    Session& on = session ? *session : *m_Main;
    on.Invoke([&] { on.Open(OpenBillWindow(on, kind, editMode, billId)); });
    return dynamic_cast<BillEditorWindow&>(*on.Current());
  }

  void On(const std::function<void()>& work, Session* session = nullptr) {
    (session ? *session : *m_Main).Invoke(work);
  }

  // User actions run on the session's thread, as the scenario runner runs them.
  void Set(Window& window, const std::string& field, int32_t row, const std::string& value,
           Session* session = nullptr) {
    On([&] { window.SetField(field, row, value); }, session);
  }
  void Click(Window& window, const std::string& tool, Session* session = nullptr) {
    On([&] { window.Click(tool); }, session);
  }

  qor::Variant SqlValue(const std::string& sql) {
    qor::Variant value;
    On([&] { value = m_Main->Db().QueryValue(sql); });
    return value;
  }
  void Sql(const std::string& sql) {
    On([&] { m_Main->Db().Execute(sql); });
  }

  std::vector<std::string> TakeEvents() {
    std::vector<std::string> events = std::move(Journal().events);
    Journal().events.clear();
    return events;
  }

  std::string m_Path;
  std::unique_ptr<HostRun> m_Run;
  std::unique_ptr<Session> m_Main;
  std::unique_ptr<Session> m_Other;
};

}  // namespace refhost::editortest
