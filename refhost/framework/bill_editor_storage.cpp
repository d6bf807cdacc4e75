#include "refhost/framework/bill_editor_storage.h"

#include <cstdio>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/type_card_business.h"

namespace refhost {

namespace {

using qor::Variant;

constexpr int32_t kHeaderPage = 1;
constexpr int kNumberDigits = 4;

bool IsBlank(const Variant& value) {
  return value.IsEmpty() || value.IsNull() ||
         (value.IsString() && qor::Trim(value.StringValue()).empty());
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::string Placeholders(size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += i == 0 ? "?" : ", ?";
  return text;
}

}  // namespace

BillStorage::BillStorage(Database& db, const BillTemplate& billTemplate)
    : m_Db(db), m_Template(billTemplate) {}

const std::vector<BillStorage::Column>& BillStorage::ColumnsOf(const std::string& table) {
  for (const auto& [name, columns] : m_Columns) {
    if (qor::EqualsNoCase(name, table)) return columns;
  }
  std::vector<Column> columns;
  auto rs = m_Db.QueryParams("PRAGMA table_info(" + table + ")", {});
  for (; !rs->IsEOF(); rs->MoveNext()) {
    columns.push_back({qor::StrOf(rs->Field("name")), qor::UCase(qor::StrOf(rs->Field("type"))),
                       qor::CLng(rs->Field("notnull")) != 0});
  }
  m_Columns.emplace_back(table, std::move(columns));
  return m_Columns.back().second;
}

const BillStorage::Column* BillStorage::FindColumn(const std::string& table,
                                                   const std::string& name) {
  for (const Column& column : ColumnsOf(table)) {
    if (qor::EqualsNoCase(column.name, name)) return &column;
  }
  return nullptr;
}

// The field value as the column stores it: ids and flags as integers,
// amounts as reals, dates as 'yyyy-mm-dd' text; a blank value is NULL where
// the column allows it and 0 or '' where it does not.
Variant BillStorage::ColumnValue(const Column& column, const Variant& value) const {
  const std::string& type = column.type;
  bool isInteger = Contains(type, "INT");
  bool isReal = Contains(type, "REAL") || Contains(type, "FLOA") || Contains(type, "DOUB") ||
                Contains(type, "NUM");
  bool isDate = Contains(type, "DATE") || Contains(type, "TIME");
  if (IsBlank(value)) {
    if (!column.notNull) return Variant::Null();
    if (isInteger) return Variant(0);
    if (isReal) return Variant(0.0);
    return Variant("");
  }
  if (isInteger)
    return qor::IsNumeric(value) ? Variant(qor::CLng(Variant(qor::CDbl(value)))) : Variant(0);
  if (isReal) return qor::IsNumeric(value) ? Variant(qor::CDbl(value)) : Variant(0.0);
  if (isDate) {
    double date = 0;
    if (value.IsDate())
      date = value.DoubleValue();
    else if (value.IsString() && qor::ParseDate(qor::Trim(value.StringValue()), date)) {
    } else if (qor::IsNumeric(value))
      date = qor::CDbl(value);
    else
      return Variant(qor::StrOf(value));
    bool hasTime = date != static_cast<double>(static_cast<int64_t>(date));
    return Variant(hasTime ? qor::FormatDateTime(date) : qor::FormatDate(date));
  }
  return Variant(qor::StrOf(value));
}

bool BillStorage::Exists(int32_t billId) {
  auto rs = m_Db.QueryParams("SELECT COUNT(*) AS FCount FROM " + m_Template.HeadTable() +
                                 " WHERE " + m_Template.KeyColumn() + " = ?",
                             {Variant(billId)});
  return qor::CLng(rs->Field("FCount")) > 0;
}

int32_t BillStorage::FindByNumber(const std::string& billNo) {
  if (m_Template.NumberColumn().empty()) return 0;
  auto rs = m_Db.QueryParams("SELECT " + m_Template.KeyColumn() + " AS FKey FROM " +
                                 m_Template.HeadTable() + " WHERE " + m_Template.NumberColumn() +
                                 " = ? ORDER BY 1",
                             {Variant(billNo)});
  return rs->IsEOF() ? 0 : qor::CLng(rs->Field("FKey"));
}

void BillStorage::Read(int32_t billId, BillFieldStore& store) {
  auto header = m_Db.QueryParams(
      "SELECT * FROM " + m_Template.HeadTable() + " WHERE " + m_Template.KeyColumn() + " = ?",
      {Variant(billId)});
  if (header->IsEOF()) {
    qor::RaiseError(qor::kErrInvalidCall, "BillEvent",
                    "数据可能已经被删除,请刷新! (" + std::to_string(billId) + ")");
  }
  store.Clear();
  store.ReadHeader(*header);
  for (const TemplateEntry& entry : m_Template.Entries()) {
    auto rows = m_Db.QueryParams("SELECT * FROM " + entry.table + " WHERE " + entry.linkColumn +
                                     " = ? ORDER BY " + entry.indexColumn,
                                 {Variant(billId)});
    for (; !rows->IsEOF(); rows->MoveNext()) store.ReadRow(entry.page, *rows);
  }
}

qor::RecordsetPtr BillStorage::Detail(int32_t billId) {
  const std::string& head = m_Template.HeadTable();
  std::string select = "SELECT h.*";
  std::string from = " FROM " + head + " h";
  if (const TemplateEntry* entry = m_Template.FindEntry(2)) {
    for (const Column& column : ColumnsOf(entry->table)) {
      if (FindColumn(head, column.name)) continue;
      select += ", e." + column.name;
    }
    from += " LEFT JOIN " + entry->table + " e ON e." + entry->linkColumn + " = h." +
            m_Template.KeyColumn();
    return m_Db.QueryParams(select + from + " WHERE h." + m_Template.KeyColumn() +
                                " = ? ORDER BY e." + entry->indexColumn,
                            {Variant(billId)});
  }
  return m_Db.QueryParams(select + from + " WHERE h." + m_Template.KeyColumn() + " = ?",
                          {Variant(billId)});
}

std::string BillStorage::NextNumber() {
  const std::string& prefix = m_Template.NumberPrefix();
  const std::string& column = m_Template.NumberColumn();
  if (prefix.empty() || column.empty()) return "";
  auto rs = m_Db.QueryParams("SELECT " + column + " AS FNo FROM " + m_Template.HeadTable() +
                                 " WHERE substr(" + column + ", 1, ?) = ?",
                             {Variant(static_cast<int32_t>(prefix.size())), Variant(prefix)});
  int32_t highest = 0;
  for (; !rs->IsEOF(); rs->MoveNext()) {
    std::string tail = qor::StrOf(rs->Field("FNo")).substr(prefix.size());
    if (qor::IsNumericText(tail)) highest = std::max(highest, qor::CLng(Variant(qor::Val(tail))));
  }
  char digits[16];
  std::snprintf(digits, sizeof digits, "%0*d", kNumberDigits, highest + 1);
  return prefix + digits;
}

int32_t BillStorage::Write(const BillFieldStore& store, int32_t billId) {
  Transaction transaction(m_Db);
  bool insert = billId <= 0;
  if (!insert && !Exists(billId)) {
    qor::RaiseError(qor::kErrInvalidCall, "BillEvent", "数据可能已经被删除,请刷新!");
  }
  if (insert) {
    auto rs = m_Db.QueryParams("SELECT IFNULL(MAX(" + m_Template.KeyColumn() +
                                   "), 0) + 1 AS FNew FROM " + m_Template.HeadTable(),
                               {});
    billId = qor::CLng(rs->Field("FNew"));
  }
  WriteHeader(store, billId, insert);
  for (const TemplateEntry& entry : m_Template.Entries()) WriteRows(store, entry, billId);
  if (insert && qor::EqualsNoCase(m_Template.HeadTable(), "t_RP_InOutType")) {
    MoveParentTypeBusiness(m_Db, billId);
  }
  transaction.Commit();
  return billId;
}

void BillStorage::WriteHeader(const BillFieldStore& store, int32_t billId, bool insert) {
  const std::string& head = m_Template.HeadTable();
  std::vector<std::string> names;
  std::vector<Variant> values;
  for (const TemplateField& field : m_Template.Fields()) {
    if (field.page != kHeaderPage || qor::EqualsNoCase(field.key, m_Template.KeyColumn())) continue;
    const Column* column = FindColumn(head, field.key);
    if (!column) continue;
    names.push_back(column->name);
    values.push_back(ColumnValue(*column, store.Value(field.key, 0)));
  }
  if (insert) {
    std::string list = m_Template.KeyColumn();
    for (const std::string& name : names) list += ", " + name;
    values.insert(values.begin(), Variant(billId));
    m_Db.ExecuteParams(
        "INSERT INTO " + head + " (" + list + ") VALUES (" + Placeholders(values.size()) + ")",
        values);
    return;
  }
  std::string assignments;
  for (const std::string& name : names)
    assignments += (assignments.empty() ? "" : ", ") + name + " = ?";
  values.push_back(Variant(billId));
  m_Db.ExecuteParams(
      "UPDATE " + head + " SET " + assignments + " WHERE " + m_Template.KeyColumn() + " = ?",
      values);
}

bool BillStorage::IsFilledRow(const BillFieldStore& store, const TemplateEntry& entry,
                              int32_t row) const {
  if (!entry.keyField.empty()) return !IsBlank(store.Value(entry.keyField, row));
  for (const TemplateField& field : m_Template.Fields()) {
    if (field.page != entry.page) continue;
    Variant value = store.Value(field.key, row);
    if (!IsBlank(value) && !(qor::IsNumeric(value) && qor::CDbl(value) == 0)) return true;
  }
  return false;
}

void BillStorage::WriteRows(const BillFieldStore& store, const TemplateEntry& entry,
                            int32_t billId) {
  m_Db.ExecuteParams("DELETE FROM " + entry.table + " WHERE " + entry.linkColumn + " = ?",
                     {Variant(billId)});
  int32_t index = 0;
  for (int32_t row = 1; row <= store.RowCount(entry.page); ++row) {
    if (!store.Row(entry.page, row) || !IsFilledRow(store, entry, row)) continue;
    std::string list = entry.linkColumn + ", " + entry.indexColumn;
    std::vector<Variant> values = {Variant(billId), Variant(++index)};
    for (const TemplateField& field : m_Template.Fields()) {
      if (field.page != entry.page) continue;
      const Column* column = FindColumn(entry.table, field.key);
      if (!column || qor::EqualsNoCase(column->name, entry.linkColumn) ||
          qor::EqualsNoCase(column->name, entry.indexColumn)) {
        continue;
      }
      list += ", " + column->name;
      values.push_back(ColumnValue(*column, store.Value(field.key, row)));
    }
    m_Db.ExecuteParams("INSERT INTO " + entry.table + " (" + list + ") VALUES (" +
                           Placeholders(values.size()) + ")",
                       values);
  }
}

void BillStorage::Delete(int32_t billId) {
  Transaction transaction(m_Db);
  for (const TemplateEntry& entry : m_Template.Entries()) {
    m_Db.ExecuteParams("DELETE FROM " + entry.table + " WHERE " + entry.linkColumn + " = ?",
                       {Variant(billId)});
  }
  m_Db.ExecuteParams(
      "DELETE FROM " + m_Template.HeadTable() + " WHERE " + m_Template.KeyColumn() + " = ?",
      {Variant(billId)});
  transaction.Commit();
}

}  // namespace refhost
