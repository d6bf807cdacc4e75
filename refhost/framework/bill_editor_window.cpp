#include "refhost/framework/bill_editor_window.h"

#include <cmath>
#include <map>
#include <unordered_map>

#include "core/vb.h"
#include "host/components.h"
#include "host/platform.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_data_service.h"
#include "refhost/framework/bill_editor_formula.h"
#include "refhost/framework/bill_editor_toolbar.h"
#include "refhost/framework/plugin_call.h"
#include "refhost/framework/toolbar_layout.h"
#include "refhost/framework/typed_value.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::HostDictionary;
using qor::HostDictionaryPtr;
using qor::Variant;

constexpr int32_t kEntryPage = 2;
constexpr int32_t kModifyLockType = 21;
constexpr int32_t kModifyLockMode = 3;
constexpr int32_t kStopIcon = 16;
constexpr int32_t kExclamationIcon = 48;
constexpr const char* kTitle = "青岚提示";

// The bill editors the host offers: window kind, plug-in class and the
// function code of the modify lock.
struct BillWindowDef {
  const char* kind;
  const char* className;
  const char* modifyCode;
};

constexpr BillWindowDef kBillWindows[] = {
    {"receipt", "clsReceiveBill", "AR0224"},         {"payment", "clsPayBill", "AP0224"},
    {"other-receivable", "clsROtherBill", "AR0302"}, {"other-payable", "clsPOtherBill", "AP0302"},
    {"type-card", "clsRPInOutType", "pu0551"},
};

const BillWindowDef& FindWindowDef(const std::string& kind) {
  for (const BillWindowDef& def : kBillWindows) {
    if (kind == def.kind) return def;
  }
  throw ScenarioError("unknown bill window " + kind);
}

// Texts are built with append: g++ 12 at -O3 warns falsely (-Wrestrict) on "x" + string&&.
std::string RowText(int32_t row) {
  return row > 0 ? std::string("[").append(std::to_string(row)).append("]") : "";
}

std::string Quoted(const Variant& value) {
  return std::string("\"").append(qor::StrOf(value)).append("\"");
}

void Trace(Session& session, const std::string& line) {
  if (session.Run().Tracing()) session.Run().Trace(line);
}

// Amount fields (the transaction amounts, keys ending in "For") get the
// editor's end-of-amount event after a change.
bool IsAmountField(const TemplateField& field) {
  const std::string& key = field.key;
  return field.IsNumber() && key.size() > 3 && qor::EqualsNoCase(key.substr(key.size() - 3), "For");
}

bool IsCloseTool(const std::string& key) {
  return qor::EqualsNoCase(key, "mnuFileClose") || qor::EqualsNoCase(key, "mnuFileExit");
}

bool IsSelectionTool(const std::string& key) {
  constexpr std::string_view kPrefix = "mnuSelectBill_";
  return key.size() > kPrefix.size() && qor::EqualsNoCase(key.substr(0, kPrefix.size()), kPrefix);
}

double NumberOf(const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return 0;
  return qor::IsNumeric(value) ? qor::CDbl(value) : qor::Val(value);
}

struct SavedFieldData {
  HostDictionaryPtr data;
  Variant value, text, code, modified;

  explicit SavedFieldData(HostDictionaryPtr fieldData) : data(std::move(fieldData)) {
    value = data->Item("FFLD");
    text = data->Item("FDSP");
    code = data->Item("FFND");
    modified = data->Item("FModify");
  }
  void Restore() const {
    data->SetItem("FFLD", value);
    data->SetItem("FDSP", text);
    data->SetItem("FFND", code);
    data->SetItem("FModify", modified);
  }
};

}  // namespace

BillEditorWindow::BillEditorWindow(Session& session, std::string kind,
                                   std::shared_ptr<BillEditorEvent> editor, std::string modifyCode)
    : m_Session(session),
      m_Kind(std::move(kind)),
      m_Editor(std::move(editor)),
      m_ModifyCode(std::move(modifyCode)) {
  m_Editor->Attach(*this, *this);
}

BillEditorWindow::~BillEditorWindow() {
  if (!m_Closed) {
    m_Editor->Detach();
    m_Plugin.reset();
  }
}

// ---- opening ----

