#include "refhost/scenario/runner.h"

#include "core/vb.h"
#include "refhost/scenario/database_templates.h"
#include "refhost/scenario/parser.h"
#include "refhost/scenario/scenario_run.h"

namespace refhost::scenario {

namespace {

ScenarioResult Failed(const std::string& file, const std::string& scenario, int line,
                      std::string expected, std::string found) {
  return ScenarioResult{file, scenario, false, line, std::move(expected), std::move(found)};
}

// The line of a command and the comments that explain it, as the trace and
// the tour show them.
void Echo(std::ostream& out, const Command& command, const RunOptions& options) {
  if (options.explain) {
    for (const std::string& comment : command.comments) out << "  # " << comment << '\n';
  }
  out << "  " << command.line << ": " << command.text << '\n';
}

}  // namespace

std::string ShortenCommand(const std::string& text, size_t limit) {
  std::string cut = qor::LeftChars(text, limit);
  return cut.size() < text.size() ? cut + "..." : text;
}

Runner::Runner(std::ostream& out, RunOptions options)
    : m_Out(out), m_Options(options), m_Templates(std::make_unique<DatabaseTemplates>()) {}

Runner::~Runner() = default;

int Runner::RunFiles(const std::vector<FileToRun>& files) {
  for (const FileToRun& toRun : files) {
    ScenarioFile file =
        toRun.text ? ParseScenarioText(*toRun.text, toRun.path) : ReadScenarioFile(toRun.path);
    file.path = toRun.shownAs;
    if (file.error) {
      Report(Failed(file.path, "(file)", file.error->Line(), file.error->Expected(),
                    file.error->Found()));
      continue;
    }
    for (const Scenario& scenario : file.scenarios) Report(RunScenario(file, scenario));
  }
  m_Out << m_Passed << " passed, " << m_Failed << " failed" << std::endl;
  return m_Failed;
}

ScenarioResult Runner::RunScenario(const ScenarioFile& file, const Scenario& scenario) {
  if (scenario.error) {
    return Failed(file.path, scenario.name, scenario.error->Line(), scenario.error->Expected(),
                  scenario.error->Found());
  }
  if (m_Options.trace) {
    m_Out << "\nscenario " << scenario.name << " (" << file.path << ")\n";
    if (m_Options.explain) {
      for (const std::string& comment : scenario.comments) {
        m_Out << (comment.empty() ? "#" : "# " + comment) << '\n';
      }
    }
  }
  std::string dbPath;
  const Command* current = nullptr;
  auto failedAt = [&](std::string found) {
    int line = current ? current->line : scenario.line;
    std::string doing =
        ShortenCommand(current ? current->text : "scenario " + scenario.name, kShownCommandLength);
    return Failed(file.path, scenario.name, line, doing, std::move(found));
  };
  ScenarioResult result;
  try {
    dbPath = m_Templates->NewScenarioFile();
    result = RunCommands(file, scenario, dbPath, current);
  } catch (const CheckFailed& failure) {
    result = Failed(file.path, scenario.name, current ? current->line : scenario.line,
                    failure.expected, failure.found);
  } catch (const ScenarioError& error) {
    result = failedAt(error.what());
  } catch (const qor::VbError& error) {
    result = failedAt(DescribeError(error));
  } catch (const std::exception& error) {
    result = failedAt(std::string("failure: ") + error.what());
  }
  if (!dbPath.empty()) DatabaseTemplates::Remove(dbPath);
  return result;
}

ScenarioResult Runner::RunCommands(const ScenarioFile& file, const Scenario& scenario,
                                   const std::string& dbPath, const Command*& current) {
  // The run ends (its sessions close) before anything leaves this function.
  ScenarioRun run(*m_Templates, dbPath, m_Options, m_Out);
  for (const Command& command : scenario.commands) {
    current = &command;
    if (m_Options.trace) Echo(m_Out, command, m_Options);
    run.Execute(command);
  }
  if (auto box = run.FirstUnchecked()) {
    return Failed(file.path, scenario.name, box->line, "every message box checked off",
                  "message " + DescribeMessage(box->box));
  }
  return ScenarioResult{file.path, scenario.name, true, 0, "", ""};
}

void Runner::Report(const ScenarioResult& result) {
  if (result.passed) {
    ++m_Passed;
    m_Out << "PASS " << result.file << ": " << result.scenario << std::endl;
    return;
  }
  ++m_Failed;
  m_Out << "FAIL " << result.file << ": " << result.scenario << ": line " << result.line << ": "
        << result.expected << " / " << result.found << std::endl;
}

}  // namespace refhost::scenario
