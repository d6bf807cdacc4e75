#include "refhost/framework/list_window.h"

#include <cctype>
#include <map>

#include "core/events.h"
#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/plugin_call.h"
#include "refhost/framework/view_toolbars.h"
#include "refhost/framework/view_windows.h"
#include "refhost/session.h"

namespace refhost {

namespace {

constexpr int32_t kErrObjectNotSet = 91;

// Plug-in class of each list window.
const std::map<std::string, std::string> kListClasses = {
    {"receipt-list", "clsReceiveBill"},         {"payment-list", "clsPayBill"},
    {"other-receivable-list", "clsROtherBill"}, {"other-payable-list", "clsPOtherBill"},
    {"sales-invoice-list", "clsInvoice"},       {"purchase-invoice-list", "clsInvoice"},
    {"initial-list", "clsRPInitial"},
};

bool IsIdentifier(std::string_view text) {
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text.front()))) return false;
  for (char c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

// An order of columns: "FDate, FBillNo DESC". The template's texts become
// part of the statement, so nothing else is accepted.
bool IsColumnOrder(const std::string& text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    std::string item = qor::Trim(
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    size_t blank = item.find(' ');
    std::string column = item.substr(0, blank);
    std::string direction = blank == std::string::npos ? "" : qor::Trim(item.substr(blank));
    if (!IsIdentifier(column)) return false;
    if (!direction.empty() && !qor::EqualsNoCase(direction, "ASC") &&
        !qor::EqualsNoCase(direction, "DESC")) {
      return false;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

// The multi-level check of the product: it runs, and the list's bills have
// a scheme, when the system profile IC / MultiCheck is "1".
class MultiLevelCheckObject : public qor::MultiLevelCheck {
 public:
  explicit MultiLevelCheckObject(Session& session) : m_Session(session) {}
  bool IsRun() override { return SwitchedOn(); }
  bool ExistMultiCheck() override { return SwitchedOn(); }

 private:
  bool SwitchedOn() {
    qor::Variant value = m_Session.Db().QueryValue(
        "SELECT FValue FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = 'MultiCheck'", {});
    return qor::Trim(qor::StrOf(value)) == "1";
  }
  Session& m_Session;
};

// The list's description: its class type and the stored bill of a line.
class ListDefinitionObject : public qor::ListDefinition {
 public:
  ListDefinitionObject(std::shared_ptr<ListEventsObject> list, int32_t classTypeId)
      : m_List(std::move(list)), m_ClassTypeId(classTypeId) {}
  int32_t ClassTypeID() const override { return m_ClassTypeId; }
  qor::RecordsetPtr GetBillDetail(int32_t billId) override;

 private:
  std::shared_ptr<ListEventsObject> m_List;
  int32_t m_ClassTypeId;
};

}  // namespace

// The list view's event object ("ListEvents"): what the plug-in subscribes
// to and calls. It outlives its window when the plug-in keeps it; calls then
// fail with error 91.
class ListEventsObject : public qor::ListEvents {
 public:
  explicit ListEventsObject(ListWindow& window) : m_Window(&window) {}

  qor::Subscription Advise(std::shared_ptr<qor::ListEventSink> sink) override {
    return m_Source.Advise(std::move(sink));
  }
  qor::RecordsetPtr GetListRecordset() override { return Window().ListRecordset(); }
  std::shared_ptr<qor::ListDefinition> GetListDefinition() override {
    return std::make_shared<ListDefinitionObject>(
        std::static_pointer_cast<ListEventsObject>(shared_from_this()), Window().ClassTypeId());
  }
  qor::HostVectorPtr GetSelectedRows() override { return Window().SelectedRows(); }
  qor::ToolbarControlPtr GetToolBarControl() override { return Window().Bar(); }
  void RefreshList() override { Window().RefreshList(); }
  void Refresh() override { Window().RefreshList(); }
  void letmessage() override { Window().LetMessage(); }
  int32_t ShowMode() override { return Window().ShowMode(); }
  int32_t ClassTypeID() override { return Window().ClassTypeId(); }
  void SetListRSFieldVect(const qor::HostVectorPtr& fields) override { m_Fields = fields; }
  void SetOpt() override { Window(); }
  void Show() override { Window().ShowCurrentLineBill(m_Fields); }
  std::shared_ptr<qor::MultiLevelCheck> GetMultiCheck() override {
    Window();
    return std::make_shared<MultiLevelCheckObject>(CurrentSession());
  }
  qor::RecordsetPtr BillDetail(int32_t billId) { return Window().BillDetail(billId); }

  template <class F>
  void Raise(F&& call) {
    m_Source.Raise(std::forward<F>(call));
  }
  // Forgets every subscriber (their subscriptions end).
  void DropSinks() { m_Source = qor::EventSource<qor::ListEventSink>(); }
  void Detach() { m_Window = nullptr; }

 private:
  ListWindow& Window() const {
    if (!m_Window) qor::RaiseError(kErrObjectNotSet, "ListEvents", "The list window is closed");
    return *m_Window;
  }

  ListWindow* m_Window;
  qor::EventSource<qor::ListEventSink> m_Source;
  qor::HostVectorPtr m_Fields;
};

qor::RecordsetPtr ListDefinitionObject::GetBillDetail(int32_t billId) {
  return m_List->BillDetail(billId);
}

// ---- ListTemplate ----

ListTemplate ListTemplate::Read(Database& db, const std::string& window) {
  qor::RecordsetPtr rs = db.QueryParams(
      "SELECT FWindow, FClassTypeID, FName, FSource, FKeyColumn, FNumberColumn, FOrderBy "
      "FROM t_ListTemplate WHERE FWindow = ?",
      {qor::Variant(window)});
  if (rs->IsEOF()) throw ScenarioError("unknown list window " + window);
  ListTemplate result;
  result.window = window;
  result.classTypeId = qor::CLng(rs->Field("FClassTypeID"));
  result.name = qor::StrOf(rs->Field("FName"));
  result.source = qor::StrOf(rs->Field("FSource"));
  result.keyColumn = qor::StrOf(rs->Field("FKeyColumn"));
  result.numberColumn = qor::StrOf(rs->Field("FNumberColumn"));
  result.orderBy = qor::StrOf(rs->Field("FOrderBy"));
  if (!IsIdentifier(result.source) || !IsIdentifier(result.keyColumn) ||
      !(result.orderBy.empty() || IsColumnOrder(result.orderBy))) {
    throw ScenarioError("the list template of " + window + " is not valid");
  }
  return result;
}

// ---- ListRows ----

void ListRows::Load(Database& db) {
  std::vector<qor::Variant> selectedKeys;
  for (size_t index : m_Selected) selectedKeys.push_back(KeyOf(index));

  std::string sql = "SELECT * FROM " + m_Template.source;
  if (!m_Template.orderBy.empty()) sql += " ORDER BY " + m_Template.orderBy;
  qor::RecordsetPtr rs = db.Query(sql);
  m_Columns = rs->Columns();
  m_Rows.clear();
  for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext()) {
    std::vector<qor::Variant> row;
    row.reserve(m_Columns.size());
    for (const std::string& column : m_Columns) row.push_back(rs->Field(column));
    m_Rows.push_back(std::move(row));
  }

  m_Selected.clear();
  for (size_t i = 0; i < m_Rows.size(); ++i) {
    for (const qor::Variant& key : selectedKeys) {
      if (qor::VarEquals(KeyOf(i), key)) {
        m_Selected.push_back(i);
        break;
      }
    }
  }
}

int ListRows::ColumnIndex(const std::string& column) const {
  for (size_t i = 0; i < m_Columns.size(); ++i) {
    if (qor::EqualsNoCase(m_Columns[i], column)) return static_cast<int>(i);
  }
  return -1;
}

void ListRows::Select(const std::vector<std::string>& numbers) {
  int numberColumn = ColumnIndex(m_Template.numberColumn);
  if (numberColumn < 0) throw ScenarioError(m_Template.window + " has no number column");
  std::vector<qor::Variant> keys;
  for (const std::string& number : numbers) {
    bool found = false;
    for (size_t i = 0; i < m_Rows.size(); ++i) {
      if (qor::StrOf(m_Rows[i][static_cast<size_t>(numberColumn)]) != number) continue;
      keys.push_back(KeyOf(i));
      found = true;
    }
    if (!found) throw ScenarioError("no line of " + number + " in the " + m_Template.window);
  }
  m_Selected.clear();
  for (size_t i = 0; i < m_Rows.size(); ++i) {
    for (const qor::Variant& key : keys) {
      if (qor::VarEquals(KeyOf(i), key)) {
        m_Selected.push_back(i);
        break;
      }
    }
  }
}

qor::Variant ListRows::Value(int32_t line, const std::string& column) const {
  if (line < 1 || line > Count()) {
    throw ScenarioError("the " + m_Template.window + " has no line " + std::to_string(line));
  }
  int index = ColumnIndex(column);
  if (index < 0) throw ScenarioError("the " + m_Template.window + " has no column " + column);
  return m_Rows[static_cast<size_t>(line - 1)][static_cast<size_t>(index)];
}

const qor::Variant& ListRows::KeyOf(size_t index) const {
  static const qor::Variant kNone;
  int keyColumn = ColumnIndex(m_Template.keyColumn);
  return keyColumn < 0 ? kNone : m_Rows[index][static_cast<size_t>(keyColumn)];
}

qor::HostDictionaryPtr ListRows::LineDictionary(size_t index) const {
  auto line = std::make_shared<qor::HostDictionary>();
  for (size_t i = 0; i < m_Columns.size(); ++i) line->SetItem(m_Columns[i], m_Rows[index][i]);
  return line;
}

// ---- ListWindow ----

ListWindow::ListWindow(Session& session, const std::string& kind, ListTemplate listTemplate,
                       int32_t showMode)
    : m_Session(session),
      m_Kind(kind),
      m_Rows(std::move(listTemplate)),
      m_ShowMode(showMode),
      m_Bar(BuildListToolbar(kind)),
      m_Recordset(std::make_shared<qor::Recordset>()),
      m_Events(std::make_shared<ListEventsObject>(*this)) {}

ListWindow::~ListWindow() {
  m_Events->Detach();
  try {
    m_Plugin.reset();
  } catch (...) {
    // A window dropped without closing has nobody to report to.
  }
}

void ListWindow::Open(const std::string& className) {
  m_LastError.reset();
  CallPlugin(*this, "", [&] { m_Plugin = CreatePlugin(className); });
  if (m_Plugin) ShowPlugin(*this, *m_Plugin, m_Events);
  CallPlugin(*this, "ListEvents.MenuBarInitialize(oMenuBar)", [&] {
    m_Events->Raise([&](qor::ListEventSink& sink) { sink.MenuBarInitialize(m_Bar); });
  });
  CallPlugin(*this, "ListEvents.BarInitialize(oActiveBar)", [&] {
    m_Events->Raise([&](qor::ListEventSink& sink) { sink.BarInitialize(m_Bar); });
  });
  LoadRows();
  RaiseAfterGetData();
}

void ListWindow::LoadRows() {
  m_Rows.Load(m_Session.Db());
  *m_Recordset = m_Rows.AsRecordset();
  MoveToCurrentLine();
}

void ListWindow::MoveToCurrentLine() {
  m_Recordset->MoveFirst();
  for (size_t i = 0; i < m_Rows.Current() && !m_Recordset->IsEOF(); ++i) m_Recordset->MoveNext();
}

qor::RecordsetPtr ListWindow::BillDetail(int32_t billId) {
  const ListTemplate& list = m_Rows.Template();
  std::string sql = "SELECT * FROM " + list.source + " WHERE " + list.keyColumn + " = ?";
  if (!list.orderBy.empty()) sql += " ORDER BY " + list.orderBy;
  return m_Session.Db().QueryParams(sql, {qor::Variant(billId)});
}

void ListWindow::LetMessage() {
  m_RefreshTold = true;
  m_Session.Run().Trace("  list: 列表已刷新");
}

void ListWindow::ShowCurrentLineBill(const qor::HostVectorPtr& fields) {
  std::string column = "FInterID";
  for (int32_t i = 1; fields && i <= fields->Count(); ++i) {
    auto field = std::dynamic_pointer_cast<qor::HostDictionary>(fields->Item(i).ObjectValue());
    if (field && qor::Val(field->Item("FISPrimary")) == 1) {
      column = qor::StrOf(field->Item("FColName"));
      break;
    }
  }
  if (m_Rows.Count() == 0) return;
  qor::Variant key = m_Rows.Value(static_cast<int32_t>(m_Rows.Current()) + 1, column);
  if (!qor::IsNumeric(key)) return;
  ShowBill(qor::CLng(key));
}

void ListWindow::RaiseAfterGetData() {
  CallPlugin(*this, "ListEvents.AfterGetData()",
             [&] { m_Events->Raise([](qor::ListEventSink& sink) { sink.AfterGetData(); }); });
}

void ListWindow::RefreshList() {
  LoadRows();
  RaiseAfterGetData();
}

void ListWindow::ShowBill(int32_t billId) {
  m_Session.Run().Shown().billShown = billId;
  m_Session.Run().Trace("  bill shown: " + std::to_string(billId));
}

qor::HostVectorPtr ListWindow::SelectedRows() const {
  auto rows = std::make_shared<qor::HostVector>();
  for (size_t index : m_Rows.Selected()) rows->Add(m_Rows.LineDictionary(index));
  return rows;
}

void ListWindow::SelectRows(const std::vector<std::string>& billNumbers) {
  m_LastError.reset();
  m_Rows.Select(billNumbers);
  MoveToCurrentLine();
}

void ListWindow::Click(const std::string& tool) {
  m_LastError.reset();
  m_LastClickCancelled.reset();
  m_RefreshTold = false;
  qor::ToolPtr pressed = ClickableTool(*m_Bar, tool);
  bool cancel = false;
  bool handled =
      CallPlugin(*this, "ListEvents.MenuBarClick(" + TraceArg(pressed->m_Name) + ", False)", [&] {
        m_Events->Raise([&](qor::ListEventSink& sink) { sink.MenuBarClick(pressed, cancel); });
      });
  m_LastClickCancelled = cancel;
  // A handler that failed stops the command as a cancel does.
  if (!handled || cancel) return;
  RunHostAction(pressed->m_Name);
}

void ListWindow::RunHostAction(const std::string& tool) {
  if (qor::EqualsNoCase(tool, "mnuFileRefresh")) {
    RefreshList();
  } else if (qor::EqualsNoCase(tool, "mnuFileView")) {
    ViewFirstSelected();
  }
}

void ListWindow::ViewFirstSelected() {
  if (m_Rows.Selected().empty()) return;
  const qor::Variant& key = m_Rows.KeyOf(m_Rows.Selected().front());
  if (!qor::IsNumeric(key)) return;
  ShowBill(qor::CLng(key));
}

void ListWindow::Close() {
  std::weak_ptr<qor::PluginClass> plugin = m_Plugin;
  CallPlugin(*this, "", [&] { m_Plugin.reset(); });
  // A handler object that holds its class keeps it alive through the list
  // object; dropping the subscribers ends that.
  if (!plugin.expired()) CallPlugin(*this, "", [&] { m_Events->DropSinks(); });
  m_Events->Detach();
}

qor::Variant ListWindow::FieldValue(const std::string& field, int32_t row) {
  return m_Rows.Value(row, field);
}

std::string ListWindow::FieldText(const std::string& field, int32_t row) {
  return qor::StrOf(m_Rows.Value(row, field));
}

int32_t ListWindow::RowCount() { return m_Rows.Count(); }

std::string ListWindow::StatusText(int32_t panel) {
  switch (panel) {
    case 0:
      return m_Rows.Template().name;
    case 1:
      return "共 " + std::to_string(m_Rows.Count()) + " 条记录";
    case 2:
      return "已选 " + std::to_string(m_Rows.Selected().size()) + " 条";
    case 3:
      return m_RefreshTold ? "列表已刷新" : "";
    default:
      return "";
  }
}

std::unique_ptr<Window> OpenListWindow(Session& session, const std::string& kind,
                                       int32_t showMode) {
  auto found = kListClasses.find(kind);
  if (found == kListClasses.end()) throw ScenarioError("unknown list window " + kind);
  auto window =
      std::make_unique<ListWindow>(session, kind, ListTemplate::Read(session.Db(), kind), showMode);
  window->Open(found->second);
  return window;
}

}  // namespace refhost
