#include "core/recordset.h"

#include "core/recordset_filter.h"
#include "core/vb.h"

namespace qor {

namespace {

constexpr int32_t kErrItemNotFound = 3265;
constexpr int32_t kErrNoCurrentRecord = 3021;
const char* const kSource = "Recordset";

bool ClearsFilter(const std::string& text) {
  std::string trimmed = Trim(text);
  return trimmed.empty() || trimmed == "0";
}

}  // namespace

Recordset::Recordset(std::vector<std::string> columns, std::vector<std::vector<Variant>> rows)
    : m_Columns(std::move(columns)) {
  m_Rows.reserve(rows.size());
  for (auto& row : rows) AddRow(std::move(row));
}

int Recordset::ColumnIndex(std::string_view name) const {
  for (size_t i = 0; i < m_Columns.size(); ++i) {
    if (EqualsNoCase(m_Columns[i], name)) return static_cast<int>(i);
  }
  return -1;
}

bool Recordset::IsEOF() const { return static_cast<size_t>(m_Position) >= m_Visible.size(); }

bool Recordset::IsBOF() const { return m_Visible.empty() || m_BeforeFirst; }

void Recordset::MoveFirst() {
  m_Position = 0;
  m_BeforeFirst = false;
}

void Recordset::MoveNext() {
  if (IsEOF()) RaiseError(kErrNoCurrentRecord, kSource);
  ++m_Position;
  m_BeforeFirst = false;
}

void Recordset::MoveLast() {
  m_Position = m_Visible.empty() ? 0 : static_cast<int32_t>(m_Visible.size()) - 1;
  m_BeforeFirst = false;
}

const Variant& Recordset::Field(std::string_view name) const {
  int column = ColumnIndex(name);
  if (column < 0 || IsEOF() || IsBOF()) RaiseError(kErrItemNotFound, kSource);
  return m_Rows[m_Visible[static_cast<size_t>(m_Position)]][static_cast<size_t>(column)];
}

// The filter text is read in full before anything changes, so a malformed
// filter leaves the recordset as it was.
void Recordset::SetFilter(const std::string& filter) {
  if (ClearsFilter(filter)) {
    m_Filter.clear();
  } else {
    RecordsetFilter::Parse(filter, m_Columns);
    m_Filter = filter;
  }
  ApplyFilter();
  MoveFirst();
}

void Recordset::AddRow(std::vector<Variant> row) {
  if (row.size() != m_Columns.size()) RaiseError(kErrInvalidCall, kSource);
  m_Rows.push_back(std::move(row));
  if (m_Filter.empty() || RecordsetFilter::Parse(m_Filter, m_Columns).Matches(m_Rows.back())) {
    m_Visible.push_back(m_Rows.size() - 1);
  }
}

void Recordset::ApplyFilter() {
  m_Visible.clear();
  if (m_Filter.empty()) {
    for (size_t i = 0; i < m_Rows.size(); ++i) m_Visible.push_back(i);
    return;
  }
  RecordsetFilter filter = RecordsetFilter::Parse(m_Filter, m_Columns);
  for (size_t i = 0; i < m_Rows.size(); ++i) {
    if (filter.Matches(m_Rows[i])) m_Visible.push_back(i);
  }
}

}  // namespace qor
