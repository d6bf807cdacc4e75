#include "refhost/framework/bill_editor_control.h"

#include "core/vb.h"
#include "refhost/framework/bill_editor_event.h"

namespace refhost {

namespace {

std::string KeyOf(const qor::HostDictionaryPtr& fieldInfo) {
  if (!fieldInfo) qor::RaiseError(qor::kErrObjectRequired, "BillCtl", "Object required");
  return qor::StrOf(fieldInfo->Item("FKey"));
}

// Rows the plug-in passes for the header (-1 or 0) become 0.
int32_t RowOf(int32_t row) { return row < 0 ? 0 : row; }

}  // namespace

std::shared_ptr<BillEditorEvent> BillEditorControl::Editor() const {
  std::shared_ptr<BillEditorEvent> editor = m_Editor.lock();
  if (!editor) qor::RaiseError(91, "BillCtl", "Object variable or With block variable not set");
  return editor;
}

void BillEditorControl::SetLockProperty(bool lock, const qor::HostDictionaryPtr& fieldInfo) {
  if (!fieldInfo) return;
  Editor()->Store().LockField(KeyOf(fieldInfo), lock);
}

void BillEditorControl::LockCell(const qor::HostDictionaryPtr& fieldInfo, int32_t row, bool lock) {
  Editor()->Store().LockCell(KeyOf(fieldInfo), RowOf(row), lock);
}

void BillEditorControl::SetActiveCell(const qor::HostDictionaryPtr& fieldInfo, int32_t row) {
  Editor()->SetActive(KeyOf(fieldInfo), RowOf(row));
}

void BillEditorControl::DoAction(const qor::HostDictionaryPtr& fieldInfo,
                                 const qor::HostDictionaryPtr& /*fieldData*/, int32_t row) {
  std::shared_ptr<BillEditorEvent> editor = Editor();
  std::string key = KeyOf(fieldInfo);
  if (BillEditorActions* actions = editor->Actions()) actions->RunFieldActions(key, RowOf(row));
}

int32_t BillEditorControl::BillStatus() const { return Editor()->Status(); }

}  // namespace refhost
