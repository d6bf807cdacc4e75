#include "refhost/framework/type_tree_window.h"

#include <algorithm>

#include "core/events.h"
#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/plugin_call.h"
#include "refhost/framework/view_toolbars.h"
#include "refhost/framework/view_windows.h"
#include "refhost/session.h"

namespace refhost {

namespace {

constexpr int32_t kErrObjectNotSet = 91;
constexpr int32_t kLeftButton = 1;
constexpr int32_t kEditNew = 1;
constexpr int32_t kEditChange = 2;
constexpr const char* kTreeControl = "tvwGroup";
constexpr const char* kItemControl = "grid";
constexpr const char* kResultControl = "GridResult";

class ControlObject : public qor::WindowControl {
 public:
  explicit ControlObject(std::string name) : m_Name(std::move(name)) {}
  std::string Name() const override { return m_Name; }

 private:
  std::string m_Name;
};

}  // namespace

// The base-data window's event object ("BaseClassEvent"). It outlives its
// window when the plug-in keeps it; calls then fail with error 91.
class BaseDataEvents : public qor::BaseClassEvent {
 public:
  explicit BaseDataEvents(BaseDataWindow& window) : m_Window(&window) {}

  qor::Subscription Advise(std::shared_ptr<qor::BaseEventSink> sink) override {
    return m_Source.Advise(std::move(sink));
  }
  qor::ToolbarControlPtr GetToolBarControl() override { return Window().Bar(); }
  int32_t GetSelectedGroupID() override { return Window().SelectedGroupId(); }
  int32_t GetSelectedItemID() override { return Window().SelectedItemId(); }
  std::shared_ptr<qor::WindowControl> GetActiveControl() override {
    return std::make_shared<ControlObject>(Window().ActiveControl());
  }
  void SetClassType(int32_t a, int32_t b, int32_t c, const std::string& text) override {
    Window().SetClassType(a, b, c, text);
  }
  void SetListOption(int32_t option) override { Window().SetListOption(option); }
  void RefreshList() override { Window().RefreshList(); }

  template <class F>
  void Raise(F&& call) {
    m_Source.Raise(std::forward<F>(call));
  }
  void DropSinks() { m_Source = qor::EventSource<qor::BaseEventSink>(); }
  void Detach() { m_Window = nullptr; }

 private:
  BaseDataWindow& Window() const {
    if (!m_Window) {
      qor::RaiseError(kErrObjectNotSet, "BaseClassEvent", "The base-data window is closed");
    }
    return *m_Window;
  }