void BillEditorWindow::Start(std::shared_ptr<qor::PluginClass> plugin, const std::string& className,
                             int32_t editMode, int32_t billId, const std::string& parentNumber) {
  m_ParentNumber = parentNumber;
  m_OwnsPlugin = !plugin;
  if (plugin) {
    m_Plugin = std::move(plugin);
  } else {
    // A class that cannot be created leaves the editor without its rules.
    CallPlugin(*this, "", [&] { m_Plugin = CreatePlugin(className); });
  }
  if (m_Plugin) ShowPlugin(*this, *m_Plugin, m_Editor);
  qor::ToolbarControlPtr bar = m_Editor->GetToolBarControl();
  m_Editor->Raise("MenuBarInitialize(oMenuBar)",
                  [&](qor::BillEventSink& s) { s.MenuBarInitialize(bar); });
  m_Editor->Raise("BarInitialize(oActiveBar)",
                  [&](qor::BillEventSink& s) { s.BarInitialize(bar); });
  if (editMode == 1 || billId <= 0) {
    NewBill();
    return;
  }
  m_Editor->SetEditMode(editMode);
  m_Editor->SetMutex(false);
  LoadBill(billId);
}

void BillEditorWindow::TakeModifyLock(int32_t billId) {
  m_LockedBillId = billId;
  bool success = false;
  try {
    auto mutex = qor::CreateDirect<qor::NetControlMutex>("QORNetControl.Mutex");
    // 40 characters of the machine name (a Chinese name stays whole characters).
    std::string machine = qor::Trim(qor::LeftChars(qor::CurrentPlatform().ComputerName(), 40));
    Variant handle = mutex->TaskExec(m_Session.PropsString(), kModifyLockType, m_ModifyCode,
                                     machine, kModifyLockMode, 0, 0, Variant(billId));
    success = qor::IsNumeric(handle) && qor::CLng(handle) >= 1;
  } catch (const qor::VbError& error) {
    ReportHostError(error);
  }
  Trace(m_Session, std::string("  modify lock ") + m_ModifyCode + " " + std::to_string(billId) +
                       (success ? " taken" : " refused"));
  m_Editor->SetMutex(success);
}

void BillEditorWindow::ReportHostError(const qor::VbError& error) {
  m_LastError = error;
  qor::CurrentPlatform().MsgBox(error.Description(), kStopIcon, error.Source());
}

void BillEditorWindow::LoadBill(int32_t billId) {
  BillEditorEvent& editor = *m_Editor;
  if (editor.GetEditMode() == 1) editor.SetEditMode(2);
  if (editor.GetEditMode() == 2 && m_LockedBillId != billId) TakeModifyLock(billId);
  bool cancel = false;
  editor.Raise("BeforeLoadBill(False)", [&](qor::BillEventSink& s) { s.BeforeLoadBill(cancel); });
  if (cancel) {
    editor.Store().Clear();
    editor.SetBillId(0);
    return;
  }
  // A database failure while reading is shown and leaves the editor empty.
  auto readFailed = [&](const qor::VbError& error) {
    ReportHostError(error);
    editor.Store().Clear();
    editor.SetBillId(0);
  };
  try {
    editor.Storage().Read(billId, editor.Store());
    RecordPushOrigin(billId);
  } catch (const qor::VbError& error) {
    readFailed(error);
    return;
  }
  editor.SetBillId(billId);
  editor.Unlock();
  EnableHostBillCommands(*m_Editor->GetToolBarControl());
  editor.Raise("BeforLoadBillFillData()",
               [&](qor::BillEventSink& s) { s.BeforLoadBillFillData(); });
  try {
    editor.Store().FillDisplays();
  } catch (const qor::VbError& error) {
    readFailed(error);
    return;
  }
  editor.Store().ClearModifyFlags();
  editor.Raise("AfterLoadBill()", [&](qor::BillEventSink& s) { s.AfterLoadBill(); });
  HostDictionaryPtr header = editor.Store().Header();
  editor.Raise("SetCurrencyState(dcData)",
               [&](qor::BillEventSink& s) { s.SetCurrencyState(header); });
}

// A bill generated by push-down carries its origin in the bill dictionary:
// "FID" the class type of the document it came from, "FSource" how it was
// generated (t_RP_PushBill). Any other bill has neither entry.
void BillEditorWindow::RecordPushOrigin(int32_t billId) {
  HostDictionaryPtr dictionary = m_Editor->GetBillDictionary();
  dictionary->Remove("FID");
  dictionary->Remove("FSource");
  qor::RecordsetPtr origin = m_Session.Db().QueryParams(
      "SELECT FID, FSource FROM t_RP_PushBill WHERE FTableName = ? AND FBillID = ?",
      {Variant(m_Editor->Template().HeadTable()), Variant(billId)});
  if (origin->IsEOF()) return;
  dictionary->SetItem("FID", origin->Field("FID"));
  dictionary->SetItem("FSource", origin->Field("FSource"));
}

