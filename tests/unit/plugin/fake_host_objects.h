#pragma once

// Host objects for driving the plug-in classes without a window: each keeps
// its subscribers so a test can raise events and see who listens, and
// refuses (error 438) any operation the plug-in frame is not expected to use.

#include <string>

#include "core/host_dictionary.h"
#include "host/base_data.h"
#include "host/bill_editor.h"
#include "host/list_view.h"

namespace plugin_test {

[[noreturn]] inline void NotExpected(const std::string& member) {
  qor::RaiseError(qor::kErrNoSuchMember, "FakeHostObject", member);
}

// A bill editor holding only header values.
class FakeBillEvent : public qor::BillEvent {
 public:
  explicit FakeBillEvent(std::string typeName = "BillEvent") : m_TypeName(std::move(typeName)) {}
  std::string TypeName() const override { return m_TypeName; }

  void SetHeader(const std::string& key, qor::Variant value) { m_Header.SetItem(key, value); }
  qor::EventSource<qor::BillEventSink>& Events() { return m_Events; }
  void RaiseAfterLoadBill() {
    m_Events.Raise([](qor::BillEventSink& sink) { sink.AfterLoadBill(); });
  }

  qor::Subscription Advise(std::shared_ptr<qor::BillEventSink> sink) override {
    return m_Events.Advise(std::move(sink));
  }
  qor::Variant GetFieldValue(std::string_view key, int32_t row, int32_t kind) override {
    if (row > 0 || kind != 1) NotExpected("GetFieldValue of a row or a display value");
    return m_Header.Item(key);
  }
  void SetFieldValue(std::string_view, const qor::Variant&, int32_t) override {
    NotExpected("SetFieldValue");
  }
  qor::HostDictionaryPtr GetFieldData(std::string_view, int32_t) override {
    NotExpected("GetFieldData");
  }
  qor::HostDictionaryPtr GetFieldInfo(std::string_view) override { NotExpected("GetFieldInfo"); }
  void SetFieldText(const qor::HostDictionaryPtr&, const std::string&, int32_t) override {
    NotExpected("SetFieldText");
  }
  void SetFieldDecimalPlaces(const qor::HostDictionaryPtr&, int32_t, int32_t) override {
    NotExpected("SetFieldDecimalPlaces");
  }
  void SetFieldEditDecimals(const qor::HostDictionaryPtr&, int32_t) override {
    NotExpected("SetFieldEditDecimals");
  }
  void SetMenuItemProperty(std::string_view, std::string_view, const qor::Variant&) override {
    NotExpected("SetMenuItemProperty");
  }
  qor::ToolbarControlPtr GetToolBarControl() override { NotExpected("GetToolBarControl"); }
  int32_t GetEditMode() override { NotExpected("GetEditMode"); }
  int32_t GetBillType() override { NotExpected("GetBillType"); }
  int32_t GetBillInterID() override { NotExpected("GetBillInterID"); }
  int32_t GetClassTypeID() override { NotExpected("GetClassTypeID"); }
  std::shared_ptr<qor::BillObject> GetBillObject() override { NotExpected("GetBillObject"); }
  qor::HostDictionaryPtr GetBillDictionary() override { NotExpected("GetBillDictionary"); }
  qor::HostDictionaryPtr GetFieldMapHolder() override { NotExpected("GetFieldMapHolder"); }
  std::shared_ptr<qor::BillDataService> GetDataService() override { NotExpected("GetDataService"); }
  qor::HostVectorPtr GetBillPages() override { NotExpected("GetBillPages"); }
  void GetActiveField(qor::HostDictionaryPtr&, int32_t&, int32_t&) override {
    NotExpected("GetActiveField");
  }
  std::shared_ptr<qor::DataAccess> GetDataAccess() override { NotExpected("GetDataAccess"); }
  void LoadBillByID(int32_t) override { NotExpected("LoadBillByID"); }
  void ResetBillView() override { NotExpected("ResetBillView"); }
  void InvokeEditorAction(int32_t) override { NotExpected("InvokeEditorAction"); }
  void SetStatusText(int32_t, const std::string&) override { NotExpected("SetStatusText"); }
  qor::HostDictionaryPtr GetFieldInfoByKey(std::string_view, std::string_view, int32_t) override {
    NotExpected("GetFieldInfoByKey");
  }
  qor::HostDictionaryPtr GetDataFld(const qor::HostDictionaryPtr&, int32_t) override {
    NotExpected("GetDataFld");
  }
  qor::HostDictionaryPtr GetDataFldbyKey(std::string_view) override {
    NotExpected("GetDataFldbyKey");
  }
  qor::ObjectPtr Data(std::string_view) override { NotExpected("Data"); }
  std::shared_ptr<qor::BillEntry> BillEntrys(int32_t) override { NotExpected("BillEntrys"); }
  int32_t ClassTypeEntrySize() override { NotExpected("ClassTypeEntrySize"); }
  std::shared_ptr<qor::BillControl> BillCtl() override { NotExpected("BillCtl"); }
  void SetBarStatus(std::string_view, std::string_view, const qor::Variant&) override {
    NotExpected("SetBarStatus");
  }
  void SetText(const qor::HostDictionaryPtr&, const std::string&, int32_t) override {
    NotExpected("SetText");
  }
  void LockBill() override { NotExpected("LockBill"); }
  bool MutexSuccess() override { NotExpected("MutexSuccess"); }

