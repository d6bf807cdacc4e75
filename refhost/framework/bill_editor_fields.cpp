#include "refhost/framework/bill_editor_fields.h"

#include <cmath>
#include <cstdio>

#include "core/vb.h"

namespace refhost {

namespace {

using qor::HostDictionary;
using qor::HostDictionaryPtr;
using qor::Variant;

constexpr int32_t kHeaderPage = 1;

std::string Upper(std::string_view key) { return qor::UCase(key); }

HostDictionaryPtr NewFieldData(const Variant& value) {
  auto data = std::make_shared<HostDictionary>();
  data->SetItem("FFLD", value);
  data->SetItem("FDSP", "");
  data->SetItem("FFND", "");
  data->SetItem("FModify", 0);
  return data;
}

HostDictionaryPtr DictionaryOf(const Variant& value) {
  if (!value.IsObject()) return nullptr;
  return std::dynamic_pointer_cast<HostDictionary>(value.ObjectValue());
}

bool IsBlank(const Variant& value) {
  return value.IsEmpty() || value.IsNull() ||
         (value.IsString() && qor::Trim(value.StringValue()).empty());
}

// A number typed or stored as text: a whole number stays a Long.
Variant NumberOf(double number) {
  if (std::floor(number) == number && std::fabs(number) < 2147483647.0) {
    return Variant(static_cast<int32_t>(number));
  }
  return Variant(number);
}

// Same stored value: numbers compare numerically, everything else as text.
bool SameValue(const Variant& a, const Variant& b) {
  if (qor::IsNumeric(a) && qor::IsNumeric(b) && !IsBlank(a) && !IsBlank(b)) {
    return qor::CDbl(a) == qor::CDbl(b);
  }
  return qor::StrOf(a) == qor::StrOf(b) && a.IsDate() == b.IsDate();
}

[[noreturn]] void UnknownField(std::string_view key) {
  qor::RaiseError(qor::kErrInvalidCall, "BillEvent", "字段 " + std::string(key) + " 不存在");
}

}  // namespace

BillFieldStore::BillFieldStore(const BillTemplate& billTemplate, BaseDataLookup& lookup)
    : m_Template(billTemplate),
      m_Lookup(lookup),
      m_MapHolder(std::make_shared<HostDictionary>()),
      m_Header(std::make_shared<HostDictionary>()) {
  auto map = std::make_shared<HostDictionary>();
  for (const TemplateField& f : m_Template.Fields()) {
    auto info = std::make_shared<HostDictionary>();
    info->SetItem("FKey", f.key);
    info->SetItem("FFieldName", f.key);
    info->SetItem("FCaption", f.caption);
    info->SetItem("FPage", f.page);
    info->SetItem("FCtlType", f.ctlType);
    info->SetItem("FSourceType", f.sourceType);
    info->SetItem("FSRCTableName", f.srcTable);
    info->SetItem("FSRCFieldName", f.srcField);
    info->SetItem("FDecimals", f.decimals);
    info->SetItem("FVisible", f.visible);
    info->SetItem("FLocked", f.locked);
    info->SetItem("FDefault", f.defaultValue);
    info->SetItem("FFilter", f.filter);
    info->SetItem("FClassTypeID", m_Template.ClassTypeId());
    info->SetItem("FColumn", f.column);
    info->SetItem("FOrder", f.order);
    m_Infos[Upper(f.key)] = info;
    map->SetItem(f.key, info);
  }
  m_MapHolder->SetItem("Map", map);
  for (const TemplateEntry& e : m_Template.Entries()) {
    m_Entries[e.page] = std::make_shared<qor::HostVector>();
  }
  Clear();
}

// ---- fields and pages ----

HostDictionaryPtr BillFieldStore::Info(std::string_view key) const {
  auto it = m_Infos.find(Upper(key));
  return it == m_Infos.end() ? nullptr : it->second;
}

const TemplateField& BillFieldStore::RequireField(std::string_view key) const {
  const TemplateField* field = Field(key);
  if (!field) UnknownField(key);
  return *field;
}

qor::HostVectorPtr BillFieldStore::EntryPage(int32_t page) const {
  auto it = m_Entries.find(page);
  return it == m_Entries.end() ? nullptr : it->second;
}

int32_t BillFieldStore::RowCount(int32_t page) const {
  qor::HostVectorPtr rows = EntryPage(page);
  return rows ? rows->Count() : 0;
}

HostDictionaryPtr BillFieldStore::Row(int32_t page, int32_t row) const {
  qor::HostVectorPtr rows = EntryPage(page);
  if (!rows || row < 1 || row > rows->Count()) return nullptr;
  return DictionaryOf(rows->Item(row));
}

HostDictionaryPtr BillFieldStore::Data(std::string_view key, int32_t row) const {
  const TemplateField* field = Field(key);
  if (!field) return nullptr;
  if (field->page == kHeaderPage) return DictionaryOf(m_Header->Item(field->key));
  HostDictionaryPtr rowData = Row(field->page, row);
  return rowData ? DictionaryOf(rowData->Item(field->key)) : nullptr;
}

HostDictionaryPtr BillFieldStore::RequireData(std::string_view key, int32_t row) const {
  RequireField(key);
  HostDictionaryPtr data = Data(key, row);
  if (!data) {
    qor::RaiseError(qor::kErrSubscript, "BillEvent",
                    "第 " + std::to_string(row) + " 行没有字段 " + std::string(key));
  }
  return data;
}

Variant BillFieldStore::DefaultValue(const TemplateField& field) const {
  const std::string& text = field.defaultValue;
  Variant value;
  if (text == "@today") {
    value = Variant::Date(m_Context.today);
  } else if (text == "@user") {
    value = Variant(m_Context.userId);
  } else if (!text.empty() && field.ctlType != 1 && qor::IsNumericText(text)) {
    value = NumberOf(qor::Val(text));
  } else if (!text.empty()) {
    value = Variant(text);
  }
  return Normalize(field, value);
}

HostDictionaryPtr BillFieldStore::NewRow(int32_t page) const {
  auto row = std::make_shared<HostDictionary>();
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page == page) row->SetItem(f.key, NewFieldData(DefaultValue(f)));
  }
  return row;
}