void BillEditorWindow::NewBill() {
  BillEditorEvent& editor = *m_Editor;
  editor.SetEditMode(1);
  editor.SetBillId(0);
  editor.SetMutex(true);
  editor.Unlock();
  editor.SetNotSaveFlag(false);
  EnableHostBillCommands(*m_Editor->GetToolBarControl());
  editor.GetBillDictionary()->Remove("FID");
  editor.GetBillDictionary()->Remove("FSource");
  BillFieldStore::NewBillContext context;
  context.today = m_Session.Run().Today();
  context.userId = m_Session.UserId();
  context.number = editor.Storage().NextNumber();
  m_ProposedNumber = context.number;
  editor.Store().SetDefaults(context);
  // Rows of an entry with a key field come from the source selection; an
  // entry without one starts with a blank row to type into.
  for (const TemplateEntry& entry : editor.Template().Entries()) {
    if (!entry.keyField.empty()) editor.Store().ClearRows(entry.page);
  }
  if (!m_ParentNumber.empty() && editor.Store().Field("FPreNumber")) {
    editor.Store().Write("FPreNumber", 0, Variant(m_ParentNumber), false);
  }
  editor.Store().ClearModifyFlags();
  editor.Raise("AfterNewBill()", [&](qor::BillEventSink& s) { s.AfterNewBill(); });
  editor.Raise("AfterNewEmptyData()", [&](qor::BillEventSink& s) { s.AfterNewEmptyData(); });
  HostDictionaryPtr header = editor.Store().Header();
  editor.Raise("SetCurrencyState(dcData)",
               [&](qor::BillEventSink& s) { s.SetCurrencyState(header); });
}

// ---- fields ----

BillEditorWindow::Cell BillEditorWindow::ResolveCell(const std::string& name, int32_t row) {
  const TemplateField* field = m_Editor->Store().Field(name);
  if (!field) throw ScenarioError("unknown field " + name + " in the " + m_Kind + " window");
  if (field->page == 1) {
    if (row > 0) throw ScenarioError(name + " is a header field: it has no rows");
    return {field, 0};
  }
  if (row <= 0) throw ScenarioError(name + " is an entry field: give its row");
  int32_t rows = m_Editor->Store().RowCount(field->page);
  if (row > rows) {
    throw ScenarioError("row " + std::to_string(row) + " does not exist (the bill has " +
                        std::to_string(rows) + ")");
  }
  return {field, row};
}

HostDictionaryPtr BillEditorWindow::EventFieldData(const std::string& key, int32_t row,
                                                   const Variant& oldValue) {
  HostDictionaryPtr data = m_Editor->Store().Data(key, row);
  auto event = std::make_shared<HostDictionary>();
  event->SetItem("FKey", key);
  event->SetItem("FFieldName", key);
  event->SetItem("FFLD", data ? data->Item("FFLD") : Variant());
  event->SetItem("FOLD", oldValue);
  event->SetItem("FDSP", data ? data->Item("FDSP") : Variant(""));
  event->SetItem("FFND", data ? data->Item("FFND") : Variant(""));
  event->SetItem("FModify", data ? data->Item("FModify") : Variant(0));
  event->SetItem("FRow", row);
  return event;
}