  BaseDataWindow* m_Window;
  qor::EventSource<qor::BaseEventSink> m_Source;
};

// ---- BaseDataWindow ----

BaseDataWindow::BaseDataWindow(Session& session, std::string kind,
                               std::vector<std::string> controls)
    : m_Session(session),
      m_Kind(std::move(kind)),
      m_Controls(std::move(controls)),
      m_ActiveControl(m_Controls.front()),
      m_Bar(BuildBaseDataToolbar()),
      m_Events(std::make_shared<BaseDataEvents>(*this)) {}

BaseDataWindow::~BaseDataWindow() {
  m_Events->Detach();
  try {
    m_Plugin.reset();
  } catch (...) {
    // A window dropped without closing has nobody to report to.
  }
}

void BaseDataWindow::CreateAndShow(const std::string& className) {
  m_LastError.reset();
  CallPlugin(*this, "", [&] { m_Plugin = CreatePlugin(className); });
  if (m_Plugin) ShowPlugin(*this, *m_Plugin, m_Events);
}

void BaseDataWindow::RaiseMenuBarInitialize() {
  CallPlugin(*this, "BaseClassEvent.MenuBarInitialize(oMenuBar)", [&] {
    m_Events->Raise([&](qor::BaseEventSink& sink) { sink.MenuBarInitialize(m_Bar); });
  });
}

void BaseDataWindow::RaiseBarInitialize() {
  CallPlugin(*this, "BaseClassEvent.BarInitialize(oActiveBar)", [&] {
    m_Events->Raise([&](qor::BaseEventSink& sink) { sink.BarInitialize(m_Bar); });
  });
}

void BaseDataWindow::RaiseAfterGetData() {
  CallPlugin(*this, "BaseClassEvent.AfterGetData()",
             [&] { m_Events->Raise([](qor::BaseEventSink& sink) { sink.AfterGetData(); }); });
}

void BaseDataWindow::RaiseClassGroupSelected(int32_t groupId, const std::string& fullNumber) {
  std::string trace = "BaseClassEvent.ClassGroupSelected(" + std::to_string(kLeftButton) + ", " +
                      std::to_string(kInOutTypeClass) + ", " + std::to_string(groupId) + ", " +
                      TraceArg(fullNumber) + ")";
  CallPlugin(*this, trace, [&] {
    m_Events->Raise([&](qor::BaseEventSink& sink) {
      sink.ClassGroupSelected(kLeftButton, kInOutTypeClass, groupId, fullNumber);
    });
  });
}

void BaseDataWindow::RefreshCommand() {
  CallPlugin(*this, "BaseClassEvent.RefreshList()",
             [&] { m_Events->Raise([](qor::BaseEventSink& sink) { sink.RefreshList(); }); });
  RefreshList();
}

void BaseDataWindow::RefreshList() {
  LoadData();
  RaiseAfterGetData();
}

void BaseDataWindow::SetClassType(int32_t a, int32_t b, int32_t c, const std::string& text) {
  m_ClassTypeIds = {a, b, c};
  m_ClassTypeText = text;
}

void BaseDataWindow::SetListOption(int32_t option) { m_ListOption = option; }

void BaseDataWindow::Click(const std::string& tool) {
  m_LastError.reset();
  m_LastClickCancelled.reset();
  qor::ToolPtr pressed = ClickableTool(*m_Bar, tool);
  bool cancel = false;
  bool handled = CallPlugin(
      *this, "BaseClassEvent.MenuBarClick(" + TraceArg(pressed->m_Name) + ", False)", [&] {
        m_Events->Raise([&](qor::BaseEventSink& sink) { sink.MenuBarClick(pressed, cancel); });
      });
  m_LastClickCancelled = cancel;
  // A handler that failed stops the command as a cancel does.
  if (!handled || cancel) return;
  RunHostAction(pressed->m_Name);
}

void BaseDataWindow::Focus(const std::string& control) {
  auto found = std::find(m_Controls.begin(), m_Controls.end(), control);
  if (found == m_Controls.end()) {
    throw ScenarioError("the " + m_Kind + " window has no control " + control);
  }
  m_ActiveControl = control;
}

void BaseDataWindow::Close() {
  std::weak_ptr<qor::PluginClass> plugin = m_Plugin;
  CallPlugin(*this, "", [&] { m_Plugin.reset(); });
  // A handler object that holds its class keeps it alive through the
  // base-data object; dropping the subscribers ends that.
  if (!plugin.expired()) CallPlugin(*this, "", [&] { m_Events->DropSinks(); });
  m_Events->Detach();
}

// ---- TypeTreeWindow ----

TypeTreeWindow::TypeTreeWindow(Session& session)
    : BaseDataWindow(session, "type-tree", {kTreeControl, kItemControl, kResultControl}) {}

void TypeTreeWindow::Open() {
  CreateAndShow("clsRPInOutType");
  RaiseMenuBarInitialize();
  RaiseBarInitialize();
  LoadData();
  RaiseAfterGetData();
}

void TypeTreeWindow::LoadData() {
  qor::RecordsetPtr rs = m_Session.Db().Query(
      "SELECT FID, FNumber, FName, FParentid, FLevels, FIsLeaf, FType, FAccountID, "
      "FDiscontinued, FNote FROM vw_RP_InOutType ORDER BY FNumber");
  m_Types.clear();
  for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext()) {
    TypeNode node;
    node.id = qor::CLng(rs->Field("FID"));
    node.number = qor::StrOf(rs->Field("FNumber"));
    node.name = qor::StrOf(rs->Field("FName"));
    node.parentId = qor::CLng(rs->Field("FParentid"));
    node.discontinued = qor::CLng(rs->Field("FDiscontinued")) != 0;
    node.columns = std::make_shared<qor::HostDictionary>();
    for (const std::string& column : rs->Columns()) {
      node.columns->SetItem(column, rs->Field(column));
    }
    m_Types.push_back(std::move(node));
  }
  // A selection whose record went away is dropped.
  if (m_Group != kInOutTypeClass && !FindType(m_Group)) m_Group = kInOutTypeClass;
  if (!LiesUnderGroup(m_Item)) m_Item = 0;
}

const TypeNode* TypeTreeWindow::FindType(int32_t id) const {
  for (const TypeNode& node : m_Types) {
    if (node.id == id) return &node;
  }
  return nullptr;
}

// True when the type lies under the selected group, at any depth.
bool TypeTreeWindow::LiesUnderGroup(int32_t id) const {
  const TypeNode* node = FindType(id);
  if (!node) return false;
  if (m_Group == kInOutTypeClass) return true;
  // Each step goes one level up; the depth bounds the walk.
  for (size_t depth = 0; node && depth < m_Types.size(); ++depth) {
    if (node->parentId == m_Group) return true;
    node = FindType(node->parentId);
  }
  return false;
}