// ---- whole bill ----

void BillFieldStore::Clear() {
  m_Header->Clear();
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page == kHeaderPage) m_Header->SetItem(f.key, NewFieldData(Normalize(f, Variant())));
  }
  for (auto& [page, rows] : m_Entries) rows->Clear();
  m_FieldLocks.clear();
  m_CellLocks.clear();
  m_FieldDecimals.clear();
  m_EditDecimals.clear();
  m_CellDecimals.clear();
  m_Texts.clear();
  for (const TemplateField& f : m_Template.Fields()) {
    m_FieldLocks[Upper(f.key)] = f.locked;
    m_FieldDecimals[Upper(f.key)] = f.decimals;
    m_EditDecimals[Upper(f.key)] = f.decimals;
  }
}

void BillFieldStore::SetDefaults(const NewBillContext& context) {
  Clear();
  m_Context = context;
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page == kHeaderPage) RequireData(f.key, 0)->SetItem("FFLD", DefaultValue(f));
  }
  const std::string& numberColumn = m_Template.NumberColumn();
  if (!context.number.empty() && Field(numberColumn)) {
    RequireData(numberColumn, 0)->SetItem("FFLD", context.number);
  }
  for (auto& [page, rows] : m_Entries) rows->Add(Variant(NewRow(page)));
  FillDisplays();
}

void BillFieldStore::ReadHeader(const qor::Recordset& header) {
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page != kHeaderPage) continue;
    Variant value = header.HasField(f.key) ? header.Field(f.key) : Variant();
    m_Header->SetItem(f.key, NewFieldData(Normalize(f, value)));
  }
}