void BillEditorWindow::SetField(const std::string& name, int32_t row, const std::string& text) {
  m_LastError.reset();
  m_LastSetAccepted = false;
  Cell cell = ResolveCell(name, row);
  BillEditorEvent& editor = *m_Editor;
  BillFieldStore& store = editor.Store();
  const std::string key = cell.field->key;
  if (editor.IsReadOnly() || store.IsLocked(key, cell.row)) {
    Trace(m_Session, "  refused: " + key + RowText(cell.row) + " cannot be edited");
    return;
  }
  editor.SetActive(key, cell.row);
  HostDictionaryPtr info = store.Info(key);
  int32_t col = cell.field->column;
  int32_t eventRow = cell.row;
  editor.Raise(
      "BeginEdit(" + key + ", " + std::to_string(col) + ", " + std::to_string(eventRow) + ")",
      [&](qor::BillEventSink& s) { s.BeginEdit(info, col, eventRow); });
  Variant value;
  TypedVerdict verdict = store.ParseInput(*cell.field, text, value);
  if (verdict != TypedVerdict::Accepted) {
    Trace(m_Session, "  refused: \"" + text + "\" does not fit " + key);
    if (verdict == TypedVerdict::OutOfRange) {
      qor::CurrentPlatform().MsgBox(OutOfRangeMessage(cell.field->caption, qor::Trim(text)),
                                    kExclamationIcon, kTitle);
    }
    return;
  }
  HostDictionaryPtr data = store.Data(key, cell.row);
  if (!data) return;  // the row went away while editing began
  SavedFieldData saved(data);
  store.Write(key, cell.row, value, true);
  HostDictionaryPtr fieldEvent = EventFieldData(key, cell.row, saved.value);
  bool cancel = false;
  bool ok = editor.Raise(
      "Change(" + key + ", FFLD=" + Quoted(data->Item("FFLD")) + ", FOLD=" + Quoted(saved.value) +
          ", " + std::to_string(eventRow) + ", False)",
      [&](qor::BillEventSink& s) { s.Change(info, fieldEvent, col, eventRow, cancel); });
  if (cancel || !ok) {
    saved.Restore();
    Trace(m_Session, "  refused: the change of " + key + RowText(cell.row) + " was cancelled");
    return;
  }
  m_LastSetAccepted = true;
  if (cell.row == 0) {
    editor.Raise("HeadCtlLostFocus(" + key + ")",
                 [&](qor::BillEventSink& s) { s.HeadCtlLostFocus(data, info, fieldEvent); });
  }
  RunFieldActions(key, cell.row);
  if (IsAmountField(*cell.field)) {
    HostDictionaryPtr page = cell.row == 0 ? store.Header() : store.Row(cell.field->page, cell.row);
    editor.Raise(
        "SetAmountForEnd(dcData, " + std::to_string(eventRow) + ", " + key + ")",
        [&](qor::BillEventSink& s) { s.SetAmountForEnd(page, eventRow, info, fieldEvent); });
  }
}

// ---- formulas ----

void BillEditorWindow::RunFieldActions(const std::string& key, int32_t row) {
  BillEditorEvent& editor = *m_Editor;
  const TemplateField* trigger = editor.Store().Field(key);
  if (!trigger) return;
  for (const TemplateAction& action : editor.Template().ActionsOf(trigger->key)) {
    HostDictionaryPtr info = editor.Store().Info(trigger->key);
    HostDictionaryPtr data = editor.Store().Data(trigger->key, row);
    if (!data) return;
    HostDictionaryPtr fieldEvent = EventFieldData(trigger->key, row, data->Item("FFLD"));
    qor::ObjectPtr item = data;
    std::string trace = "(" + trigger->key + RowText(row) + ", " + action.type + ", " +
                        action.name + ", \"" + action.parameters + "\"";
    bool cancel = false;
    bool ok = editor.Raise("BeforeDoAction" + trace + ", False)", [&](qor::BillEventSink& s) {
      s.BeforeDoAction(info, fieldEvent, item, action.type, action.name, action.parameters, cancel);
    });
    if (cancel || !ok) {
      Trace(m_Session, "  action " + action.name + " of " + trigger->key + " cancelled");
      continue;
    }
    RunFormula(*trigger, row, action);
    editor.Raise("AfterDoAction" + trace + ")", [&](qor::BillEventSink& s) {
      s.AfterDoAction(info, fieldEvent, item, action.type, action.name, action.parameters);
    });
  }
}

