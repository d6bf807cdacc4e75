#include "refhost/framework/type_list_window.h"

#include "core/vb.h"
#include "refhost/framework/view_windows.h"
#include "refhost/session.h"

namespace refhost {

TypeListWindow::TypeListWindow(Session& session, ListTemplate listTemplate)
    : BaseDataWindow(session, "type-list", {"grid"}), m_Rows(std::move(listTemplate)) {}

void TypeListWindow::Open() {
  CreateAndShow("clsRPInOutTypeView");
  RaiseBarInitialize();
  LoadData();
  RaiseAfterGetData();
}

void TypeListWindow::LoadData() { m_Rows.Load(m_Session.Db()); }

void TypeListWindow::RunHostAction(const std::string& tool) {
  if (qor::EqualsNoCase(tool, "mnuFileRefresh")) RefreshCommand();
}

void TypeListWindow::SelectRows(const std::vector<std::string>& numbers) {
  m_LastError.reset();
  m_Rows.Select(numbers);
}

int32_t TypeListWindow::SelectedItemId() const {
  if (m_Rows.Selected().empty()) return 0;
  const qor::Variant& key = m_Rows.KeyOf(m_Rows.Selected().front());
  return qor::IsNumeric(key) ? qor::CLng(key) : 0;
}

qor::Variant TypeListWindow::FieldValue(const std::string& field, int32_t row) {
  return m_Rows.Value(row, field);
}

std::string TypeListWindow::FieldText(const std::string& field, int32_t row) {
  return qor::StrOf(m_Rows.Value(row, field));
}

std::string TypeListWindow::StatusText(int32_t panel) {
  if (panel == 0) return m_Rows.Template().name;
  if (panel == 1) return "共 " + std::to_string(m_Rows.Count()) + " 条记录";
  return "";
}

std::unique_ptr<Window> OpenTypeListWindow(Session& session) {
  auto window =
      std::make_unique<TypeListWindow>(session, ListTemplate::Read(session.Db(), "type-list"));
  window->Open();
  return window;
}

}  // namespace refhost