void BillFieldStore::ReadRow(int32_t page, const qor::Recordset& stored) {
  qor::HostVectorPtr rows = EntryPage(page);
  if (!rows) return;
  HostDictionaryPtr row = NewRow(page);
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page != page || !stored.HasField(f.key)) continue;
    row->SetItem(f.key, NewFieldData(Normalize(f, stored.Field(f.key))));
  }
  rows->Add(Variant(row));
}

void BillFieldStore::FillDisplays() {
  for (const TemplateField& f : m_Template.Fields()) {
    if (!f.IsBaseData()) continue;
    if (f.page == kHeaderPage) {
      if (HostDictionaryPtr data = Data(f.key, 0)) FillDisplay(f, *data);
      continue;
    }
    for (int32_t row = 1; row <= RowCount(f.page); ++row) {
      if (HostDictionaryPtr data = Data(f.key, row)) FillDisplay(f, *data);
    }
  }
}

void BillFieldStore::FillDisplay(const TemplateField& field, HostDictionary& data) {
  std::optional<BaseDataLookup::Item> item = m_Lookup.ById(field, data.Item("FFLD"));
  data.SetItem("FDSP", item ? item->name : "");
  data.SetItem("FFND", item ? item->number : "");
}

// ---- values ----

Variant BillFieldStore::Value(std::string_view key, int32_t row) const {
  return RequireData(key, row)->Item("FFLD");
}

void BillFieldStore::Write(std::string_view key, int32_t row, const Variant& value,
                           bool markModified) {
  const TemplateField& field = RequireField(key);
  HostDictionaryPtr data = RequireData(key, row);
  Variant stored = value;
  // A text written into a lookup field is the item's code, as typed into the
  // lookup; a number is its id.
  if (field.IsBaseData() && value.IsString() && !qor::Trim(value.StringValue()).empty()) {
    std::optional<BaseDataLookup::Item> item = m_Lookup.ByNumber(field, value.StringValue(), "");
    if (item) {
      stored = Variant(item->id);
    } else if (!qor::IsNumericText(value.StringValue())) {
      stored = Variant("");
    }
  }
  stored = Normalize(field, stored);
  if (!SameValue(data->Item("FFLD"), stored)) {
    data->SetItem("FFLD", stored);
    if (markModified) data->SetItem("FModify", 1);
  }
  if (field.IsBaseData()) FillDisplay(field, *data);
}

bool BillFieldStore::ParseInput(const TemplateField& field, const std::string& text,
                                Variant& value) {
  std::string trimmed = qor::Trim(text);
  if (field.IsBaseData()) {
    if (trimmed.empty() || trimmed == "0") {
      value = Variant("");
      return true;
    }
    if (!qor::IsNumericText(trimmed)) return false;
    std::string userFilter;
    if (HostDictionaryPtr info = Info(field.key)) userFilter = qor::StrOf(info->Item("FFilter"));
    std::optional<BaseDataLookup::Item> item =
        m_Lookup.Pickable(field, qor::CLng(Variant(trimmed)), userFilter);
    if (!item) return false;
    value = Variant(item->id);
    return true;
  }
  if (field.IsNumber()) {
    if (trimmed.empty()) {
      value = Variant(0.0);
      return true;
    }
    if (!qor::IsNumericText(trimmed)) return false;
    value = Variant(qor::Val(trimmed));
    return true;
  }
  if (field.IsDate()) {
    double date = 0;
    if (trimmed.empty()) {
      value = Variant("");
      return true;
    }
    if (!qor::ParseDate(trimmed, date)) return false;
    value = Variant::Date(date);
    return true;
  }
  if (field.ctlType == 8 && !trimmed.empty() && qor::IsNumericText(trimmed)) {
    value = NumberOf(qor::Val(trimmed));
    return true;
  }
  value = Variant(text);
  return true;
}

