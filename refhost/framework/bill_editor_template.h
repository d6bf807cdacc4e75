#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace refhost {

class Database;

// One field of a bill editor (t_BillTemplateField).
struct TemplateField {
  std::string key;
  int32_t page = 1;  // 1 header, 2.. entry pages
  std::string caption;
  int32_t ctlType = 1;     // 1 text, 2 number, 3 date, 4 lookup, 5 drop list, 8 plain value
  int32_t sourceType = 0;  // 1 base-data reference, 7 partner
  std::string srcTable;
  std::string srcField;
  int32_t decimals = 0;
  int32_t order = 0;
  int32_t column = 0;  // 1-based position within its page
  bool visible = true;
  bool locked = false;
  std::string defaultValue;  // "", a value, "@today" or "@user"
  std::string filter;        // extra condition of the lookup list

  bool IsBaseData() const { return (sourceType == 1 || sourceType == 7) && !srcTable.empty(); }
  bool IsNumber() const { return ctlType == 2; }
  bool IsDate() const { return ctlType == 3; }
};

// An entry page of a bill (t_BillTemplateEntry).
struct TemplateEntry {
  int32_t page = 2;
  std::string table;
  std::string linkColumn;
  std::string indexColumn;
  std::string keyField;  // "" when a row has no key field
};

// A field action of the editor (t_BillTemplateAction): runs when its field changes.
struct TemplateAction {
  std::string key;
  int32_t order = 0;
  std::string type;
  std::string name;
  std::string parameters;  // the formula "Target=expression"
};

// A source-selection window (t_SelectTemplate).
struct SelectTemplate {
  int32_t selBillType = 0;
  std::string name;
  std::string source;  // the view offering the lines
  std::string idColumn;
  std::string numberColumn;
  std::string lineColumn;
  std::string orderBy;
  int32_t page = 2;
};

// The definition of one bill editor window, read from the template tables.
class BillTemplate {
 public:
  // The editor of the window ("receipt", "type-card"...); ScenarioError when
  // the database defines none.
  static BillTemplate Load(Database& db, const std::string& window);

  int32_t BillTypeId() const { return m_BillTypeId; }
  const std::string& Window() const { return m_Window; }
  const std::string& Name() const { return m_Name; }
  const std::string& HeadTable() const { return m_HeadTable; }
  const std::string& KeyColumn() const { return m_KeyColumn; }
  const std::string& NumberColumn() const { return m_NumberColumn; }
  const std::string& NumberPrefix() const { return m_NumberPrefix; }
  int32_t ClassTypeId() const { return m_ClassTypeId; }

  const std::vector<TemplateField>& Fields() const { return m_Fields; }
  const std::vector<TemplateEntry>& Entries() const { return m_Entries; }
  // nullptr when absent (keys compared without regard to case).
  const TemplateField* FindField(std::string_view key) const;
  const TemplateEntry* FindEntry(int32_t page) const;
  // The actions of the field, in their order.
  std::vector<TemplateAction> ActionsOf(std::string_view key) const;
  // The selection window of the code; nullptr when the database has none.
  const SelectTemplate* FindSelection(int32_t selBillType) const;

 private:
  int32_t m_BillTypeId = 0;
  std::string m_Window;
  std::string m_Name;
  std::string m_HeadTable;
  std::string m_KeyColumn;
  std::string m_NumberColumn;
  std::string m_NumberPrefix;
  int32_t m_ClassTypeId = 0;
  std::vector<TemplateField> m_Fields;
  // Position in m_Fields by upper-case key (the first field of a key).
  std::unordered_map<std::string, size_t> m_FieldIndex;
  std::vector<TemplateEntry> m_Entries;
  std::vector<TemplateAction> m_Actions;
  std::vector<SelectTemplate> m_Selections;
};

// True for a plain SQL name (letters, digits, "_"): template names are
// checked before they are put into statement text.
bool IsSqlName(std::string_view name);

}  // namespace refhost
