#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "host/bill_editor.h"
#include "refhost/framework/bill_editor_fields.h"
#include "refhost/framework/bill_editor_lookup.h"
#include "refhost/framework/bill_editor_storage.h"
#include "refhost/framework/bill_editor_template.h"

namespace refhost {

class Session;
class Window;
class BillEditorBillObject;
class BillEditorControl;
class BillEditorEntry;
class BillEditorDataService;
class BillEditorDataAccess;

// What the editor window does when the plug-in asks the editor for one of
// its own commands: loading, saving, the field actions, the selection
// window.
class BillEditorActions {
 public:
  virtual ~BillEditorActions() = default;
  // Loads the stored bill with the load events.
  virtual void LoadBill(int32_t billId) = 0;
  // The save of the Save command; false when the bill was not written.
  virtual bool SaveBill() = 0;
  // The editor's own follow-up of a change of the field: its formulas.
  virtual void RunFieldActions(const std::string& key, int32_t row) = 0;
  // The source-selection window of the code.
  virtual void OpenSelection(int32_t selBillType) = 0;
};

// The bill editor's event object ("BillEvent"): it holds the bill (fields,
// pages, locks), the editor's state (edit mode, the stored bill's id, the
// modify lock, the status bar) and the objects the plug-in reaches through
// it, raises the editor's events to the advised plug-in, and answers the
// plug-in's calls. The editor window attaches itself for the commands that
// need it; once detached (the window closed) no event is raised any more.
class BillEditorEvent : public qor::BillEvent {
 public:
  BillEditorEvent(Session& session, BillTemplate billTemplate, qor::ToolbarControlPtr toolbar);
  ~BillEditorEvent() override;

  void Attach(Window& window, BillEditorActions& actions);
  void Detach();
  // Forgets every advised sink (a plug-in kept alive by its own handler
  // object ends with them).
  void DropSinks() { m_Events = qor::EventSource<qor::BillEventSink>(); }

  // Raises an event to the advised plug-in: traced as "BillEvent.<trace>";
  // a run-time error of the handler is recorded on the window and shown.
  // False when the handler raised an error.
  bool Raise(const std::string& trace, const std::function<void(qor::BillEventSink&)>& call);

  Session& OwnerSession() { return m_Session; }
  BillFieldStore& Store() { return m_Store; }
  const BillTemplate& Template() const { return m_Template; }
  BillStorage& Storage() { return m_Storage; }
  qor::ToolbarControl& Toolbar() { return *m_Toolbar; }

  // State.
  void SetEditMode(int32_t mode) { m_EditMode = mode; }
  int32_t BillId() const { return m_BillId; }
  void SetBillId(int32_t billId) { m_BillId = billId; }
  void SetMutex(bool success) { m_MutexSuccess = success; }
  // View mode, a refused modify lock or a bill the plug-in locked.
  bool IsReadOnly() const;
  void Unlock() { m_BillLocked = false; }
  bool NotSaveFlag() const { return m_NotSave; }
  void SetNotSaveFlag(bool value) { m_NotSave = value; }
  void SetActive(const std::string& key, int32_t row);
  std::string Status(int32_t panel) const;
  int32_t Status() const;  // BillStatus: 1 new, 2 change, 3 view or read-only
  // The code a source-selection tool carries: its numeric value, its
  // default value, or the number after "mnuSelectBill_".
  static int32_t SelectionCode(const qor::Tool& tool);
  BillEditorActions* Actions() { return m_Actions; }

