#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/vb_error.h"
#include "refhost/host_run.h"
#include "refhost/scenario/command.h"
#include "refhost/scenario/runner.h"

namespace refhost {
class Session;
class Window;
}  // namespace refhost

namespace refhost::scenario {

class DatabaseTemplates;

// A check that does not hold: what it wanted and what it found.
struct CheckFailed {
  std::string expected;
  std::string found;
};

// One scenario in progress: its database file, its host run (today,
// answers, message boxes, trace) and its client sessions, the current one
// first of all. Commands run one after the other; window actions and checks
// run on the current session's thread.
class ScenarioRun {
 public:
  ScenarioRun(DatabaseTemplates& templates, const std::string& dbPath, const RunOptions& options,
              std::ostream& out);
  ~ScenarioRun();
  ScenarioRun(const ScenarioRun&) = delete;
  ScenarioRun& operator=(const ScenarioRun&) = delete;

  // Runs one command. A check that fails throws CheckFailed; a scenario
  // error of the host throws ScenarioError; a run-time error nobody showed
  // throws qor::VbError.
  void Execute(const Command& command);

  // The first message box nobody checked off, with the line of the command
  // during which it was shown.
  struct Unchecked {
    int line = 0;
    MessageBoxRecord box;
  };
  std::optional<Unchecked> FirstUnchecked();

  // Ends every session (their windows close and their locks go).
  void EndSessions();

  HostRun& Run() { return m_Run; }

 private:
  // A client session and the outcome of its last window action.
  struct SessionEntry {
    std::string name;
    std::unique_ptr<Session> session;
    std::optional<qor::VbError> lastError;
  };

  SessionEntry& StartSession(const std::string& name);
  Session& Current() { return *m_Current->session; }
  // The current window of the current session; ScenarioError when none.
  Window& CurrentWindow();
  // Runs an action on the current window on the session's thread and keeps
  // the error it raised to the host.
  void Act(const std::function<void(Window&)>& action);
  // Runs work on the current session's thread.
  void OnSession(const std::function<void()>& work);

  // Setting up and windows.
  void ResetDatabase(bool empty);
  void RunSql(const std::string& statement);
  void SetProfile(const Command& command);
  void OpenWindow(const Command& command);
  void CloseWindow();
  void ExecuteAction(const Command& command);

  // Checks (checks.cpp).
  void Check(const Command& command);
  void CheckEditor(const Command& command);
  void CheckMessage(const Command& command, bool prefix);
  void CheckNoMessage();
  void CheckField(const Command& command);
  void CheckText(const Command& command);
  void CheckLocked(const Command& command, bool locked);
  void CheckRows(const Command& command);
  void CheckBand(const Command& command);
  void CheckTool(const Command& command);
  void CheckOutcome(const Command& command);
  void CheckError(const Command& command);
  void CheckStatus(const Command& command);
  void CheckSql(const Command& command);
  void CheckOffered(const Command& command, bool offered);
  void CheckShown(const Command& command);
  // checks_editor.cpp
  void CheckModified(const Command& command, bool modified);
  void CheckColumn(const Command& command);
  void CheckDecimals(const Command& command);
  void CheckActive(const Command& command);
  void CheckOfferedOrder(const Command& command);
  // The record of the command's kind that the check reads: what was shown
  // since the last check of that kind, else what that check read. The
  // host's record is then taken (an `expect ... none` reads it empty).
  ShownRecords TakeShown(CommandKind kind);
  void CheckNothingShown(const Command& command);

  DatabaseTemplates& m_Templates;
  std::string m_DbPath;
  HostRun m_Run;
  std::vector<std::unique_ptr<SessionEntry>> m_Sessions;  // in order of creation
  SessionEntry* m_Current = nullptr;
  int32_t m_NextProcessId = 1000;
  // For every message box, the line of the command that showed it.
  std::vector<int> m_MessageLines;
  // What the last expect help/voucher/display/bill-shown/related read.
  ShownRecords m_CheckedShown;
};

// "run-time error 13: Type mismatch"
std::string DescribeError(const qor::VbError& error);
// "\"text\" buttons=16 title=\"...\""
std::string DescribeMessage(const MessageBoxRecord& box);

}  // namespace refhost::scenario