 private:
  std::string m_TypeName;
  qor::HostDictionary m_Header;
  qor::EventSource<qor::BillEventSink> m_Events;
};

class FakeListDefinition : public qor::ListDefinition {
 public:
  int32_t ClassTypeID() const override { return 1000201; }
  qor::RecordsetPtr GetBillDetail(int32_t) override { NotExpected("GetBillDetail"); }
};

// A list view counting how often its rows and definition were read.
class FakeListEvents : public qor::ListEvents {
 public:
  qor::EventSource<qor::ListEventSink>& Events() { return m_Events; }

  qor::Subscription Advise(std::shared_ptr<qor::ListEventSink> sink) override {
    return m_Events.Advise(std::move(sink));
  }
  qor::RecordsetPtr GetListRecordset() override {
    ++m_RecordsetReads;
    return m_Rows;
  }
  std::shared_ptr<qor::ListDefinition> GetListDefinition() override {
    ++m_DefinitionReads;
    return m_Definition;
  }
  qor::HostVectorPtr GetSelectedRows() override { NotExpected("GetSelectedRows"); }
  qor::ToolbarControlPtr GetToolBarControl() override { NotExpected("GetToolBarControl"); }
  void RefreshList() override { NotExpected("RefreshList"); }
  void Refresh() override { NotExpected("Refresh"); }
  void letmessage() override { NotExpected("letmessage"); }
  int32_t ShowMode() override { NotExpected("ShowMode"); }
  int32_t ClassTypeID() override { NotExpected("ClassTypeID"); }
  void SetListRSFieldVect(const qor::HostVectorPtr&) override { NotExpected("ListRSFieldVect"); }
  void SetOpt() override { NotExpected("SetOpt"); }
  void Show() override { NotExpected("Show"); }
  std::shared_ptr<qor::MultiLevelCheck> GetMultiCheck() override { NotExpected("MultiCheck"); }

  int m_RecordsetReads = 0;
  int m_DefinitionReads = 0;
  qor::RecordsetPtr m_Rows = std::make_shared<qor::Recordset>();
  std::shared_ptr<FakeListDefinition> m_Definition = std::make_shared<FakeListDefinition>();

 private:
  qor::EventSource<qor::ListEventSink> m_Events;
};

// A base-data tree or list.
class FakeBaseClassEvent : public qor::BaseClassEvent {
 public:
  qor::EventSource<qor::BaseEventSink>& Events() { return m_Events; }

  qor::Subscription Advise(std::shared_ptr<qor::BaseEventSink> sink) override {
    return m_Events.Advise(std::move(sink));
  }
  qor::ToolbarControlPtr GetToolBarControl() override { NotExpected("GetToolBarControl"); }
  int32_t GetSelectedGroupID() override { NotExpected("GetSelectedGroupID"); }
  int32_t GetSelectedItemID() override { NotExpected("GetSelectedItemID"); }
  std::shared_ptr<qor::WindowControl> GetActiveControl() override {
    NotExpected("GetActiveControl");
  }
  void SetClassType(int32_t, int32_t, int32_t, const std::string&) override {
    NotExpected("SetClassType");
  }
  void SetListOption(int32_t) override { NotExpected("SetListOption"); }
  void RefreshList() override { NotExpected("RefreshList"); }

 private:
  qor::EventSource<qor::BaseEventSink> m_Events;
};

}  // namespace plugin_test
