#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/host_dictionary.h"
#include "host/bill_editor.h"

namespace refhost {

// A column of an entry grid ("LOOMFields"(name)): its properties by name,
// without regard to case. "VISIBLE" starts from the field's template state
// and is also written into the field information ("FVisible").
class BillEditorEntryField : public qor::EntryField {
 public:
  explicit BillEditorEntryField(qor::HostDictionaryPtr fieldInfo);

  void SetProperty(std::string_view property, const qor::Variant& value) override;
  // Empty for a property never set.
  qor::Variant GetProperty(std::string_view property) const override;

 private:
  qor::HostDictionaryPtr m_Info;
  qor::HostDictionary m_Properties;
};

// An entry of the bill ("BillEntrys"(index)): its key field and columns.
class BillEditorEntry : public qor::BillEntry {
 public:
  // fieldInfos: key -> field information of the entry page's fields.
  BillEditorEntry(std::string keyField, qor::HostDictionaryPtr fieldInfos)
      : m_KeyField(std::move(keyField)), m_Infos(std::move(fieldInfos)) {}

  std::string KeyField() const override { return m_KeyField; }
  // A column the entry lacks is error 9.
  std::shared_ptr<qor::EntryField> LOOMFields(std::string_view name) override;

 private:
  std::string m_KeyField;
  qor::HostDictionaryPtr m_Infos;
  std::map<std::string, std::shared_ptr<BillEditorEntryField>> m_Fields;  // by upper-case name
};

}  // namespace refhost
