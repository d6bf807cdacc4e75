#include "core/vb.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/host_run.h"

// What the bill editor shows besides values and texts: modify flags, the
// columns of the entry grid, decimals and the active cell.

namespace refhost {

namespace {

constexpr int32_t kEntryPage = 2;

}  // namespace

bool BillEditorWindow::IsModified(const std::string& field, int32_t row) {
  if (field.empty()) return m_Editor->Store().IsModified();
  Cell cell = ResolveCell(field, row);
  return m_Editor->Store().IsModified(cell.field->key, cell.row);
}

bool BillEditorWindow::IsColumnVisible(const std::string& field) {
  const TemplateField* known = m_Editor->Store().Field(field);
  if (!known) throw ScenarioError("unknown field " + field + " in the " + m_Kind + " window");
  if (known->page != kEntryPage) throw ScenarioError(field + " is not a column of entry page 2");
  return qor::CBool(m_Editor->Store().Info(known->key)->Item("FVisible"));
}

int32_t BillEditorWindow::ShownDecimals(const std::string& field, int32_t row) {
  const TemplateField* known = m_Editor->Store().Field(field);
  if (!known) throw ScenarioError("unknown field " + field + " in the " + m_Kind + " window");
  if (row > 0) ResolveCell(field, row);
  return m_Editor->Store().Decimals(known->key, row);
}

int32_t BillEditorWindow::EditDecimals(const std::string& field) {
  const TemplateField* known = m_Editor->Store().Field(field);
  if (!known) throw ScenarioError("unknown field " + field + " in the " + m_Kind + " window");
  return m_Editor->Store().EditDecimals(known->key);
}

std::optional<std::pair<std::string, int32_t>> BillEditorWindow::ActiveCell() {
  qor::HostDictionaryPtr info;
  int32_t col = 0;
  int32_t row = 0;
  m_Editor->GetActiveField(info, col, row);
  if (!info) return std::nullopt;
  return std::make_pair(qor::StrOf(info->Item("FKey")), row);
}

}  // namespace refhost
