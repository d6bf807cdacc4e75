#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/variant.h"
#include "refhost/framework/bill_editor_template.h"

namespace refhost {

class Database;

// The base-data items a lookup field of the editor refers to: the field's
// table (FSRCTableName) keyed by its column (FSRCFieldName); an item's code
// is its FNumber (FID in t_SubMessage) and its text its FName.
class BaseDataLookup {
 public:
  explicit BaseDataLookup(Database& db) : m_Db(db) {}

  struct Item {
    int32_t id = 0;
    std::string number;
    std::string name;
  };

  // The item of the id, whatever its state (a deleted department still
  // shows on an old bill); nothing when there is none.
  std::optional<Item> ById(const TemplateField& field, const qor::Variant& id);
  // The item the user may pick: the id exists and passes the lookup list's
  // condition (the template's and the one the plug-in set before editing).
  std::optional<Item> Pickable(const TemplateField& field, int32_t id,
                               const std::string& extraFilter);
  // The item whose code is the text, among those of the lookup list.
  std::optional<Item> ByNumber(const TemplateField& field, const std::string& number,
                               const std::string& extraFilter);

 private:
  std::optional<Item> Find(const TemplateField& field, const std::string& where,
                           const qor::Variant& value, const std::string& extraFilter);
  Database& m_Db;
};

}  // namespace refhost
