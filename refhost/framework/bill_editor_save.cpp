#include "host/platform.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/bill_editor_window_internal.h"
#include "refhost/framework/plugin_call.h"

namespace refhost {

using namespace bill_editor_window_detail;

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

}  // namespace refhost
