#include "core/vb.h"
#include "refhost/db/sql_error.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/host_run.h"
#include "refhost/session.h"

// Bill numbers at the save of a new bill: two users who both got the same
// proposed number both save, the second under the next free number; a number
// the user typed that another bill took meanwhile is refused with a message
// telling what to do.

namespace refhost {

namespace {

constexpr const char* kUniqueFailure = "UNIQUE constraint failed";

std::string NumberTakenText(const std::string& number) {
  return "单据号“" + number + "”已被其他单据使用，请修改单据号后再保存。";
}

}  // namespace

void BillEditorWindow::ClaimBillNumber() {
  BillEditorEvent& editor = *m_Editor;
  const std::string& column = editor.Template().NumberColumn();
  // Only bills the host numbers (a prefix): the type card's number is the user's.
  if (editor.Template().NumberPrefix().empty()) return;
  if (column.empty() || !editor.Store().Field(column)) return;
  std::string number = qor::Trim(qor::StrOf(editor.Store().Value(column, 0)));
  if (!editor.Storage().NumberTaken(number)) return;
  if (number != m_ProposedNumber) {
    throw qor::VbError(kSqlErrorNumber, kSqlErrorSource, NumberTakenText(number));
  }
  std::string next = editor.Storage().NextNumber();
  editor.Store().Write(column, 0, qor::Variant(next), false);
  m_ProposedNumber = next;
  if (m_Session.Run().Tracing()) {
    m_Session.Run().Trace("  host: number " + number + " was taken meanwhile: saved as " + next);
  }
}

std::string BillEditorWindow::SaveFailureText(const qor::VbError& error) const {
  const std::string& description = error.Description();
  const std::string& column = m_Editor->Template().NumberColumn();
  bool numberTaken = description.starts_with(kUniqueFailure) && !column.empty() &&
                     !m_Editor->Template().NumberPrefix().empty() &&
                     qor::FindNoCase(description, "." + column) != std::string::npos;
  if (!numberTaken) return description;
  return NumberTakenText(qor::Trim(qor::StrOf(m_Editor->Store().Value(column, 0))));
}

}  // namespace refhost
