#include "refhost/framework/bill_editor_window.h"

#include "core/vb.h"
#include "host/components.h"
#include "host/platform.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_toolbar.h"
#include "refhost/framework/bill_editor_window_internal.h"
#include "refhost/framework/plugin_call.h"
#include "refhost/framework/toolbar_layout.h"
#include "refhost/session.h"

namespace refhost {

using namespace bill_editor_window_detail;

namespace {

using qor::HostDictionary;
using qor::HostDictionaryPtr;
using qor::Variant;

constexpr int32_t kModifyLockType = 21;
constexpr int32_t kModifyLockMode = 3;

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

bool IsSelectionTool(const std::string& key) {
  constexpr std::string_view kPrefix = "mnuSelectBill_";
  return key.size() > kPrefix.size() && qor::EqualsNoCase(key.substr(0, kPrefix.size()), kPrefix);
}

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
