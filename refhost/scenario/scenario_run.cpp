#include "refhost/scenario/scenario_run.h"

#include <algorithm>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/framework/window_factory.h"
#include "refhost/scenario/database_templates.h"
#include "refhost/session.h"

namespace refhost::scenario {

namespace {

constexpr const char* kMainSession = "main";
// The date the host reports until a scenario sets one: in the demo
// company's current period.
constexpr int kDefaultYear = 2026;
constexpr int kDefaultMonth = 12;
constexpr int kDefaultDay = 15;

}  // namespace

std::string DescribeError(const qor::VbError& error) {
  return "run-time error " + std::to_string(error.Number()) + ": " + error.Description();
}

std::string DescribeMessage(const MessageBoxRecord& box) {
  return "\"" + box.text + "\" buttons=" + std::to_string(box.buttons) + " title=\"" + box.title +
         "\"";
}

ScenarioRun::ScenarioRun(DatabaseTemplates& templates, const std::string& dbPath,
                         const RunOptions& options, std::ostream& out)
    : m_Templates(templates), m_DbPath(dbPath), m_Run(dbPath) {
  m_Run.SetToday(qor::DateSerial(kDefaultYear, kDefaultMonth, kDefaultDay));
  if (options.trace) {
    bool hideSql = options.hideSql;
    m_Run.SetTraceSink([&out, hideSql](const std::string& line) {
      if (hideSql && line.find_first_not_of(' ') == line.find("sql:")) return;
      out << "  " << line << '\n';
    });
  }
  m_Current = &StartSession(kMainSession);
}

ScenarioRun::~ScenarioRun() { EndSessions(); }

void ScenarioRun::EndSessions() {
  m_Current = nullptr;
  // Latest first: a later session may hold what an earlier one waits for.
  while (!m_Sessions.empty()) m_Sessions.pop_back();
}

ScenarioRun::SessionEntry& ScenarioRun::StartSession(const std::string& name) {
  auto entry = std::make_unique<SessionEntry>();
  entry->name = name;
  entry->session = std::make_unique<Session>(m_Run, name, m_NextProcessId++);
  m_Sessions.push_back(std::move(entry));
  return *m_Sessions.back();
}

void ScenarioRun::OnSession(const std::function<void()>& work) { Current().Invoke(work); }

Window& ScenarioRun::CurrentWindow() {
  Window* window = Current().Current();
  if (!window) throw ScenarioError("no window is open in session " + m_Current->name);
  return *window;
}

void ScenarioRun::Act(const std::function<void(Window&)>& action) {
  Session& session = Current();
  Window& window = CurrentWindow();
  m_Current->lastError.reset();
  session.Invoke([&] {
    action(window);
    // The window may have closed itself; then its outcome went with it.
    const auto& open = session.Windows();
    bool stillOpen = std::any_of(open.begin(), open.end(), [&](const std::unique_ptr<Window>& w) {
      return w.get() == &window;
    });
    if (stillOpen) m_Current->lastError = window.m_LastError;
  });
}

std::optional<ScenarioRun::Unchecked> ScenarioRun::FirstUnchecked() {
  const auto& boxes = m_Run.Messages();
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (!boxes[i].checked)
      return Unchecked{i < m_MessageLines.size() ? m_MessageLines[i] : 0, boxes[i]};
  }
  return std::nullopt;
}

void ScenarioRun::Execute(const Command& command) {
  struct LineBoxes {
    ScenarioRun& run;
    int line;
    ~LineBoxes() { run.m_MessageLines.resize(run.m_Run.Messages().size(), line); }
  } lineBoxes{*this, command.line};

  switch (command.kind) {
    case CommandKind::Database:
      ResetDatabase(command.emptyDatabase);
      return;
    case CommandKind::Sql:
      RunSql(command.name);
      return;
    case CommandKind::Profile:
      SetProfile(command);
      return;
    case CommandKind::Login:
      Current().Login(command.number);
      return;
    case CommandKind::Session: {
      auto found = std::find_if(m_Sessions.begin(), m_Sessions.end(),
                                [&](const auto& entry) { return entry->name == command.name; });
      m_Current = found != m_Sessions.end() ? found->get() : &StartSession(command.name);
      return;
    }
    case CommandKind::Today:
      m_Run.SetToday(command.date);
      return;
    case CommandKind::Open:
      OpenWindow(command);
      return;
    case CommandKind::Close:
      CloseWindow();
      return;
    case CommandKind::Answer:
      for (int32_t answer : command.answers) m_Run.QueueAnswer(answer);
      return;
    default:
      ExecuteAction(command);
      return;
  }
}

// A user's action on the current window; anything else is a check.
void ScenarioRun::ExecuteAction(const Command& command) {
  switch (command.kind) {
    case CommandKind::Set:
      Act([&](Window& w) {
        w.SetField(command.field.name, command.field.row, command.value.text);
      });
      return;
    case CommandKind::AddRow:
      Act([](Window& w) { w.AddRow(); });
      return;
    case CommandKind::DeleteRow:
      Act([&](Window& w) { w.DeleteRow(command.number); });
      return;
    case CommandKind::Click:
      Act([&](Window& w) { w.Click(command.name); });
      return;
    case CommandKind::Press:
      Act([&](Window& w) { w.Press(command.name); });
      return;
    case CommandKind::Select:
      Act([&](Window& w) { w.Select(command.name, command.picks); });
      return;
    case CommandKind::Rows:
      Act([&](Window& w) { w.SelectRows(command.names); });
      return;
    case CommandKind::TreeGroup:
      Act([&](Window& w) { w.TreeGroup(command.number); });
      return;
    case CommandKind::TreeItem:
      Act([&](Window& w) { w.TreeItem(command.number); });
      return;
    case CommandKind::Focus:
      Act([&](Window& w) { w.Focus(command.name); });
      return;
    default:
      Check(command);
      return;
  }
}

void ScenarioRun::ResetDatabase(bool empty) {
  // Every process ends before the file is replaced under it.
  EndSessions();
  m_NextProcessId = 1000;
  m_Templates.Reset(m_DbPath, empty);
  m_Current = &StartSession(kMainSession);
}

void ScenarioRun::RunSql(const std::string& statement) {
  OnSession([&] { Current().Db().Execute(statement); });
}

void ScenarioRun::SetProfile(const Command& command) {
  OnSession([&] {
    Database& db = Current().Db();
    int changed =
        db.ExecuteParams("UPDATE t_SystemProfile SET FValue = ? WHERE FCategory = ? AND FKey = ?",
                         {command.value.text, command.name, command.key});
    if (changed > 0) return;
    db.ExecuteParams("INSERT INTO t_SystemProfile (FCategory, FKey, FValue) VALUES (?, ?, ?)",
                     {command.name, command.key, command.value.text});
  });
}

void ScenarioRun::OpenWindow(const Command& command) {
  Session& session = Current();
  std::unique_ptr<Window> window;
  m_Current->lastError.reset();
  session.Invoke([&] {
    int32_t billId = command.billId;
    if (command.target == OpenTarget::ByNumber) {
      billId = FindBillId(session, command.name, command.billNo);
    }
    window = refhost::OpenWindow(session, command.name, command.editMode, billId);
  });
  if (!window) throw ScenarioError("the host opened no " + command.name + " window");
  m_Current->lastError = window->m_LastError;
  session.Open(std::move(window));
}

void ScenarioRun::CloseWindow() {
  m_Current->lastError.reset();
  // What the terminate step raised is the close's error (`expect error`).
  m_Current->lastError = Current().CloseCurrent();
}

}  // namespace refhost::scenario
