#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/events.h"
#include "core/host_dictionary.h"
#include "core/recordset.h"
#include "host/toolbar.h"

namespace qor {

// Events the bill editor raises to the plug-in bound to it. Every default
// leaves the host's own behaviour alone.
class BillEventSink {
 public:
  virtual ~BillEventSink() = default;
  virtual void AfterLoadBill() {}
  virtual void AfterNewBill() {}
  virtual void AfterNewEmptyData() {}
  virtual void BeforeLoadBill(bool& /*bCancel*/) {}
  virtual void BeforLoadBillFillData() {}
  virtual void BeforeSave(bool& /*bCancel*/) {}
  virtual void AfterSave(bool& /*bCancel*/) {}
  virtual void SaveBillFailed(const HostDictionaryPtr& /*dctData*/, std::string& /*sErrorMessage*/,
                              bool& /*bCancelErrorMessage*/) {}
  virtual void BeginEdit(const HostDictionaryPtr& /*dct*/, int32_t /*Col*/, int32_t /*row*/) {}
  virtual void Change(const HostDictionaryPtr& /*dct*/, const HostDictionaryPtr& /*dctFld*/,
                      int32_t /*Col*/, int32_t /*row*/, bool& /*Cancel*/) {}
  virtual void HeadCtlLostFocus(const ObjectPtr& /*ctl*/, const HostDictionaryPtr& /*dct*/,
                                const HostDictionaryPtr& /*dctFld*/) {}
  virtual void SetCurrencyState(const HostDictionaryPtr& /*dcData*/) {}
  virtual void SetAmountForEnd(const HostDictionaryPtr& /*dcData*/, int32_t /*iRow*/,
                               const HostDictionaryPtr& /*dct*/,
                               const HostDictionaryPtr& /*dctFld*/) {}
  virtual void BeforeSelBills(int32_t /*lSelBillType*/, const ObjectPtr& /*oDataSrv*/,
                              const HostDictionaryPtr& /*dctLink*/, std::string& /*sFilter*/,
                              HostDictionaryPtr& /*dctParam*/) {}
  virtual void AfterSelBill(int32_t /*lSelBillType*/) {}
  // dctSel: the selection ("rsSrc" = recordset of the picked source lines);
  // dctMap: the editor's field map ("Map").
  virtual void AfterSelBillBeforeFillData(const HostDictionaryPtr& /*dctSel*/,
                                          const HostDictionaryPtr& /*dctMap*/) {}
  virtual void BeforeDoAction(const HostDictionaryPtr& /*dct*/, const HostDictionaryPtr& /*dctFld*/,
                              const ObjectPtr& /*ItemObj*/, const std::string& /*ActionTypeName*/,
                              const std::string& /*ActionName*/, const std::string& /*Paremeters*/,
                              bool& /*bCancel*/) {}
  virtual void AfterDoAction(const HostDictionaryPtr& /*dct*/, const HostDictionaryPtr& /*dctFld*/,
                             const ObjectPtr& /*ItemObj*/, const std::string& /*ActionTypeName*/,
                             const std::string& /*ActionName*/, const std::string& /*Paremeters*/) {
  }
  virtual void MenuBarInitialize(const ToolbarControlPtr& /*oMenuBar*/) {}
  virtual void BarInitialize(const ToolbarControlPtr& /*oActiveBar*/) {}
  virtual void MenuBarClick(const ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {}
};

// The editor's grid control ("BillCtl").
class BillControl : public Object {
 public:
  std::string TypeName() const override { return "BillCtl"; }
  virtual void SetLockProperty(bool lock, const HostDictionaryPtr& fieldInfo) = 0;
  virtual void LockCell(const HostDictionaryPtr& fieldInfo, int32_t row, bool lock) = 0;
  virtual void SetActiveCell(const HostDictionaryPtr& fieldInfo, int32_t row) = 0;
  // Runs the editor's own follow-up of a change of the field (its formulas).
  virtual void DoAction(const HostDictionaryPtr& fieldInfo, const HostDictionaryPtr& fieldData,
                        int32_t row) = 0;
  // 1 new, 2 changing, 3 read-only view...
  virtual int32_t BillStatus() const = 0;
};

// A column of an entry grid ("LOOMFields"(name)).
class EntryField : public Object {
 public:
  std::string TypeName() const override { return "LOOMField"; }
  virtual void SetProperty(std::string_view property, const Variant& value) = 0;
  virtual Variant GetProperty(std::string_view property) const = 0;
};

// An entry of the bill ("BillEntrys"(index)).
class BillEntry : public Object {
 public:
  std::string TypeName() const override { return "BillEntry"; }
  virtual std::string KeyField() const = 0;
  virtual std::shared_ptr<EntryField> LOOMFields(std::string_view name) = 0;
};

// The editor's bill object (GetBillObject): the late-bound members the
// plug-in uses on it.
class BillObject : public Object {
 public:
  std::string TypeName() const override { return "BillObject"; }
  // True when this session holds the modify lock of the bill (else read-only).
  virtual bool MutexSuccess() const = 0;
  virtual void LockBill() = 0;
  virtual void RefreshToolbar() = 0;
  // Saves the bill as the Save command does; false when it was not saved.
  virtual bool SaveBill(bool showMessage) = 0;
  virtual bool NotSave() const = 0;
  virtual void SetNotSave(bool value) = 0;
  // Opens the source-selection window for the code the tool carries.
  virtual void DoSelBillExt(const ToolPtr& tool) = 0;
  virtual int32_t ClassTypeID() const = 0;
  virtual Variant GetFDateValue() = 0;
  // The bill data by page name, as the editor's Data member.
  virtual ObjectPtr Data(std::string_view page) = 0;
};

// The editor's data service (GetDataService).
class BillDataService : public Object {
 public:
  std::string TypeName() const override { return "DataService"; }
  // The stored bill (header columns) of the internal id.
  virtual RecordsetPtr GetBillDetail(int32_t billId) = 0;
  virtual int32_t ClassTypeID() const = 0;
  // "FilterString" (class type condition) and "HeadSort" (order of a selection window).
  virtual HostDictionaryPtr Filter() = 0;
};

// SQL on the host's connection (GetDataAccess).
class DataAccess : public Object {
 public:
  std::string TypeName() const override { return "DataAccess"; }
  virtual RecordsetPtr ExecuteSql(const std::string& sql) = 0;
};

// The bill editor's event object ("BillEvent"): events plus the operations
// and members the plug-in calls on the editor.
class BillEvent : public Object {
 public:
  std::string TypeName() const override { return "BillEvent"; }
  virtual Subscription Advise(std::shared_ptr<BillEventSink> sink) = 0;

