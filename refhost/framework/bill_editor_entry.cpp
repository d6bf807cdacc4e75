#include "refhost/framework/bill_editor_entry.h"

#include "core/vb.h"

namespace refhost {

BillEditorEntryField::BillEditorEntryField(qor::HostDictionaryPtr fieldInfo)
    : m_Info(std::move(fieldInfo)) {
  m_Properties.SetItem("VISIBLE", m_Info->Item("FVisible"));
  m_Properties.SetItem("LOCKED", m_Info->Item("FLocked"));
  m_Properties.SetItem("CAPTION", m_Info->Item("FCaption"));
}

void BillEditorEntryField::SetProperty(std::string_view property, const qor::Variant& value) {
  m_Properties.SetItem(property, value);
  if (qor::EqualsNoCase(property, "VISIBLE")) m_Info->SetItem("FVisible", qor::CBool(value));
}

qor::Variant BillEditorEntryField::GetProperty(std::string_view property) const {
  return m_Properties.Item(property);
}

std::shared_ptr<qor::EntryField> BillEditorEntry::LOOMFields(std::string_view name) {
  std::string upper = qor::UCase(name);
  auto it = m_Fields.find(upper);
  if (it != m_Fields.end()) return it->second;
  qor::Variant info = m_Infos->Item(name);
  if (!info.IsObject()) {
    qor::RaiseError(qor::kErrSubscript, "LOOMFields",
                    "Subscript out of range: " + std::string(name));
  }
  auto field = std::make_shared<BillEditorEntryField>(
      std::dynamic_pointer_cast<qor::HostDictionary>(info.ObjectValue()));
  m_Fields[upper] = field;
  return field;
}

}  // namespace refhost
