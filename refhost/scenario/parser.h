#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "refhost/scenario/command.h"

namespace refhost::scenario {

// The windows a scenario may open by name.
bool IsBillWindowName(std::string_view name);
bool IsViewWindowName(std::string_view name);

// Reads one command line; ParseError (with the line) for an unknown
// command, a wrong number of arguments or a malformed argument.
Command ParseCommand(const SourceLine& line);

// Reads a whole file. A bad line fails only the scenario holding it; a
// command before the first `scenario` line, or a file without scenarios,
// is an error of the file.
ScenarioFile ParseScenarioText(std::string_view text, std::string path);
ScenarioFile ReadScenarioFile(const std::string& path);

}  // namespace refhost::scenario
