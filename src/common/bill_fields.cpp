#include "common/bill_fields.h"

#include <string_view>
#include <vector>

#include "common/props.h"
#include "common/sql_text.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

namespace {

constexpr char kSource[] = "QORARAPBillInterface";
constexpr int32_t kErrObjectNotSet = 91;
// Control type that shows the stored value itself.
constexpr int32_t kStoredValueControl = 8;
// Source types: a reference to base data, and the partner fields.
constexpr int32_t kBaseDataSource = 1;
constexpr int32_t kPartnerSource = 7;
// Editor status of a bill shown read-only.
constexpr int32_t kReadOnlyStatus = 3;

template <class T>
T& Required(const std::shared_ptr<T>& object) {
  if (!object) qor::RaiseError(kErrObjectNotSet, kSource);
  return *object;
}

qor::HostDictionaryPtr FieldInfo(qor::BillEvent& editor, const std::string& key) {
  auto fieldInfo = editor.GetFieldInfoByKey(key, "", 0);
  if (!fieldInfo) qor::RaiseError(kErrObjectNotSet, kSource);
  return fieldInfo;
}

int32_t NumberOf(const qor::Variant& value) { return static_cast<int32_t>(qor::Val(value)); }

int32_t ControlType(const qor::HostDictionary& fieldInfo) {
  return NumberOf(fieldInfo.Item("FCtlType"));
}

int32_t SourceType(const qor::HostDictionary& fieldInfo) {
  return NumberOf(fieldInfo.GetValue("FSourceType"));
}

qor::HostVector& EntryRows(qor::BillEvent& editor, const std::string& page) {
  return Required(qor::As<qor::HostVector>(editor.Data(page)));
}

// Numbers compare by value (100 and "100.00" are the same); anything else as
// the values themselves.
bool ValueChanged(const qor::Variant& stored, const qor::Variant& value) {
  if (qor::IsNumeric(stored) && qor::IsNumeric(value)) {
    return qor::CDbl(stored) != qor::CDbl(value);
  }
  return !qor::VarEquals(value, stored);
}

// The field's value as it goes into the lookup query. Whatever the user
// typed must not change the statement: a numeric value is written as the
// number it converts to, anything else as quoted text with its quotes
// doubled.
std::string LookupLiteral(const qor::Variant& value) {
  if (qor::IsNumeric(value)) return qor::FormatDouble(qor::CDbl(value));
  return SqlValue(value, true);
}

// Finds the name and number of the referenced base-data record; both are
// emptied unless exactly one record matches.
void LookUpReference(const qor::HostDictionary& fieldInfo, qor::HostDictionary& fieldData,
                     const qor::Variant& value) {
  std::string table = qor::StrOf(fieldInfo.GetValue("FSRCTableName"));
  std::string column = qor::EqualsNoCase(table, "t_submessage") ? "FID" : "FNumber";
  std::string sql = "Select " + column + ",FName From " + table + " Where " +
                    qor::StrOf(fieldInfo.GetValue("FSRCFieldName")) + "=" + LookupLiteral(value);
  ParsePropsString(GetPropsString());
  auto connection = qor::CreateComponent<qor::AppConnection>("QORMAppConnection.AppConnection");
  qor::RecordsetPtr rs = connection->Execute(GetConnectString(), sql);
  if (rs && rs->RecordCount() == 1) {
    fieldData.SetItem("FDSP", NullTo(rs->Field("FName"), ""));
    fieldData.SetItem("FFND", NullTo(rs->Field(column), ""));
    return;
  }
  fieldData.SetItem("FDSP", "");
  fieldData.SetItem("FFND", "");
}

bool IsPartnerKey(const std::string& key) {
  for (std::string_view partner : {"FComID", "FCustID", "FSupplyID", "FCustomer"}) {
    if (qor::EqualsNoCase(key, partner)) return true;
  }
  return false;
}

// What the cell shows: the stored value, the name of the referenced record,
// or the value just written.
std::string CellText(const std::string& key, const qor::HostDictionary& fieldInfo,
                     const qor::HostDictionary& fieldData, const qor::Variant& value) {
  if (ControlType(fieldInfo) == kStoredValueControl) return qor::StrOf(fieldData.Item("FFLD"));
  int32_t sourceType = SourceType(fieldInfo);
  if (sourceType == kBaseDataSource) return qor::StrOf(fieldData.Item("FDSP"));
  if (IsPartnerKey(key) && sourceType == kPartnerSource) {
    return qor::StrOf(fieldData.Item("FDSP"));
  }
  return qor::StrOf(value);
}

void WriteFieldRow(qor::BillEvent& editor, const std::string& key,
                   const qor::HostDictionaryPtr& fieldInfo, qor::HostDictionary& fieldData,
                   int32_t row, const qor::Variant& value, bool refresh, bool keepUnmodified) {
  if (ValueChanged(fieldData.Item("FFLD"), value)) {
    fieldData.SetItem("FFLD", value);
    if (!keepUnmodified) fieldData.SetItem("FModify", 1);
    if (ControlType(*fieldInfo) != kStoredValueControl &&
        SourceType(*fieldInfo) == kBaseDataSource) {
      LookUpReference(*fieldInfo, fieldData, value);
    }
  }
  if (refresh) editor.SetText(fieldInfo, CellText(key, *fieldInfo, fieldData, value), row);
}

void ClearFieldFlags(const qor::ObjectPtr& fields) {
  auto dictionary = qor::As<qor::HostDictionary>(fields);
  if (!dictionary) return;
  for (const auto& [name, fieldData] : dictionary->Items()) {
    if (!fieldData.IsObject()) continue;
    Required(qor::As<qor::HostDictionary>(fieldData.ObjectValue())).SetItem("FModify", 0);
  }
}

struct EditMenuRule {
  std::string_view action;
  std::string_view rowProperty;  // of "mnuEditDelRow" and "mnuEditAddRow"
  bool value;
  bool setsLookUp;  // "mnuDataLookUp" Enabled follows value
};

constexpr EditMenuRule kEditMenuRules[] = {
    {"mnuEditCheck", "Enabled", false, false}, {"mnuEditUnCheck", "Enabled", true, false},
    {"miAffirm", "Enabled", false, false},     {"miUnAffirm", "Enabled", true, false},
    {"miEnable", "Enabled", true, false},      {"miDisable", "Enabled", false, false},
    {"DisableEdit", "Visible", false, true},   {"EnableEdit", "Visible", true, true},
};

}  // namespace

