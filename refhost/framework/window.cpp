#include "refhost/framework/window.h"

#include "refhost/host_run.h"

namespace refhost {

// Actions and checks a window kind does not offer fail the scenario; each
// kind overrides the ones it has.

void Window::SetField(const std::string& /*field*/, int32_t /*row*/, const std::string& /*value*/) {
  NotOffered("set");
}

void Window::AddRow() { NotOffered("add-row"); }

void Window::DeleteRow(int32_t /*row*/) { NotOffered("delete-row"); }

void Window::Click(const std::string& /*tool*/) { NotOffered("click"); }

void Window::Press(const std::string& /*tool*/) { NotOffered("press"); }

void Window::Select(const std::string& /*tool*/, const std::vector<Pick>& /*picks*/) {
  NotOffered("select");
}

void Window::SelectRows(const std::vector<std::string>& /*billNumbers*/) { NotOffered("rows"); }

void Window::TreeGroup(int32_t /*id*/) { NotOffered("tree group"); }

void Window::TreeItem(int32_t /*id*/) { NotOffered("tree item"); }

void Window::Focus(const std::string& /*control*/) { NotOffered("focus"); }

qor::Variant Window::FieldValue(const std::string& /*field*/, int32_t /*row*/) {
  NotOffered("expect field");
}

std::string Window::FieldText(const std::string& /*field*/, int32_t /*row*/) {
  NotOffered("expect text");
}

bool Window::IsLocked(const std::string& /*field*/, std::optional<int32_t> /*row*/) {
  NotOffered("expect locked");
}

int32_t Window::RowCount() { NotOffered("expect rows"); }

bool Window::IsModified(const std::string& /*field*/, int32_t /*row*/) {
  NotOffered("expect modified");
}

bool Window::IsColumnVisible(const std::string& /*field*/) { NotOffered("expect column"); }

int32_t Window::ShownDecimals(const std::string& /*field*/, int32_t /*row*/) {
  NotOffered("expect decimals");
}

int32_t Window::EditDecimals(const std::string& /*field*/) { NotOffered("expect decimals"); }

std::optional<std::pair<std::string, int32_t>> Window::ActiveCell() { NotOffered("expect active"); }

std::string Window::StatusText(int32_t /*panel*/) { NotOffered("expect status"); }

std::vector<Pick> Window::LastOffered() { NotOffered("expect offered"); }

void Window::NotOffered(const std::string& action) const {
  throw ScenarioError(action + " is not offered by the " + Kind() + " window");
}

}  // namespace refhost