void BillEditorWindow::RunFormula(const TemplateField& trigger, int32_t row,
                                  const TemplateAction& action) {
  BillFormula formula;
  if (!qor::EqualsNoCase(action.type, "Formula") ||
      !BillFormula::Parse(action.parameters, formula)) {
    return;
  }
  BillFieldStore& store = m_Editor->Store();
  const TemplateField* target = store.Field(formula.Target());
  if (!target) return;
  // Keys of the trigger's row, or of the header.
  auto rowOf = [&](const TemplateField& field) -> int32_t {
    if (field.page == 1) return 0;
    return field.page == trigger.page ? row : -1;
  };
  int32_t targetRow = rowOf(*target);
  if (targetRow < 0 || (target->page != 1 && targetRow == 0)) return;
  std::optional<double> result = formula.Evaluate([&](const std::string& key) {
    const TemplateField* field = store.Field(key);
    if (!field || rowOf(*field) < 0) return 0.0;
    HostDictionaryPtr data = store.Data(key, rowOf(*field));
    return data ? NumberOf(data->Item("FFLD")) : 0.0;
  });
  if (!result) {
    Trace(m_Session, "  formula " + action.parameters + " left " + target->key + " unchanged");
    return;
  }
  if (!IsStorableAmount(*result)) {
    // Never store an infinite or overflowing result: the user is told.
    Trace(m_Session, "  formula " + action.parameters + " out of range");
    qor::CurrentPlatform().MsgBox(FormulaOutOfRangeMessage(target->caption), kExclamationIcon,
                                  kTitle);
    return;
  }
  double value = target->IsNumber()
                     ? RoundToDecimals(*result, store.Decimals(target->key, targetRow))
                     : *result;
  store.Write(target->key, targetRow, Variant(value), true);
}

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

// ---- menus and toolbar ----

void BillEditorWindow::Click(const std::string& key) {
  m_LastError.reset();
  m_SelectionOpened = false;
  PressTool(ReachableEditorTool(m_Editor->Toolbar(), key));
}

void BillEditorWindow::Press(const std::string& key) {
  m_LastError.reset();
  m_SelectionOpened = false;
  PressTool(ShortcutTool(m_Editor->Toolbar(), key));
}

void BillEditorWindow::PressTool(const qor::ToolPtr& tool) {
  bool cancel = false;
  bool ok = m_Editor->Raise("MenuBarClick(" + TraceArg(tool->m_Name) + ", False)",
                            [&](qor::BillEventSink& s) { s.MenuBarClick(tool, cancel); });
  if (!ok) cancel = true;
  m_LastClickCancelled = cancel;
  if (cancel) return;
  // The host's action may close (destroy) this window: nothing follows it.
  HostAction(tool);
}

bool BillEditorWindow::HostAction(const qor::ToolPtr& tool) {
  const std::string& key = tool->m_Name;
  if (qor::EqualsNoCase(key, "mnuFileSave")) {
    SaveBill();
  } else if (qor::EqualsNoCase(key, "mnuFileNew")) {
    NewBill();
  } else if (IsCloseTool(key)) {
    return CloseSelf();
  } else if (qor::EqualsNoCase(key, "mnuEditAddRow")) {
    AddEntryRow();
  } else if (qor::EqualsNoCase(key, "mnuEditDelRow")) {
    HostDictionaryPtr info;
    int32_t col = 0, row = 0;
    m_Editor->GetActiveField(info, col, row);
    if (info && qor::CLng(info->Item("FPage")) == kEntryPage) DeleteEntryRow(row);
  } else if (qor::EqualsNoCase(key, "mnuEditDelete")) {
    DeleteStoredBill();
  } else if (IsSelectionTool(key) &&
             m_Editor->Template().FindSelection(BillEditorEvent::SelectionCode(*tool))) {
    // Unless the plug-in already opened the window for the command.
    if (!m_SelectionOpened) OpenSelection(BillEditorEvent::SelectionCode(*tool));
  } else {
    Trace(m_Session, "  host: no action of its own for " + key);
  }
  return false;
}

bool BillEditorWindow::CloseSelf() {
  Trace(m_Session, "  host: closes the " + m_Kind + " window");
  if (m_Session.Current() == this) {
    m_Session.CloseCurrent();  // destroys this window
    return true;
  }
  Close();
  return false;
}

// The plug-in has checked the delete (and usually deleted the bill through
// the bill service already): whatever is still stored goes, and the editor
// starts a new bill.
void BillEditorWindow::DeleteStoredBill() {
  BillEditorEvent& editor = *m_Editor;
  int32_t billId = editor.BillId();
  if (editor.IsReadOnly()) {
    Trace(m_Session, "  refused: a read-only bill is not deleted");
    return;
  }
  // A database failure is shown and leaves the editor as it was.
  try {
    if (billId > 0 && editor.Storage().Exists(billId)) editor.Storage().Delete(billId);
    NewBill();
  } catch (const qor::VbError& error) {
    ReportHostError(error);
  }
}

// ---- saving ----

