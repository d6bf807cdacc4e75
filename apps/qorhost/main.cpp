// qorhost: runs scenario files against the reference host and the AR/AP
// plug-in library, and gives a guided tour of the product.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "apps/qorhost/help_text.h"
#include "plugin/registration.h"
#include "refhost/scenario/runner.h"
#include "refhost/scenario/temporary_folders.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/host_services.h"

namespace {

constexpr int kUsageError = 2;

// The host's service components, then the library's eight classes.
void RegisterComponents() {
  refhost::RegisterHostServices();
  qorarap::RegisterPluginClasses(
      [](const std::string& progId, std::function<qor::ObjectPtr()> factory) {
        refhost::ComponentRegistry::Global().Register(progId, std::move(factory));
      });
}

int Run(const std::vector<std::string>& args) {
  refhost::scenario::RunOptions options;
  std::vector<refhost::scenario::FileToRun> files;
  for (const std::string& arg : args) {
    if (arg == "--trace") {
      options.trace = true;
    } else if (arg.starts_with("--")) {
      std::cerr << "qorhost run: unknown option " << arg << "\n" << qorhost::kUsage;
      return kUsageError;
    } else {
      files.push_back({arg, arg});
    }
  }
  if (files.empty()) {
    std::cerr << "qorhost run: no scenario file given\n" << qorhost::kUsage;
    return kUsageError;
  }
  RegisterComponents();
  refhost::scenario::Runner runner(std::cout, options);
  return runner.RunFiles(files) == 0 ? 0 : 1;
}

// The tour: every scenario file shipped with the program, in name order,
// with the explanations and what the host does (without the SQL, which
// `run --trace` on the tour files shows).
int Demo() {
  namespace fs = std::filesystem;
  fs::path folder = QOR_TOUR_DIR;
  std::vector<fs::path> paths;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".scn") paths.push_back(entry.path());
  }
  if (error || paths.empty()) {
    std::cerr << "qorhost demo: no tour found in " << folder.string() << "\n";
    return 1;
  }
  std::sort(paths.begin(), paths.end());
  std::vector<refhost::scenario::FileToRun> files;
  for (const fs::path& path : paths) {
    files.push_back({path.string(), "tour/" + path.filename().string()});
  }
  std::cout << qorhost::kTourIntro;
  RegisterComponents();
  refhost::scenario::Runner runner(std::cout, {.trace = true, .explain = true, .hideSql = true});
  return runner.RunFiles(files) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Interrupted, or the output pipe closed: the scenario databases go too.
  refhost::scenario::RemoveTemporaryFoldersOnSignals();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << qorhost::kUsage;
    return kUsageError;
  }
  std::string command = args.front();
  args.erase(args.begin());
  try {
    if (command == "run") return Run(args);
    if (command == "demo" && args.empty()) return Demo();
    if ((command == "help" || command == "--help" || command == "-h") && args.empty()) {
      std::cout << qorhost::kUsage << '\n' << qorhost::kLanguageHelp;
      return 0;
    }
  } catch (const std::exception& failure) {
    std::cerr << "qorhost: " << failure.what() << '\n';
    return 1;
  }
  bool known = command == "run" || command == "demo" || command == "help" || command == "--help" ||
               command == "-h";
  if (known) {
    std::cerr << "qorhost " << command << ": takes no arguments\n" << qorhost::kUsage;
  } else {
    std::cerr << "qorhost: unknown command \"" << command << "\"\n" << qorhost::kUsage;
  }
  return kUsageError;
}
