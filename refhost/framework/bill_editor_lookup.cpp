#include "refhost/framework/bill_editor_lookup.h"

#include "core/vb.h"
#include "refhost/db/database.h"

namespace refhost {

namespace {

std::string CodeColumn(const TemplateField& field) {
  return qor::EqualsNoCase(field.srcTable, "t_SubMessage") ? "FID" : "FNumber";
}

// The template's condition of the lookup list and the one the plug-in wrote
// into the field information before editing (when it differs).
std::string ListCondition(const TemplateField& field, const std::string& extraFilter) {
  std::string condition = qor::Trim(field.filter);
  std::string extra = qor::Trim(extraFilter);
  if (extra.empty() || extra == condition) return condition;
  if (condition.empty()) return extra;
  return "(" + condition + ") And (" + extra + ")";
}

}  // namespace

std::optional<BaseDataLookup::Item> BaseDataLookup::Find(const TemplateField& field,
                                                         const std::string& where,
                                                         const qor::Variant& value,
                                                         const std::string& condition) {
  std::string sql = "SELECT " + field.srcField + " AS FItemKey, " + CodeColumn(field) +
                    " AS FItemCode, FName FROM " + field.srcTable + " WHERE " + where;
  if (!condition.empty()) sql += " AND (" + condition + ")";
  auto rs = m_Db.QueryParams(sql, {value});
  // Exactly one item: a code shared by two items identifies none.
  if (rs->IsEOF() || rs->RecordCount() != 1) return std::nullopt;
  Item item;
  item.id = qor::CLng(rs->Field("FItemKey"));
  item.number = qor::StrOf(rs->Field("FItemCode"));
  item.name = qor::StrOf(rs->Field("FName"));
  return item;
}

std::optional<BaseDataLookup::Item> BaseDataLookup::ById(const TemplateField& field,
                                                         const qor::Variant& id) {
  if (!qor::IsNumeric(id) || qor::CDbl(id) == 0) return std::nullopt;
  return Find(field, field.srcField + " = ?", qor::Variant(qor::CLng(id)), "");
}

std::optional<BaseDataLookup::Item> BaseDataLookup::Pickable(const TemplateField& field, int32_t id,
                                                             const std::string& extraFilter) {
  if (id == 0) return std::nullopt;
  return Find(field, field.srcField + " = ?", qor::Variant(id), ListCondition(field, extraFilter));
}

std::optional<BaseDataLookup::Item> BaseDataLookup::ByNumber(const TemplateField& field,
                                                             const std::string& number,
                                                             const std::string& extraFilter) {
  if (qor::Trim(number).empty()) return std::nullopt;
  return Find(field, CodeColumn(field) + " = ?", qor::Variant(qor::Trim(number)),
              ListCondition(field, extraFilter));
}

}  // namespace refhost
