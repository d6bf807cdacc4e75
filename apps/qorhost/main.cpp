// qorhost: runs scenario files against the reference host and the AR/AP
// plug-in library, and gives a guided tour of the product.

#include <iostream>
#include <string>
#include <vector>

#include "apps/qorhost/help_text.h"
#include "apps/qorhost/tour_files.h"
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
// The tour travels inside the program, so that it runs from any folder.
int Demo() {
  std::vector<refhost::scenario::FileToRun> files;
  for (const refhost::EmbeddedFile& tour : qorhost::TourFiles()) {
    const std::string shownAs = std::string("tour/").append(tour.name);
    files.push_back({shownAs, shownAs, std::string(tour.Text())});
  }
  if (files.empty()) {
    std::cerr << "qorhost demo: the program holds no tour\n";
    return 1;
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
