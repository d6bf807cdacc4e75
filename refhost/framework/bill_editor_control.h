#pragma once

#include <memory>

#include "host/bill_editor.h"

namespace refhost {

class BillEditorEvent;

// The editor's grid control ("BillCtl"): locks per field and per cell, the
// active cell, the editor's own field actions and the bill's status.
class BillEditorControl : public qor::BillControl {
 public:
  explicit BillEditorControl(std::weak_ptr<BillEditorEvent> editor) : m_Editor(std::move(editor)) {}

  // A field the bill lacks (nothing passed) is left alone.
  void SetLockProperty(bool lock, const qor::HostDictionaryPtr& fieldInfo) override;
  // Row -1 (or 0) locks the whole column, or the header field.
  void LockCell(const qor::HostDictionaryPtr& fieldInfo, int32_t row, bool lock) override;
  void SetActiveCell(const qor::HostDictionaryPtr& fieldInfo, int32_t row) override;
  void DoAction(const qor::HostDictionaryPtr& fieldInfo, const qor::HostDictionaryPtr& fieldData,
                int32_t row) override;
  int32_t BillStatus() const override;

 private:
  std::shared_ptr<BillEditorEvent> Editor() const;
  std::weak_ptr<BillEditorEvent> m_Editor;
};

}  // namespace refhost