  // qor::BillEvent.
  qor::Subscription Advise(std::shared_ptr<qor::BillEventSink> sink) override;
  qor::Variant GetFieldValue(std::string_view key, int32_t row, int32_t kind = 1) override;
  void SetFieldValue(std::string_view key, const qor::Variant& value, int32_t row) override;
  qor::HostDictionaryPtr GetFieldData(std::string_view key, int32_t row) override;
  qor::HostDictionaryPtr GetFieldInfo(std::string_view key) override;
  void SetFieldText(const qor::HostDictionaryPtr& fieldInfo, const std::string& text,
                    int32_t row) override;
  void SetFieldDecimalPlaces(const qor::HostDictionaryPtr& fieldInfo, int32_t row,
                             int32_t decimals) override;
  void SetFieldEditDecimals(const qor::HostDictionaryPtr& fieldInfo, int32_t decimals) override;
  void SetMenuItemProperty(std::string_view item, std::string_view property,
                           const qor::Variant& value) override;
  qor::ToolbarControlPtr GetToolBarControl() override { return m_Toolbar; }
  int32_t GetEditMode() override { return m_EditMode; }
  int32_t GetBillType() override { return m_Template.BillTypeId(); }
  int32_t GetBillInterID() override { return m_BillId; }
  int32_t GetClassTypeID() override { return m_Template.ClassTypeId(); }
  std::shared_ptr<qor::BillObject> GetBillObject() override;
  qor::HostDictionaryPtr GetBillDictionary() override { return m_BillDictionary; }
  qor::HostDictionaryPtr GetFieldMapHolder() override { return m_Store.MapHolder(); }
  std::shared_ptr<qor::BillDataService> GetDataService() override;
  qor::HostVectorPtr GetBillPages() override;
  void GetActiveField(qor::HostDictionaryPtr& fieldInfo, int32_t& col, int32_t& row) override;
  std::shared_ptr<qor::DataAccess> GetDataAccess() override;
  void LoadBillByID(int32_t billId) override;
  void ResetBillView() override;
  void InvokeEditorAction(int32_t action) override;
  void SetStatusText(int32_t panel, const std::string& text) override;
  qor::HostDictionaryPtr GetFieldInfoByKey(std::string_view key, std::string_view page,
                                           int32_t flag) override;
  qor::HostDictionaryPtr GetDataFld(const qor::HostDictionaryPtr& fieldInfo, int32_t row) override;
  qor::HostDictionaryPtr GetDataFldbyKey(std::string_view key) override;
  qor::ObjectPtr Data(std::string_view page) override;
  std::shared_ptr<qor::BillEntry> BillEntrys(int32_t index) override;
  int32_t ClassTypeEntrySize() override;
  std::shared_ptr<qor::BillControl> BillCtl() override;
  void SetBarStatus(std::string_view item, std::string_view property,
                    const qor::Variant& value) override;
  void SetText(const qor::HostDictionaryPtr& fieldInfo, const std::string& text,
               int32_t row) override;
  void LockBill() override { m_BillLocked = true; }
  bool MutexSuccess() override { return m_MutexSuccess; }

  // How many times the plug-in asked for a redraw (ResetBillView).
  int32_t RedrawCount() const { return m_RedrawCount; }

 private:
  std::shared_ptr<BillEditorEvent> Self();
  // The key of a field information the plug-in passes (error when none).
  std::string KeyOf(const qor::HostDictionaryPtr& fieldInfo) const;
  void RequireKnown(std::string_view key) const;

  Session& m_Session;
  BillTemplate m_Template;
  BaseDataLookup m_Lookup;
  BillFieldStore m_Store;
  BillStorage m_Storage;
  qor::ToolbarControlPtr m_Toolbar;
  qor::EventSource<qor::BillEventSink> m_Events;
  Window* m_Window = nullptr;
  BillEditorActions* m_Actions = nullptr;

  int32_t m_EditMode = 1;
  int32_t m_BillId = 0;
  bool m_MutexSuccess = true;
  bool m_BillLocked = false;
  bool m_NotSave = false;
  std::string m_ActiveKey;
  int32_t m_ActiveRow = 0;
  std::map<int32_t, std::string> m_StatusTexts;
  int32_t m_RedrawCount = 0;
  qor::HostDictionaryPtr m_BillDictionary;

  std::shared_ptr<BillEditorBillObject> m_BillObject;
  std::shared_ptr<BillEditorControl> m_Control;
  std::map<int32_t, std::shared_ptr<BillEditorEntry>> m_Entries;
  std::shared_ptr<BillEditorDataService> m_DataService;
  std::shared_ptr<BillEditorDataAccess> m_DataAccess;
};

}  // namespace refhost
