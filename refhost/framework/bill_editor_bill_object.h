#pragma once

#include <memory>

#include "host/bill_editor.h"

namespace refhost {

class BillEditorEvent;

// The editor's bill object (GetBillObject): the modify lock's outcome, the
// bill-wide lock, the save command and the source-selection window as the
// plug-in calls them.
class BillEditorBillObject : public qor::BillObject {
 public:
  explicit BillEditorBillObject(std::weak_ptr<BillEditorEvent> editor)
      : m_Editor(std::move(editor)) {}

  bool MutexSuccess() const override;
  void LockBill() override;
  void RefreshToolbar() override;
  // The host shows no message for a save that succeeds; a failing one is
  // reported as the Save command reports it.
  bool SaveBill(bool showMessage) override;
  bool NotSave() const override;
  void SetNotSave(bool value) override;
  void DoSelBillExt(const qor::ToolPtr& tool) override;
  int32_t ClassTypeID() const override;
  // The bill date as the date control holds it.
  qor::Variant GetFDateValue() override;
  qor::ObjectPtr Data(std::string_view page) override;

 private:
  std::shared_ptr<BillEditorEvent> Editor() const;
  std::weak_ptr<BillEditorEvent> m_Editor;
};

}  // namespace refhost
