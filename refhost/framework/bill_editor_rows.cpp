#include "refhost/framework/bill_editor_toolbar.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/bill_editor_window_internal.h"

namespace refhost {

using namespace bill_editor_window_detail;

// ---- rows ----

bool BillEditorWindow::AddEntryRow() {
  BillEditorEvent& editor = *m_Editor;
  if (editor.IsReadOnly() || !editor.Store().EntryPage(kEntryPage) ||
      !IsEditorToolAvailable(editor.Toolbar(), "mnuEditAddRow")) {
    Trace(m_Session, "  refused: add-row");
    return false;
  }
  int32_t row = editor.Store().AddRow(kEntryPage);
  if (const TemplateField* first =
          editor.Store().Field(editor.Template().FindEntry(kEntryPage)->keyField)) {
    editor.SetActive(first->key, row);
  }
  return true;
}

bool BillEditorWindow::DeleteEntryRow(int32_t row) {
  BillEditorEvent& editor = *m_Editor;
  if (editor.IsReadOnly() || row < 1 || row > editor.Store().RowCount(kEntryPage) ||
      !IsEditorToolAvailable(editor.Toolbar(), "mnuEditDelRow")) {
    Trace(m_Session, "  refused: delete-row " + std::to_string(row));
    return false;
  }
  editor.Store().DeleteRow(kEntryPage, row);
  return true;
}

void BillEditorWindow::AddRow() {
  m_LastError.reset();
  AddEntryRow();
}

void BillEditorWindow::DeleteRow(int32_t row) {
  m_LastError.reset();
  int32_t rows = m_Editor->Store().RowCount(kEntryPage);
  if (row < 1 || row > rows) {
    throw ScenarioError("row " + std::to_string(row) + " does not exist (the bill has " +
                        std::to_string(rows) + ")");
  }
  DeleteEntryRow(row);
}

int32_t BillEditorWindow::RowCount() { return m_Editor->Store().RowCount(kEntryPage); }

}  // namespace refhost