std::vector<int32_t> TypeTreeWindow::ListedItems() const {
  std::vector<int32_t> ids;
  for (const TypeNode& node : m_Types) {
    if (m_Group == kInOutTypeClass || node.parentId == m_Group) ids.push_back(node.id);
  }
  return ids;
}

void TypeTreeWindow::TreeGroup(int32_t id) {
  m_LastError.reset();
  // The tree shows what the database holds now (a card may have saved).
  LoadData();
  const TypeNode* group = FindType(id);
  if (id != kInOutTypeClass && !group) {
    throw ScenarioError("the type tree has no class group " + std::to_string(id));
  }
  m_Group = id;
  m_Item = 0;
  SetActiveControl(kTreeControl);
  RaiseClassGroupSelected(id, group ? group->number : "");
}

void TypeTreeWindow::TreeItem(int32_t id) {
  m_LastError.reset();
  LoadData();
  if (!LiesUnderGroup(id)) {
    throw ScenarioError("type " + std::to_string(id) + " does not lie under class group " +
                        std::to_string(m_Group));
  }
  m_Item = id;
  SetActiveControl(kItemControl);
  RaiseAfterGetData();
}

void TypeTreeWindow::RunHostAction(const std::string& tool) {
  if (qor::EqualsNoCase(tool, "mnuFileNewItem")) {
    OpenCard(kEditNew, 0, m_Group == kInOutTypeClass ? 0 : m_Group);
  } else if (qor::EqualsNoCase(tool, "mnuEditModify")) {
    const TypeNode* item = FindType(m_Item);
    if (item) OpenCard(kEditChange, item->id, item->parentId);
  } else if (qor::EqualsNoCase(tool, "mnuEditDel")) {
    DeleteSelected();
  } else if (qor::EqualsNoCase(tool, "mnuEditUnuse")) {
    SetSelectedDiscontinued(true);
  } else if (qor::EqualsNoCase(tool, "mnuEditUse")) {
    SetSelectedDiscontinued(false);
  } else if (qor::EqualsNoCase(tool, "mnuFileRefresh")) {
    RefreshCommand();
  }
}

// The card is shown to this window's own plug-in instance and becomes the
// session's current window.
void TypeTreeWindow::OpenCard(int32_t editMode, int32_t typeId, int32_t parentId) {
  m_Session.Open(OpenTypeCard(m_Session, m_Plugin, editMode, typeId, parentId));
}

// Deleting a type marks it and every type under it deleted.
void TypeTreeWindow::DeleteSelected() {
  const TypeNode* item = FindType(m_Item);
  if (!item) return;
  Database& db = m_Session.Db();
  {
    Transaction transaction(db);
    db.ExecuteParams(
        "UPDATE t_RP_InOutType SET FDeleted = 1 WHERE FDeleted = 0 AND (FID = ? OR "
        "substr(FNumber, 1, length(?) + 1) = ? || '.')",
        {qor::Variant(item->id), qor::Variant(item->number), qor::Variant(item->number)});
    transaction.Commit();
  }
  m_Item = 0;
  RefreshList();
}

void TypeTreeWindow::SetSelectedDiscontinued(bool discontinued) {
  const TypeNode* item = FindType(m_Item);
  if (!item) return;
  m_Session.Db().ExecuteParams("UPDATE t_RP_InOutType SET FDiscontinued = ? WHERE FID = ?",
                               {qor::Variant(discontinued ? 1 : 0), qor::Variant(item->id)});
  RefreshList();
}

qor::Variant TypeTreeWindow::FieldValue(const std::string& field, int32_t row) {
  std::vector<int32_t> listed = ListedItems();
  if (row < 1 || row > static_cast<int32_t>(listed.size())) {
    throw ScenarioError("the item list has no line " + std::to_string(row));
  }
  const TypeNode* node = FindType(listed[static_cast<size_t>(row - 1)]);
  if (!node->columns->Lookup(field)) throw ScenarioError("the item list has no column " + field);
  return node->columns->Item(field);
}

std::string TypeTreeWindow::FieldText(const std::string& field, int32_t row) {
  return qor::StrOf(FieldValue(field, row));
}

int32_t TypeTreeWindow::RowCount() { return static_cast<int32_t>(ListedItems().size()); }

std::string TypeTreeWindow::StatusText(int32_t panel) {
  if (panel == 0) return "收支类别";
  if (panel != 1) return "";
  const TypeNode* group = FindType(m_Group);
  return group ? group->number + " " + group->name : "收支类别";
}

std::unique_ptr<Window> OpenTypeTreeWindow(Session& session) {
  auto window = std::make_unique<TypeTreeWindow>(session);
  window->Open();
  return window;
}

}  // namespace refhost