bool BillEditorWindow::SaveBill() {
  BillEditorEvent& editor = *m_Editor;
  m_LastSaved = false;
  if (editor.IsReadOnly()) {
    Trace(m_Session, "  refused: a read-only bill is not saved");
    return false;
  }
  bool cancel = false;
  bool ok = editor.Raise("BeforeSave(False)", [&](qor::BillEventSink& s) { s.BeforeSave(cancel); });
  bool notSave = editor.NotSaveFlag();
  editor.SetNotSaveFlag(false);
  if (cancel || !ok || notSave) {
    Trace(m_Session, std::string("  host: not saved") + (notSave ? " (NotSave)" : ""));
    return false;
  }
  bool isNew = editor.BillId() <= 0;
  int32_t billId = 0;
  try {
    if (isNew) ClaimBillNumber();
    billId = editor.Storage().Write(editor.Store(), editor.BillId());
  } catch (const qor::VbError& error) {
    HostDictionaryPtr values = editor.Store().HeaderValues();
    std::string message = "单据保存失败：" + SaveFailureText(error);
    bool cancelMessage = false;
    editor.Raise("SaveBillFailed(dctData, " + TraceArg(message) + ", False)",
                 [&](qor::BillEventSink& s) { s.SaveBillFailed(values, message, cancelMessage); });
    if (!cancelMessage) qor::CurrentPlatform().MsgBox(message, kStopIcon, kTitle);
    return false;
  }
  Trace(m_Session, "  host: saved " + editor.Template().HeadTable() + " " + std::to_string(billId));
  editor.Store().Write(editor.Template().KeyColumn(), 0, Variant(billId), false);
  editor.SetBillId(billId);
  editor.Store().ClearModifyFlags();
  if (isNew) {
    editor.SetEditMode(2);
    TakeModifyLock(billId);
    m_LockTakenAtSave = true;
  }
  m_LastSaved = true;
  // The editor shows the bill as stored, not what the plug-in prepared for
  // the write (a discount as its stored fraction, a new bill's state).
  Trace(m_Session, "  host: reads the saved bill back");
  LoadBill(billId);
  bool afterCancel = false;
  editor.Raise("AfterSave(False)", [&](qor::BillEventSink& s) { s.AfterSave(afterCancel); });
  return true;
}

// ---- source selection ----

void BillEditorWindow::Select(const std::string& tool, const std::vector<Pick>& picks) {
  if (IsCloseTool(tool)) throw ScenarioError(tool + " is not a source-selection tool");
  m_PendingPicks = picks;
  struct Reset {
    BillEditorWindow& window;
    ~Reset() { window.m_PendingPicks.reset(); }
  } reset{*this};
  Click(tool);
  // A cancelled click opens nothing; otherwise some window must have
  // taken the picks.
  if (m_LastClickCancelled.value_or(false) || m_SelectionOpened) return;
  throw ScenarioError("the tool " + tool + " opened no source-selection window");
}

