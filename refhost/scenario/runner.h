#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "refhost/scenario/command.h"

namespace refhost::scenario {

class DatabaseTemplates;

struct RunOptions {
  // Print the commands and, indented, what the host did: events, message
  // boxes, answers, SQL.
  bool trace = false;
  // Print the comments above each command as its explanation (the tour).
  bool explain = false;
  // Leave the SQL statements out of the trace (the tour's transcript).
  bool hideSql = false;
};

// A scenario file to run and the name it is reported under; its text when the program
// carries it (the tour) instead of reading it from path.
struct FileToRun {
  std::string path;
  std::string shownAs;
  std::optional<std::string> text = std::nullopt;
};

struct ScenarioResult {
  std::string file;
  std::string scenario;
  bool passed = false;
  int line = 0;
  std::string expected;
  std::string found;
};

// A command as a FAIL line shows it: at most limit characters, then "...".
constexpr size_t kShownCommandLength = 72;
std::string ShortenCommand(const std::string& text, size_t limit);

// Runs scenario files and reports each scenario, then the totals.
class Runner {
 public:
  Runner(std::ostream& out, RunOptions options);
  ~Runner();
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Prints "PASS <file>: <scenario>" / "FAIL <file>: <scenario>: line <n>:
  // <expected> / <found>" per scenario and last "N passed, M failed".
  // Returns the number of failed scenarios.
  int RunFiles(const std::vector<FileToRun>& files);

  // Runs one parsed scenario from a fresh database.
  ScenarioResult RunScenario(const ScenarioFile& file, const Scenario& scenario);

 private:
  void Report(const ScenarioResult& result);
  // Runs the commands; current follows the command being run.
  ScenarioResult RunCommands(const ScenarioFile& file, const Scenario& scenario,
                             const std::string& dbPath, const Command*& current);

  std::ostream& m_Out;
  RunOptions m_Options;
  std::unique_ptr<DatabaseTemplates> m_Templates;
  int m_Passed = 0;
  int m_Failed = 0;
};

}  // namespace refhost::scenario
