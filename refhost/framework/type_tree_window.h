#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/host_dictionary.h"
#include "host/base_data.h"
#include "host/plugin_class.h"
#include "refhost/framework/window.h"

namespace refhost {

class Session;
class BaseDataEvents;

// The class type of the income/expense types; also the id of the tree's top
// node, the class itself.
inline constexpr int32_t kInOutTypeClass = 1000207;

// A base-data window of the income/expense types: its event object
// ("BaseClassEvent"), its bars, the plug-in bound to it, the focus among its
// controls and the commands the user presses. The tree and the read-only
// list derive from it.
class BaseDataWindow : public Window {
 public:
  BaseDataWindow(Session& session, std::string kind, std::vector<std::string> controls);
  ~BaseDataWindow() override;

  std::string Kind() const override { return m_Kind; }
  // MenuBarClick, then the host's own command when not cancelled.
  void Click(const std::string& tool) override;
  void Focus(const std::string& control) override;
  void Close() override;
  qor::ToolbarControl& Toolbar() override { return *m_Bar; }

  // What the base-data object offers the plug-in.
  qor::ToolbarControlPtr Bar() const { return m_Bar; }
  virtual int32_t SelectedGroupId() const = 0;
  virtual int32_t SelectedItemId() const = 0;
  const std::string& ActiveControl() const { return m_ActiveControl; }
  void SetClassType(int32_t a, int32_t b, int32_t c, const std::string& text);
  void SetListOption(int32_t option);
  // Reads the data anew and raises AfterGetData.
  void RefreshList();

  // What the plug-in set, for the checks.
  const std::vector<int32_t>& ClassTypeIds() const { return m_ClassTypeIds; }
  const std::string& ClassTypeText() const { return m_ClassTypeText; }
  std::optional<int32_t> ListOption() const { return m_ListOption; }

 protected:
  // Creates the plug-in class by identifier and shows it the base-data object.
  void CreateAndShow(const std::string& className);
  void RaiseMenuBarInitialize();
  void RaiseBarInitialize();
  void RaiseAfterGetData();
  void RaiseClassGroupSelected(int32_t groupId, const std::string& fullNumber);
  // The refresh command: RefreshList, a new read, AfterGetData.
  void RefreshCommand();
  void SetActiveControl(const std::string& control) { m_ActiveControl = control; }

  // Reads the window's data (no event).
  virtual void LoadData() = 0;
  // The host's own command for a pressed tool that was not cancelled.
  virtual void RunHostAction(const std::string& tool) = 0;

  Session& m_Session;
  std::shared_ptr<qor::PluginClass> m_Plugin;

 private:
  std::string m_Kind;
  std::vector<std::string> m_Controls;
  std::string m_ActiveControl;
  qor::ToolbarControlPtr m_Bar;
  std::shared_ptr<BaseDataEvents> m_Events;
  std::vector<int32_t> m_ClassTypeIds;
  std::string m_ClassTypeText;
  std::optional<int32_t> m_ListOption;
};

// One income/expense type as the tree shows it.
struct TypeNode {
  int32_t id = 0;
  std::string number;
  std::string name;
  int32_t parentId = 0;
  bool discontinued = false;
  qor::HostDictionaryPtr columns;  // every column of the type's record
};

// The base-data window of the income/expense types ("type-tree"): the tree
// of class groups on the left (the class itself, id 1000207, on top; under
// it the two roots, income "1" and expense "2", and every type below them,
// each by its id) and the list of the items of the selected group on the
// right (for the top node every type, else the types directly under it).
// Controls: "tvwGroup" (the tree), "grid" (the item list) and "GridResult"
// (the list of a search's results). An item can be selected anywhere under
// the selected group.
class TypeTreeWindow : public BaseDataWindow {
 public:
  explicit TypeTreeWindow(Session& session);

  void Open();

  void TreeGroup(int32_t id) override;
  void TreeItem(int32_t id) override;
  qor::Variant FieldValue(const std::string& field, int32_t row) override;
  std::string FieldText(const std::string& field, int32_t row) override;
  // The items listed for the selected group.
  int32_t RowCount() override;
  // 0: the class's name; 1: the selected group's number and name.
  std::string StatusText(int32_t panel) override;

  int32_t SelectedGroupId() const override { return m_Group; }
  int32_t SelectedItemId() const override { return m_Item; }
  // Ids of the items listed for the selected group, in number order.
  std::vector<int32_t> ListedItems() const;

 protected:
  void LoadData() override;
  void RunHostAction(const std::string& tool) override;

 private:
  const TypeNode* FindType(int32_t id) const;
  bool LiesUnderGroup(int32_t id) const;
  void OpenCard(int32_t editMode, int32_t typeId, int32_t parentId);
  void DeleteSelected();
  void SetSelectedDiscontinued(bool discontinued);

  std::vector<TypeNode> m_Types;
  int32_t m_Group = kInOutTypeClass;
  int32_t m_Item = 0;
};

}  // namespace refhost