  // Operations.
  // kind 1: the stored value; kind 2: the displayed number or name.
  virtual Variant GetFieldValue(std::string_view key, int32_t row, int32_t kind = 1) = 0;
  virtual void SetFieldValue(std::string_view key, const Variant& value, int32_t row) = 0;
  virtual HostDictionaryPtr GetFieldData(std::string_view key, int32_t row) = 0;
  virtual HostDictionaryPtr GetFieldInfo(std::string_view key) = 0;
  virtual void SetFieldText(const HostDictionaryPtr& fieldInfo, const std::string& text,
                            int32_t row) = 0;
  virtual void SetFieldDecimalPlaces(const HostDictionaryPtr& fieldInfo, int32_t row,
                                     int32_t decimals) = 0;
  virtual void SetFieldEditDecimals(const HostDictionaryPtr& fieldInfo, int32_t decimals) = 0;
  virtual void SetMenuItemProperty(std::string_view item, std::string_view property,
                                   const Variant& value) = 0;
  virtual ToolbarControlPtr GetToolBarControl() = 0;
  virtual int32_t GetEditMode() = 0;  // 0 view, 1 new, 2 change
  virtual int32_t GetBillType() = 0;
  virtual int32_t GetBillInterID() = 0;
  virtual int32_t GetClassTypeID() = 0;
  virtual std::shared_ptr<BillObject> GetBillObject() = 0;
  virtual HostDictionaryPtr GetBillDictionary() = 0;
  // A dictionary with the entry "Map": field key -> field information.
  virtual HostDictionaryPtr GetFieldMapHolder() = 0;
  virtual std::shared_ptr<BillDataService> GetDataService() = 0;
  // 1-based vector of pages; each page a dictionary field key -> field data.
  virtual HostVectorPtr GetBillPages() = 0;
  // The field with the focus (nothing when none), its column and row.
  virtual void GetActiveField(HostDictionaryPtr& fieldInfo, int32_t& col, int32_t& row) = 0;
  virtual std::shared_ptr<DataAccess> GetDataAccess() = 0;
  virtual void LoadBillByID(int32_t billId) = 0;
  virtual void ResetBillView() = 0;
  // 2: removes the settlement rows.
  virtual void InvokeEditorAction(int32_t action) = 0;
  virtual void SetStatusText(int32_t panel, const std::string& text) = 0;

  // Members called by name.
  virtual HostDictionaryPtr GetFieldInfoByKey(std::string_view key, std::string_view page,
                                              int32_t flag) = 0;
  // Field data of the field at the row; nothing when there is none.
  virtual HostDictionaryPtr GetDataFld(const HostDictionaryPtr& fieldInfo, int32_t row) = 0;
  virtual HostDictionaryPtr GetDataFldbyKey(std::string_view key) = 0;
  // "Page1": dictionary key -> field data; "Page2"/"Page3": vector of rows,
  // each a dictionary key -> field data; nothing for a page the bill lacks.
  virtual ObjectPtr Data(std::string_view page) = 0;
  virtual std::shared_ptr<BillEntry> BillEntrys(int32_t index) = 0;
  virtual int32_t ClassTypeEntrySize() = 0;
  virtual std::shared_ptr<BillControl> BillCtl() = 0;
  virtual void SetBarStatus(std::string_view item, std::string_view property,
                            const Variant& value) = 0;
  virtual void SetText(const HostDictionaryPtr& fieldInfo, const std::string& text,
                       int32_t row) = 0;
  virtual void LockBill() = 0;
  virtual bool MutexSuccess() = 0;
};

}  // namespace qor