Variant BillFieldStore::Normalize(const TemplateField& field, const Variant& value) const {
  if (field.IsBaseData()) {
    if (IsBlank(value)) return Variant("");
    if (!qor::IsNumeric(value)) return value;
    double id = qor::CDbl(value);
    return id == 0 ? Variant("") : Variant(qor::CLng(Variant(id)));
  }
  if (field.IsNumber()) {
    if (IsBlank(value) || !qor::IsNumeric(value)) return Variant(0.0);
    return Variant(qor::CDbl(value));
  }
  if (field.IsDate()) {
    if (IsBlank(value)) return Variant("");
    if (value.IsDate()) return value;
    if (value.IsString()) {
      double date = 0;
      return qor::ParseDate(qor::Trim(value.StringValue()), date) ? Variant::Date(date)
                                                                  : Variant("");
    }
    return qor::IsNumeric(value) ? Variant::Date(qor::CDbl(value)) : Variant("");
  }
  if (field.ctlType == 1) return Variant(qor::StrOf(value));
  if (value.IsNull() || value.IsEmpty()) return Variant("");
  return value;
}

// ---- rows ----

int32_t BillFieldStore::AddRow(int32_t page) {
  qor::HostVectorPtr rows = EntryPage(page);
  if (!rows)
    qor::RaiseError(qor::kErrSubscript, "BillEvent", "单据没有第 " + std::to_string(page) + " 页");
  HostDictionaryPtr row = NewRow(page);
  rows->Add(Variant(row));
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page == page && f.IsBaseData()) FillDisplay(f, *DictionaryOf(row->Item(f.key)));
  }
  return rows->Count();
}

void BillFieldStore::DeleteRow(int32_t page, int32_t row) {
  qor::HostVectorPtr rows = EntryPage(page);
  if (!rows) qor::RaiseError(qor::kErrSubscript, "BillEvent");
  rows->Remove(row);
  // Cell locks follow their rows.
  std::map<std::pair<int32_t, std::string>, bool> moved;
  for (const auto& [cell, lock] : m_CellLocks) {
    if (cell.first == row) continue;
    moved[{cell.first > row ? cell.first - 1 : cell.first, cell.second}] = lock;
  }
  m_CellLocks = std::move(moved);
}

void BillFieldStore::ClearRows(int32_t page) {
  qor::HostVectorPtr rows = EntryPage(page);
  if (!rows) return;
  rows->Clear();
  m_CellLocks.clear();
}

// ---- locks ----

void BillFieldStore::LockField(std::string_view key, bool lock) {
  const TemplateField& field = RequireField(key);
  std::string upper = Upper(field.key);
  m_FieldLocks[upper] = lock;
  for (auto it = m_CellLocks.begin(); it != m_CellLocks.end();) {
    it = it->first.second == upper ? m_CellLocks.erase(it) : std::next(it);
  }
}

void BillFieldStore::LockCell(std::string_view key, int32_t row, bool lock) {
  const TemplateField& field = RequireField(key);
  if (row <= 0 || field.page == kHeaderPage) {
    LockField(key, lock);
    return;
  }
  m_CellLocks[{row, Upper(field.key)}] = lock;
}

bool BillFieldStore::IsLocked(std::string_view key, std::optional<int32_t> row) const {
  const TemplateField& field = RequireField(key);
  std::string upper = Upper(field.key);
  if (field.page == kHeaderPage && IsReadOnlyFlagged(field.key)) return true;
  if (row && *row > 0 && field.page != kHeaderPage) {
    auto cell = m_CellLocks.find({*row, upper});
    if (cell != m_CellLocks.end()) return cell->second;
  }
  auto it = m_FieldLocks.find(upper);
  return it != m_FieldLocks.end() && it->second;
}

// The field flag of a header field: its field data's "FReadOnly" set true
// makes the field read-only, whatever its lock says.
bool BillFieldStore::IsReadOnlyFlagged(std::string_view key) const {
  HostDictionaryPtr data = Data(key, 0);
  if (!data || !data->Lookup("FReadOnly")) return false;
  Variant flag = data->Item("FReadOnly");
  return qor::IsNumeric(flag) && qor::CDbl(flag) != 0;
}

