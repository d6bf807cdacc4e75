#include "refhost/framework/bill_editor_template.h"

#include <algorithm>
#include <cctype>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/host_run.h"

namespace refhost {

namespace {

using qor::Variant;

std::string Text(const qor::Recordset& rs, std::string_view column) {
  return qor::StrOf(rs.Field(column));
}

int32_t Number(const qor::Recordset& rs, std::string_view column) {
  const Variant& value = rs.Field(column);
  return value.IsNull() || value.IsEmpty() ? 0 : qor::CLng(value);
}

// Template names go into statement text; a name that is not plain is a
// broken template.
std::string CheckedName(std::string name, const std::string& what) {
  if (!IsSqlName(name)) throw ScenarioError("bill template: bad " + what + " name '" + name + "'");
  return name;
}

TemplateField ReadField(qor::Recordset& row) {
  TemplateField f;
  f.key = CheckedName(Text(row, "FKey"), "field");
  f.page = Number(row, "FPage");
  f.caption = Text(row, "FCaption");
  f.ctlType = Number(row, "FCtlType");
  f.sourceType = Number(row, "FSourceType");
  f.srcTable = Text(row, "FSRCTableName");
  f.srcField = Text(row, "FSRCFieldName");
  if (f.IsBaseData()) {
    CheckedName(f.srcTable, "table");
    CheckedName(f.srcField, "column");
  }
  f.decimals = Number(row, "FDecimals");
  f.order = Number(row, "FOrder");
  f.visible = Number(row, "FVisible") != 0;
  f.locked = Number(row, "FLocked") != 0;
  f.defaultValue = Text(row, "FDefault");
  f.filter = Text(row, "FFilter");
  return f;
}

TemplateEntry ReadEntry(qor::Recordset& row) {
  TemplateEntry e;
  e.page = Number(row, "FPage");
  e.table = CheckedName(Text(row, "FTable"), "table");
  e.linkColumn = CheckedName(Text(row, "FLinkColumn"), "column");
  e.indexColumn = CheckedName(Text(row, "FIndexColumn"), "column");
  e.keyField = Text(row, "FKeyField");
  return e;
}

SelectTemplate ReadSelection(qor::Recordset& row) {
  SelectTemplate s;
  s.selBillType = Number(row, "FSelBillType");
  s.name = Text(row, "FName");
  s.source = CheckedName(Text(row, "FSource"), "view");
  s.idColumn = CheckedName(Text(row, "FIDColumn"), "column");
  s.numberColumn = CheckedName(Text(row, "FNumberColumn"), "column");
  s.lineColumn = CheckedName(Text(row, "FLineColumn"), "column");
  s.orderBy = Text(row, "FOrderBy");
  s.page = Number(row, "FPage");
  return s;
}

}  // namespace

bool IsSqlName(std::string_view name) {
  if (name.empty()) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

BillTemplate BillTemplate::Load(Database& db, const std::string& window) {
  auto head = db.QueryParams(
      "SELECT FBillTypeID, FWindow, FName, FHeadTable, FKeyColumn, FNumberColumn, FNumberPrefix, "
      "FClassTypeID FROM t_BillTemplate WHERE FWindow = ?",
      {Variant(window)});
  if (head->IsEOF()) throw ScenarioError("no bill editor is defined for the window " + window);
  BillTemplate t;
  t.m_BillTypeId = Number(*head, "FBillTypeID");
  t.m_Window = Text(*head, "FWindow");
  t.m_Name = Text(*head, "FName");
  t.m_HeadTable = CheckedName(Text(*head, "FHeadTable"), "table");
  t.m_KeyColumn = CheckedName(Text(*head, "FKeyColumn"), "column");
  t.m_NumberColumn = Text(*head, "FNumberColumn");
  if (!t.m_NumberColumn.empty()) CheckedName(t.m_NumberColumn, "column");
  t.m_NumberPrefix = Text(*head, "FNumberPrefix");
  t.m_ClassTypeId = Number(*head, "FClassTypeID");
  Variant billType(t.m_BillTypeId);

  auto fields = db.QueryParams(
      "SELECT FKey, FPage, FCaption, FCtlType, FSourceType, FSRCTableName, FSRCFieldName, "
      "FDecimals, FOrder, FVisible, FLocked, FDefault, FFilter FROM t_BillTemplateField "
      "WHERE FBillTypeID = ? ORDER BY FPage, FOrder",
      {billType});
  for (; !fields->IsEOF(); fields->MoveNext()) {
    TemplateField f = ReadField(*fields);
    int32_t column = 0;
    for (const TemplateField& other : t.m_Fields) column += other.page == f.page ? 1 : 0;
    f.column = column + 1;
    t.m_FieldIndex.emplace(qor::UCase(f.key), t.m_Fields.size());
    t.m_Fields.push_back(std::move(f));
  }

  auto entries = db.QueryParams(
      "SELECT FPage, FTable, FLinkColumn, FIndexColumn, FKeyField FROM t_BillTemplateEntry "
      "WHERE FBillTypeID = ? ORDER BY FPage",
      {billType});
  for (; !entries->IsEOF(); entries->MoveNext()) {
    t.m_Entries.push_back(ReadEntry(*entries));
  }

  auto actions = db.QueryParams(
      "SELECT FKey, FOrder, FActionType, FActionName, FParameters FROM t_BillTemplateAction "
      "WHERE FBillTypeID = ? ORDER BY FKey, FOrder",
      {billType});
  for (; !actions->IsEOF(); actions->MoveNext()) {
    t.m_Actions.push_back({Text(*actions, "FKey"), Number(*actions, "FOrder"),
                           Text(*actions, "FActionType"), Text(*actions, "FActionName"),
                           Text(*actions, "FParameters")});
  }

  auto selections = db.QueryParams(
      "SELECT FSelBillType, FName, FSource, FIDColumn, FNumberColumn, FLineColumn, FOrderBy, "
      "FPage FROM t_SelectTemplate WHERE FBillTypeID = ? ORDER BY FSelBillType",
      {billType});
  for (; !selections->IsEOF(); selections->MoveNext()) {
    t.m_Selections.push_back(ReadSelection(*selections));
  }
  return t;
}

const TemplateField* BillTemplate::FindField(std::string_view key) const {
  auto found = m_FieldIndex.find(qor::UCase(key));
  return found == m_FieldIndex.end() ? nullptr : &m_Fields[found->second];
}

const TemplateEntry* BillTemplate::FindEntry(int32_t page) const {
  for (const TemplateEntry& e : m_Entries) {
    if (e.page == page) return &e;
  }
  return nullptr;
}

std::vector<TemplateAction> BillTemplate::ActionsOf(std::string_view key) const {
  std::vector<TemplateAction> found;
  for (const TemplateAction& a : m_Actions) {
    if (qor::EqualsNoCase(a.key, key)) found.push_back(a);
  }
  std::stable_sort(
      found.begin(), found.end(),
      [](const TemplateAction& a, const TemplateAction& b) { return a.order < b.order; });
  return found;
}

const SelectTemplate* BillTemplate::FindSelection(int32_t selBillType) const {
  for (const SelectTemplate& s : m_Selections) {
    if (s.selBillType == selBillType) return &s;
  }
  return nullptr;
}

}  // namespace refhost