qor::Variant GetBillFieldValue(const std::shared_ptr<qor::BillEvent>& billEditor,
                               const std::string& key, int32_t row) {
  qor::BillEvent& editor = Required(billEditor);
  auto fieldData = editor.GetDataFld(FieldInfo(editor, key), row);
  if (!fieldData || !fieldData->Lookup("FFLD")) return qor::Variant("");
  return fieldData->Item("FFLD");
}

void SetBillFieldValue(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                       int32_t row, const qor::Variant& value, bool refresh, bool keepUnmodified) {
  qor::BillEvent& editor = Required(billEditor);
  auto fieldInfo = FieldInfo(editor, key);
  int32_t page = NumberOf(fieldInfo->Item("FPage"));
  std::vector<int32_t> rows{row};
  if (row == kHeaderRow && page > 1) {
    int32_t count = EntryRows(editor, "Page" + std::to_string(page)).Count();
    rows.clear();
    for (int32_t entryRow = 1; entryRow <= count; ++entryRow) rows.push_back(entryRow);
  }
  for (int32_t target : rows) {
    auto fieldData = editor.GetDataFld(fieldInfo, target);
    if (!fieldData) continue;
    WriteFieldRow(editor, key, fieldInfo, *fieldData, target, value, refresh, keepUnmodified);
  }
}

void ClearModifyFlags(const std::shared_ptr<qor::BillEvent>& billEditor) {
  qor::BillEvent& editor = Required(billEditor);
  ClearFieldFlags(editor.Data("Page1"));
  for (const char* page : {"Page2", "Page3"}) {
    auto rows = qor::As<qor::HostVector>(editor.Data(page));
    if (!rows) continue;
    for (int32_t row = 1; row <= rows->Count(); ++row) {
      const qor::Variant& item = rows->Item(row);
      if (item.IsObject()) ClearFieldFlags(item.ObjectValue());
    }
  }
}

void LockBillField(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                   bool lock, bool clear, int16_t modifyFlag) {
  qor::BillEvent& editor = Required(billEditor);
  auto fieldInfo = FieldInfo(editor, key);
  if (clear) {
    SetBillFieldValue(billEditor, key, 0, 0, true, false);
    Required(editor.GetDataFldbyKey(key)).SetItem("FModify", static_cast<int32_t>(modifyFlag));
  }
  Required(editor.BillCtl()).LockCell(fieldInfo, kHeaderRow, lock);
}

void SetActiveField(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                    int32_t row) {
  qor::BillEvent& editor = Required(billEditor);
  Required(editor.BillCtl()).SetActiveCell(FieldInfo(editor, key), row);
}

