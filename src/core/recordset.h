#pragma once

#include <string>
#include <vector>

#include "core/variant.h"

namespace qor {

// A forward-read recordset over materialised rows, as the connection
// components return it. Fields by name without regard to case.
class Recordset : public Object {
 public:
  Recordset() = default;
  Recordset(std::vector<std::string> columns, std::vector<std::vector<Variant>> rows);
  std::string TypeName() const override { return "Recordset"; }

  const std::vector<std::string>& Columns() const { return m_Columns; }
  // Index of the column, -1 when absent.
  int ColumnIndex(std::string_view name) const;

  // Rows visible through the current filter.
  int32_t RecordCount() const { return static_cast<int32_t>(m_Visible.size()); }
  // End and start of data (EOF / BOF).
  bool IsEOF() const;
  bool IsBOF() const;
  void MoveFirst();
  void MoveNext();
  void MoveLast();
  // 0-based position of the current row within the visible rows.
  int32_t AbsolutePosition() const { return m_Position; }

  // Value of the named field in the current row; an unknown field, or no
  // current row, is error 3265.
  const Variant& Field(std::string_view name) const;
  bool HasField(std::string_view name) const { return ColumnIndex(name) >= 0; }

  // ADO filter text: comparisons (=, <>, <, >, <=, >=, Like) of a field with
  // a number or a quoted text, joined by And / Or, with parentheses. Empty
  // text (or "0") removes the filter. The position moves to the first row.
  void SetFilter(const std::string& filter);
  const std::string& Filter() const { return m_Filter; }

  // Appends a row (used by hosts building recordsets).
  void AddRow(std::vector<Variant> row);

 private:
  void ApplyFilter();
  std::vector<std::string> m_Columns;
  std::vector<std::vector<Variant>> m_Rows;
  std::vector<size_t> m_Visible;
  int32_t m_Position = 0;
  bool m_BeforeFirst = false;
  std::string m_Filter;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace qor