void BillEditorWindow::OpenSelection(int32_t selBillType) {
  m_SelectionOpened = true;
  std::vector<Pick> picks = m_PendingPicks.value_or(std::vector<Pick>{});
  m_PendingPicks.reset();
  BillEditorEvent& editor = *m_Editor;
  const SelectTemplate* selection = editor.Template().FindSelection(selBillType);
  if (!selection) {
    throw ScenarioError("no source-selection window for the code " + std::to_string(selBillType));
  }
  if (editor.IsReadOnly()) {
    Trace(m_Session, "  refused: no source selection on a read-only bill");
    return;
  }
  Trace(m_Session,
        "  host: source selection " + std::to_string(selBillType) + " (" + selection->source + ")");
  auto dataService = std::make_shared<BillEditorDataService>(
      std::static_pointer_cast<BillEditorEvent>(m_Editor->shared_from_this()),
      editor.GetClassTypeID());
  auto link = std::make_shared<HostDictionary>();
  link->SetItem("FSelBillType", selBillType);
  link->SetItem("FBillTypeID", editor.GetBillType());
  link->SetItem("FName", selection->name);
  std::string filter;
  HostDictionaryPtr params = std::make_shared<HostDictionary>();
  editor.Raise(
      "BeforeSelBills(" + std::to_string(selBillType) + ", oDataSrv, dctLink, sFilter, dctParam)",
      [&](qor::BillEventSink& s) {
        s.BeforeSelBills(selBillType, dataService, link, filter, params);
      });
  std::string sort = qor::Trim(qor::StrOf(dataService->Filter()->Item("HeadSort")));
  std::string sql = "SELECT * FROM " + selection->source;
  if (!qor::Trim(filter).empty()) sql += " WHERE " + filter;
  if (!sort.empty()) {
    sql += " ORDER BY " + sort;
  } else if (!selection->orderBy.empty()) {
    sql += " ORDER BY " + selection->orderBy;
  }
  qor::RecordsetPtr lines = m_Session.Db().Query(sql);

  // What the window offers: each line as the document (its number, or
  // "id=<id>" without one) and its place among that document's lines.
  std::vector<Pick> offered;
  std::vector<std::vector<Variant>> rows;
  std::map<std::string, int32_t> linesOf;
  // The offered lines by document number (upper case) and by id, in window order.
  std::unordered_map<std::string, std::vector<size_t>> byNumber;
  std::unordered_map<std::string, std::vector<size_t>> byId;
  for (lines->MoveFirst(); !lines->IsEOF(); lines->MoveNext()) {
    std::string number = qor::Trim(qor::StrOf(lines->Field(selection->numberColumn)));
    std::string id = qor::StrOf(lines->Field(selection->idColumn));
    std::string document = number.empty() ? "id=" + id : number;
    int32_t line = ++linesOf[id + "|" + number];
    byNumber[qor::UCase(document)].push_back(offered.size());
    byId[id].push_back(offered.size());
    offered.push_back({document, line});
    std::vector<Variant> row;
    for (const std::string& column : lines->Columns()) row.push_back(lines->Field(column));
    rows.push_back(std::move(row));
  }
  m_Offered = offered;
  // `all` picks every line offered: none offered closes the window as
  // without a choice.
  if (!picks.empty() && picks.front().all) {
    picks.clear();
    for (const Pick& line : offered) picks.push_back(line);
  }
  if (picks.empty()) {
    Trace(m_Session, "  host: the selection window closed without a choice");
    return;
  }
  auto picked =
      std::make_shared<qor::Recordset>(lines->Columns(), std::vector<std::vector<Variant>>{});
  std::vector<bool> taken(offered.size(), false);
  for (const Pick& pick : picks) {
    bool byIdPick = pick.document.rfind("id=", 0) == 0;
    const auto& index = byIdPick ? byId : byNumber;
    auto candidates =
        index.find(byIdPick ? qor::Trim(pick.document.substr(3)) : qor::UCase(pick.document));
    bool found = false;
    if (candidates != index.end()) {
      for (size_t i : candidates->second) {
        if (pick.line != 0 && offered[i].line != pick.line) continue;
        found = true;
        if (!taken[i]) picked->AddRow(rows[i]);
        taken[i] = true;
      }
    }
    if (!found) {
      throw ScenarioError("the selection window does not offer " + pick.document +
                          (pick.line ? "#" + std::to_string(pick.line) : ""));
    }
  }
  FillSelectedLines(*selection, *picked);
  auto chosen = std::make_shared<HostDictionary>();
  picked->MoveFirst();
  chosen->SetItem("rsSrc", Variant(picked));
  chosen->SetItem("FSelBillType", selBillType);
  HostDictionaryPtr map = editor.Store().MapHolder();
  editor.Raise("AfterSelBillBeforeFillData(dctSel, dctMap)",
               [&](qor::BillEventSink& s) { s.AfterSelBillBeforeFillData(chosen, map); });
  editor.Store().FillDisplays();
  editor.Raise("AfterSelBill(" + std::to_string(selBillType) + ")",
               [&](qor::BillEventSink& s) { s.AfterSelBill(selBillType); });
}

// Each picked line becomes a new row; every column of the line goes into
// the entry field of the same key.
void BillEditorWindow::FillSelectedLines(const SelectTemplate& selection, qor::Recordset& lines) {
  BillFieldStore& store = m_Editor->Store();
  if (!m_Editor->Template().FindEntry(selection.page)) {
    throw ScenarioError("the bill has no entry page " + std::to_string(selection.page));
  }
  for (lines.MoveFirst(); !lines.IsEOF(); lines.MoveNext()) {
    int32_t row = store.AddRow(selection.page);
    for (const TemplateField& field : m_Editor->Template().Fields()) {
      if (field.page != selection.page || !lines.HasField(field.key)) continue;
      store.Write(field.key, row, lines.Field(field.key), true);
    }
  }
}

std::vector<Pick> BillEditorWindow::LastOffered() {
  if (!m_Offered)
    throw ScenarioError("no source-selection window was opened in the " + m_Kind + " window");
  return *m_Offered;
}