void RunFieldAction(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& key,
                    int32_t row, bool markModified) {
  qor::BillEvent& editor = Required(billEditor);
  auto fieldInfo = FieldInfo(editor, key);
  auto fieldData = editor.GetDataFld(fieldInfo, row);
  if (markModified) Required(fieldData).SetItem("FModify", 1);
  Required(editor.BillCtl()).DoAction(fieldInfo, fieldData, row);
}

void LockIdFields(const std::shared_ptr<qor::BillEvent>& billEditor, bool lock) {
  qor::BillEvent& editor = Required(billEditor);
  Required(editor.BillCtl()).SetLockProperty(lock, FieldInfo(editor, "FID"));
  int32_t entries = editor.ClassTypeEntrySize();
  for (int32_t entry = 2; entry <= entries; ++entry) {
    Required(editor.BillCtl())
        .SetLockProperty(lock, FieldInfo(editor, "FID" + std::to_string(entry)));
  }
}

int32_t GetEntryRowCount(const std::shared_ptr<qor::BillEvent>& billEditor, int32_t entryIndex,
                         bool countAll) {
  qor::BillEvent& editor = Required(billEditor);
  int32_t size = EntryRows(editor, "Page" + std::to_string(entryIndex + 1)).Count();
  std::string keyField = Required(editor.BillEntrys(entryIndex)).KeyField();
  if (countAll || keyField.empty()) return size;
  int32_t filled = 0;
  for (int32_t row = 1; row <= size; ++row) {
    if (!qor::Trim(qor::StrOf(editor.GetFieldValue(keyField, row, 1))).empty()) ++filled;
  }
  return filled;
}

void SetEntryFieldsVisible(const std::shared_ptr<qor::BillEvent>& billEditor,
                           const std::string& fieldList, int16_t entryIndex, bool visible) {
  qor::BillEvent& editor = Required(billEditor);
  if (fieldList.empty()) return;
  size_t start = 0;
  while (true) {
    size_t comma = fieldList.find(',', start);
    std::string name = fieldList.substr(start, comma == std::string::npos ? comma : comma - start);
    Required(Required(editor.BillEntrys(entryIndex)).LOOMFields(name))
        .SetProperty("VISIBLE", visible);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

int16_t FindToolIndex(const qor::ToolbarControlPtr& toolBar, const std::string& bandName,
                      const std::string& toolName) {
  const qor::ToolCollection& tools = Required(Required(toolBar).Bands(bandName)).Tools();
  for (int32_t index = 0; index < tools.Count(); ++index) {
    if (qor::EqualsNoCase(tools.ItemAt(index)->m_Name, toolName)) {
      return static_cast<int16_t>(index);
    }
  }
  return 0;
}

void SetEditMenus(const std::shared_ptr<qor::BillEvent>& billEditor, const std::string& action) {
  qor::BillEvent& editor = Required(billEditor);
  for (const EditMenuRule& rule : kEditMenuRules) {
    if (!qor::EqualsNoCase(action, rule.action)) continue;
    editor.SetBarStatus("mnuEditDelRow", rule.rowProperty, rule.value);
    editor.SetBarStatus("mnuEditAddRow", rule.rowProperty, rule.value);
    if (rule.setsLookUp) editor.SetBarStatus("mnuDataLookUp", "Enabled", rule.value);
    break;
  }
  editor.SetBarStatus("mnuCopyRow", "Visible", false);
  editor.SetBarStatus("mnuBatchFillField", "Visible", false);
}

void DisableRowMenusOnStatus(const std::shared_ptr<qor::BillEvent>& billEditor) {
  qor::BillEvent& editor = Required(billEditor);
  if (Required(editor.BillCtl()).BillStatus() != kReadOnlyStatus) return;
  for (const char* item :
       {"mnuEditDelRow", "mnuEditAddRow", "mnuBatchFillField", "mnuDataLookUp"}) {
    editor.SetBarStatus(item, "Enabled", false);
  }
}

void EnableRowMenusOnActiveRow(const std::shared_ptr<qor::BillEvent>& billEditor) {
  qor::BillEvent& editor = Required(billEditor);
  qor::HostDictionaryPtr activeField;
  int32_t col = 0;
  int32_t row = 0;
  editor.GetActiveField(activeField, col, row);
  if (row <= 0) return;
  editor.SetMenuItemProperty("mnuEditDelRow", "Enabled", true);
  editor.SetMenuItemProperty("mnuEditAddRow", "Enabled", true);
}

}  // namespace qorarap
