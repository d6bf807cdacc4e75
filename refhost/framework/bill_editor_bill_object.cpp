#include "refhost/framework/bill_editor_bill_object.h"

#include "refhost/framework/bill_editor_event.h"

namespace refhost {

std::shared_ptr<BillEditorEvent> BillEditorBillObject::Editor() const {
  std::shared_ptr<BillEditorEvent> editor = m_Editor.lock();
  if (!editor) qor::RaiseError(91, "BillObject", "Object variable or With block variable not set");
  return editor;
}

bool BillEditorBillObject::MutexSuccess() const { return Editor()->MutexSuccess(); }

void BillEditorBillObject::LockBill() { Editor()->LockBill(); }

void BillEditorBillObject::RefreshToolbar() { Editor()->Toolbar().RecalcLayout(); }

bool BillEditorBillObject::SaveBill(bool /*showMessage*/) {
  BillEditorActions* actions = Editor()->Actions();
  return actions && actions->SaveBill();
}

bool BillEditorBillObject::NotSave() const { return Editor()->NotSaveFlag(); }

void BillEditorBillObject::SetNotSave(bool value) { Editor()->SetNotSaveFlag(value); }

void BillEditorBillObject::DoSelBillExt(const qor::ToolPtr& tool) {
  if (!tool) qor::RaiseError(qor::kErrObjectRequired, "BillObject", "Object required");
  BillEditorActions* actions = Editor()->Actions();
  if (actions) actions->OpenSelection(BillEditorEvent::SelectionCode(*tool));
}

int32_t BillEditorBillObject::ClassTypeID() const { return Editor()->GetClassTypeID(); }

qor::Variant BillEditorBillObject::GetFDateValue() {
  std::shared_ptr<BillEditorEvent> editor = Editor();
  qor::HostDictionaryPtr date = editor->Store().Data("FDate", 0);
  return date ? date->Item("FFLD") : qor::Variant();
}

qor::ObjectPtr BillEditorBillObject::Data(std::string_view page) { return Editor()->Data(page); }

}  // namespace refhost