// ---- closing and checks ----

void BillEditorWindow::Close() {
  if (m_Closed) return;
  m_Closed = true;
  m_Editor->Detach();
  // The plug-in object ends here (its terminate step runs) unless another
  // window shares it (the type tree of a type card); no event reaches it
  // from this editor any more.
  DropPlugin(*this, m_Plugin, m_OwnsPlugin);
  m_Editor->DropSinks();
  if (m_LockTakenAtSave) ReleaseLockOfSavedNewBill();
}

void BillEditorWindow::ReleaseLockOfSavedNewBill() {
  try {
    auto mutex = qor::CreateDirect<qor::NetControlMutex>("QORNetControl.Mutex");
    std::string props = m_Session.PropsString();
    int32_t billId = m_LockedBillId;
    Variant handles = mutex->GetTaskIdByUserInfo(props, m_ModifyCode, billId);
    if (!handles.IsObject() || !handles.ObjectValue()) return;
    mutex->BatchCommitTask(props, qor::As<qor::HostVector>(handles.ObjectValue()));
  } catch (const qor::VbError& error) {
    ReportHostError(error);
    return;
  }
  Trace(m_Session, std::string("  modify lock ") + m_ModifyCode + " " +
                       std::to_string(m_LockedBillId) + " released by the host");
}

Variant BillEditorWindow::FieldValue(const std::string& field, int32_t row) {
  Cell cell = ResolveCell(field, row);
  return m_Editor->Store().Value(cell.field->key, cell.row);
}

std::string BillEditorWindow::FieldText(const std::string& field, int32_t row) {
  Cell cell = ResolveCell(field, row);
  return m_Editor->Store().Text(cell.field->key, cell.row);
}

bool BillEditorWindow::IsLocked(const std::string& field, std::optional<int32_t> row) {
  const TemplateField* known = m_Editor->Store().Field(field);
  if (!known) throw ScenarioError("unknown field " + field + " in the " + m_Kind + " window");
  if (row && known->page != 1) ResolveCell(field, *row);
  if (m_Editor->IsReadOnly()) return true;
  return m_Editor->Store().IsLocked(known->key, known->page == 1 ? std::nullopt : row);
}

int32_t BillEditorWindow::RowCount() { return m_Editor->Store().RowCount(kEntryPage); }

std::string BillEditorWindow::StatusText(int32_t panel) { return m_Editor->Status(panel); }

// ---- opening windows ----

std::unique_ptr<Window> OpenBillWindow(Session& session, const std::string& kind, int32_t editMode,
                                       int32_t billId) {
  const BillWindowDef& def = FindWindowDef(kind);
  auto editor = std::make_shared<BillEditorEvent>(session, BillTemplate::Load(session.Db(), kind),
                                                  BuildEditorToolbar(kind));
  if (editMode != 1 && billId > 0 && !editor->Storage().Exists(billId)) {
    throw ScenarioError("no " + kind + " bill with the id " + std::to_string(billId));
  }
  auto window = std::make_unique<BillEditorWindow>(session, kind, editor, def.modifyCode);
  window->Start(nullptr, def.className, editMode, billId);
  return window;
}

std::unique_ptr<Window> OpenTypeCard(Session& session, std::shared_ptr<qor::PluginClass> plugin,
                                     int32_t editMode, int32_t typeId, int32_t parentGroupId) {
  const BillWindowDef& def = FindWindowDef("type-card");
  auto editor = std::make_shared<BillEditorEvent>(
      session, BillTemplate::Load(session.Db(), def.kind), BuildEditorToolbar(def.kind));
  if (editMode != 1 && typeId > 0 && !editor->Storage().Exists(typeId)) {
    throw ScenarioError("no income/expense type with the id " + std::to_string(typeId));
  }
  std::string parentNumber;
  if (parentGroupId > 0) {
    const BillTemplate& t = editor->Template();
    parentNumber =
        qor::StrOf(session.Db().QueryValue("SELECT " + t.NumberColumn() + " FROM " + t.HeadTable() +
                                               " WHERE " + t.KeyColumn() + " = ?",
                                           {Variant(parentGroupId)}));
  }
  auto window = std::make_unique<BillEditorWindow>(session, def.kind, editor, def.modifyCode);
  window->Start(std::move(plugin), def.className, editMode, typeId, parentNumber);
  return window;
}

}  // namespace refhost
