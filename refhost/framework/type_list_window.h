#pragma once

#include <string>
#include <vector>

#include "refhost/framework/list_window.h"
#include "refhost/framework/type_tree_window.h"

namespace refhost {

// The read-only list of the income/expense types ("type-list"): a
// base-data list whose lines are those of its list template (every type
// with its account), selected by type number. Its one control is "grid".
// The only command of its own is the refresh.
class TypeListWindow : public BaseDataWindow {
 public:
  TypeListWindow(Session& session, ListTemplate listTemplate);

  void Open();

  // Selects the types of these numbers.
  void SelectRows(const std::vector<std::string>& numbers) override;
  qor::Variant FieldValue(const std::string& field, int32_t row) override;
  std::string FieldText(const std::string& field, int32_t row) override;
  int32_t RowCount() override { return m_Rows.Count(); }
  // 0: the list's name; 1: "共 n 条记录".
  std::string StatusText(int32_t panel) override;

  // The list has no class groups.
  int32_t SelectedGroupId() const override { return 0; }
  // The first selected type, 0 when none.
  int32_t SelectedItemId() const override;

 protected:
  void LoadData() override;
  void RunHostAction(const std::string& tool) override;

 private:
  ListRows m_Rows;
};

}  // namespace refhost
