#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/host_dictionary.h"
#include "core/recordset.h"
#include "refhost/framework/bill_editor_lookup.h"
#include "refhost/framework/bill_editor_template.h"

namespace refhost {

// The bill as the editor holds it: the field information of every field
// (the field map), the field data of the header ("Page1": key -> field
// data) and of the entry pages ("Page2", "Page3": vectors of rows, each a
// dictionary key -> field data), and what the grid shows: locks, decimals
// and texts. Field data carry "FFLD" (stored value), "FDSP" (text of a
// base-data item), "FFND" (its code) and "FModify" (1 once changed).
// Row 0 (or -1) is the header; rows 1..n the rows of an entry page.
class BillFieldStore {
 public:
  BillFieldStore(const BillTemplate& billTemplate, BaseDataLookup& lookup);

  const BillTemplate& Template() const { return m_Template; }

  // Field information (nullptr for an unknown key) and the template field.
  qor::HostDictionaryPtr Info(std::string_view key) const;
  const TemplateField* Field(std::string_view key) const { return m_Template.FindField(key); }
  // A dictionary with "Map": key -> field information.
  const qor::HostDictionaryPtr& MapHolder() const { return m_MapHolder; }

  const qor::HostDictionaryPtr& Header() const { return m_Header; }
  // The rows of an entry page; nullptr for a page the bill lacks.
  qor::HostVectorPtr EntryPage(int32_t page) const;
  int32_t RowCount(int32_t page = 2) const;
  qor::HostDictionaryPtr Row(int32_t page, int32_t row) const;
  // The field data of the field at the row (the header for a header field,
  // whatever the row); nullptr when there is none.
  qor::HostDictionaryPtr Data(std::string_view key, int32_t row) const;

  // An empty bill: no header values, no rows.
  void Clear();
  // A new bill: the template's defaults and one blank row per entry page.
  struct NewBillContext {
    double today = 0;
    int32_t userId = 0;
    std::string number;  // proposed bill number ("" none)
  };
  void SetDefaults(const NewBillContext& context);
  // A stored bill: the header row, then each entry row in order.
  void ReadHeader(const qor::Recordset& header);
  void ReadRow(int32_t page, const qor::Recordset& row);
  // Looks up the text and code of every base-data value.
  void FillDisplays();

  qor::Variant Value(std::string_view key, int32_t row) const;
  // Stores the value (converted to the field's kind) and, for base data,
  // looks its text and code up; marks the field modified when it changed
  // and markModified is set. Unknown field or missing row: error.
  void Write(std::string_view key, int32_t row, const qor::Variant& value, bool markModified);
  // A value as the user types it: number, date, base-data id (within the
  // lookup list) or text. False when it does not fit the field.
  bool ParseInput(const TemplateField& field, const std::string& text, qor::Variant& value);
  // The field's value converted to its kind (stored or default values).
  qor::Variant Normalize(const TemplateField& field, const qor::Variant& value) const;

  int32_t AddRow(int32_t page);
  void DeleteRow(int32_t page, int32_t row);
  void ClearRows(int32_t page);

  // Locks: a header field, an entry column, or one cell.
  void LockField(std::string_view key, bool lock);
  void LockCell(std::string_view key, int32_t row, bool lock);
  bool IsLocked(std::string_view key, std::optional<int32_t> row) const;
  bool IsReadOnlyFlagged(std::string_view key) const;

  // What the grid shows for the field at the row.
  std::string Text(std::string_view key, int32_t row) const;
  // The shown text until the value changes.
  void SetText(std::string_view key, int32_t row, const std::string& text);
  void SetDecimals(std::string_view key, int32_t row, int32_t decimals);
  void SetEditDecimals(std::string_view key, int32_t decimals);
  int32_t Decimals(std::string_view key, int32_t row) const;
  int32_t EditDecimals(std::string_view key) const;

  void ClearModifyFlags();
  // The header values (key -> stored value), as a save writes them.
  qor::HostDictionaryPtr HeaderValues() const;

 private:
  struct CellText {
    std::weak_ptr<qor::HostDictionary> data;
    qor::Variant shownFor;  // the value the text was set for
    std::string text;
  };
  struct CellDecimals {
    std::weak_ptr<qor::HostDictionary> data;
    int32_t decimals = 0;
  };

  const TemplateField& RequireField(std::string_view key) const;
  qor::HostDictionaryPtr RequireData(std::string_view key, int32_t row) const;
  qor::HostDictionaryPtr NewRow(int32_t page) const;
  qor::Variant DefaultValue(const TemplateField& field) const;
  void FillDisplay(const TemplateField& field, qor::HostDictionary& data);
  std::string FormatValue(const TemplateField& field, const qor::Variant& value,
                          int32_t decimals) const;

  const BillTemplate& m_Template;
  BaseDataLookup& m_Lookup;
  NewBillContext m_Context;
  std::map<std::string, qor::HostDictionaryPtr> m_Infos;  // by upper-case key
  qor::HostDictionaryPtr m_MapHolder;
  qor::HostDictionaryPtr m_Header;
  std::map<int32_t, qor::HostVectorPtr> m_Entries;
  std::map<std::string, bool> m_FieldLocks;                     // by upper-case key
  std::map<std::pair<int32_t, std::string>, bool> m_CellLocks;  // row, upper-case key
  std::map<std::string, int32_t> m_FieldDecimals;               // by upper-case key
  std::map<std::string, int32_t> m_EditDecimals;                // by upper-case key
  std::map<const qor::HostDictionary*, CellDecimals> m_CellDecimals;
  std::map<const qor::HostDictionary*, CellText> m_Texts;
};

}  // namespace refhost
