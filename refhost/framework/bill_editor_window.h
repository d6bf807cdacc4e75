#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/vb_error.h"
#include "host/plugin_class.h"
#include "refhost/framework/bill_editor_event.h"
#include "refhost/framework/window.h"

namespace refhost {

class Session;

// The bill editor window: receipts, payments, other receivable and other
// payable bills, and the edit card of an income/expense type. It opens the
// bill, carries out what the user does (typing into fields, the row
// commands, the menu and toolbar, the source-selection window) and raises
// the editor's events to its plug-in in the order documented in
// refhost/framework/README.md.
class BillEditorWindow : public Window, private BillEditorActions {
 public:
  // modifyCode: the function code of the modify lock ("AR0224"...).
  BillEditorWindow(Session& session, std::string kind, std::shared_ptr<BillEditorEvent> editor,
                   std::string modifyCode);
  ~BillEditorWindow() override;

  // Binds the plug-in (created by class name when none is given), lets it
  // adapt the menus and toolbar, then opens the bill: a new one (editMode 1)
  // or the stored one (2 change, 0 view). parentNumber: the number a new
  // income/expense type is created under ("" none).
  void Start(std::shared_ptr<qor::PluginClass> plugin, const std::string& className,
             int32_t editMode, int32_t billId, const std::string& parentNumber = "");

  std::string Kind() const override { return m_Kind; }

  void SetField(const std::string& field, int32_t row, const std::string& value) override;
  void AddRow() override;
  void DeleteRow(int32_t row) override;
  void Click(const std::string& tool) override;
  void Press(const std::string& tool) override;
  void Select(const std::string& tool, const std::vector<Pick>& picks) override;
  void Close() override;

  qor::Variant FieldValue(const std::string& field, int32_t row) override;
  std::string FieldText(const std::string& field, int32_t row) override;
  bool IsLocked(const std::string& field, std::optional<int32_t> row) override;
  int32_t RowCount() override;
  std::string StatusText(int32_t panel) override;
  qor::ToolbarControl& Toolbar() override { return m_Editor->Toolbar(); }
  std::vector<Pick> LastOffered() override;
  // bill_editor_checks.cpp
  bool IsModified(const std::string& field, int32_t row) override;
  bool IsColumnVisible(const std::string& field) override;
  int32_t ShownDecimals(const std::string& field, int32_t row) override;
  int32_t EditDecimals(const std::string& field) override;
  std::optional<std::pair<std::string, int32_t>> ActiveCell() override;

  BillEditorEvent& Editor() { return *m_Editor; }

 private:
  struct Cell {
    const TemplateField* field;
    int32_t row;  // 0 for the header
  };

  // BillEditorActions.
  void LoadBill(int32_t billId) override;
  bool SaveBill() override;
  void RunFieldActions(const std::string& key, int32_t row) override;
  void OpenSelection(int32_t selBillType) override;

  void NewBill();
  // bill_editor_numbers.cpp: a new bill keeps a free number at its save.
  void ClaimBillNumber();
  std::string SaveFailureText(const qor::VbError& error) const;
  void RecordPushOrigin(int32_t billId);
  void TakeModifyLock(int32_t billId);
  void ReleaseLockOfSavedNewBill();
  void ReportHostError(const qor::VbError& error);
  Cell ResolveCell(const std::string& field, int32_t row);
  void RunFormula(const TemplateField& trigger, int32_t row, const TemplateAction& action);
  bool AddEntryRow();
  bool DeleteEntryRow(int32_t row);
  // The host's own action for a tool the plug-in did not cancel; true when
  // it closed the window (nothing of the window may be touched then).
  bool HostAction(const qor::ToolPtr& tool);
  // MenuBarClick for a tool the user could press, then the host's action.
  void PressTool(const qor::ToolPtr& tool);
  bool CloseSelf();
  void DeleteStoredBill();
  void FillSelectedLines(const SelectTemplate& selection, qor::Recordset& lines);
  qor::HostDictionaryPtr EventFieldData(const std::string& key, int32_t row,
                                        const qor::Variant& oldValue);

  Session& m_Session;
  std::string m_Kind;
  std::shared_ptr<BillEditorEvent> m_Editor;
  std::string m_ModifyCode;
  std::shared_ptr<qor::PluginClass> m_Plugin;
  bool m_OwnsPlugin = true;  // false when the window shows another's (the type card)
  std::string m_ParentNumber;
  std::string m_ProposedNumber;  // the number the host proposed for the new bill
  int32_t m_LockedBillId = 0;
  // The modify lock taken when a new bill was first saved: the plug-in never
  // loaded that bill, so the host gives the lock back itself on closing.
  bool m_LockTakenAtSave = false;
  bool m_Closed = false;
  // The source-selection window: the picks of the running "select", whether
  // a window opened, and the lines the last one offered.
  std::optional<std::vector<Pick>> m_PendingPicks;
  bool m_SelectionOpened = false;
  std::optional<std::vector<Pick>> m_Offered;
};

// editMode 1 new, 2 change, 0 view. Creates the plug-in by identifier.
std::unique_ptr<Window> OpenBillWindow(Session& session, const std::string& kind, int32_t editMode,
                                       int32_t billId);

// The edit card of an income/expense type, shown to the tree's own plug-in
// instance. parentGroupId: the type a new type is created under (0 none).
std::unique_ptr<Window> OpenTypeCard(Session& session, std::shared_ptr<qor::PluginClass> plugin,
                                     int32_t editMode, int32_t typeId, int32_t parentGroupId);

}  // namespace refhost