// ---- display ----

void BillFieldStore::SetText(std::string_view key, int32_t row, const std::string& text) {
  HostDictionaryPtr data = RequireData(key, row);
  m_Texts[data.get()] = {data, data->Item("FFLD"), text};
}

std::string BillFieldStore::Text(std::string_view key, int32_t row) const {
  const TemplateField& field = RequireField(key);
  HostDictionaryPtr data = Data(key, row);
  if (!data) return "";
  Variant value = data->Item("FFLD");
  auto shown = m_Texts.find(data.get());
  if (shown != m_Texts.end() && shown->second.data.lock() == data &&
      SameValue(shown->second.shownFor, value)) {
    return shown->second.text;
  }
  if (field.IsBaseData()) return qor::StrOf(data->Item("FDSP"));
  return FormatValue(field, value, Decimals(key, row));
}

std::string BillFieldStore::FormatValue(const TemplateField& field, const Variant& value,
                                        int32_t decimals) const {
  if (value.IsNull() || value.IsEmpty()) return "";
  if (field.IsNumber()) {
    if (IsBlank(value) || !qor::IsNumeric(value)) return qor::StrOf(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, std::min(decimals, 15)),
                  qor::CDbl(value));
    return buffer;
  }
  if (field.IsDate() && value.IsDate()) return qor::FormatDate(value.DoubleValue());
  if (value.IsObject()) return "";
  return qor::StrOf(value);
}

void BillFieldStore::SetDecimals(std::string_view key, int32_t row, int32_t decimals) {
  const TemplateField& field = RequireField(key);
  if (row <= 0 || field.page == kHeaderPage) {
    m_FieldDecimals[Upper(field.key)] = decimals;
    return;
  }
  HostDictionaryPtr data = RequireData(key, row);
  m_CellDecimals[data.get()] = {data, decimals};
}

void BillFieldStore::SetEditDecimals(std::string_view key, int32_t decimals) {
  m_EditDecimals[Upper(RequireField(key).key)] = decimals;
}

int32_t BillFieldStore::Decimals(std::string_view key, int32_t row) const {
  const TemplateField& field = RequireField(key);
  if (row > 0 && field.page != kHeaderPage) {
    if (HostDictionaryPtr data = Data(key, row)) {
      auto cell = m_CellDecimals.find(data.get());
      if (cell != m_CellDecimals.end() && cell->second.data.lock() == data) {
        return cell->second.decimals;
      }
    }
  }
  auto it = m_FieldDecimals.find(Upper(field.key));
  return it == m_FieldDecimals.end() ? field.decimals : it->second;
}

int32_t BillFieldStore::EditDecimals(std::string_view key) const {
  const TemplateField& field = RequireField(key);
  auto it = m_EditDecimals.find(Upper(field.key));
  return it == m_EditDecimals.end() ? field.decimals : it->second;
}

// ---- save support ----

void BillFieldStore::ClearModifyFlags() {
  auto clear = [](const HostDictionary& fields) {
    for (const auto& [key, item] : fields.Items()) {
      if (HostDictionaryPtr data = DictionaryOf(item)) data->SetItem("FModify", 0);
    }
  };
  clear(*m_Header);
  for (const auto& [page, rows] : m_Entries) {
    for (int32_t row = 1; row <= rows->Count(); ++row) {
      if (HostDictionaryPtr fields = DictionaryOf(rows->Item(row))) clear(*fields);
    }
  }
}

HostDictionaryPtr BillFieldStore::HeaderValues() const {
  auto values = std::make_shared<HostDictionary>();
  for (const TemplateField& f : m_Template.Fields()) {
    if (f.page != kHeaderPage) continue;
    HostDictionaryPtr data = Data(f.key, 0);
    values->SetItem(f.key, data ? data->Item("FFLD") : Variant());
  }
  return values;
}

}  // namespace refhost
