#include "refhost/scenario/temporary_folders.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "refhost/scenario/database_templates.h"

namespace refhost::scenario {
namespace {

namespace fs = std::filesystem;

TEST(TemporaryFolders, AFolderAndItsFilesAreRemovedOnRequest) {
  fs::path folder = fs::temp_directory_path() / ("qor-tmpfolders-" + std::to_string(getpid()));
  fs::create_directory(folder);
  std::ofstream(folder / "scenario-1.db") << "x";
  std::ofstream(folder / "scenario-1.db-wal") << "x";
  ASSERT_TRUE(RegisterTemporaryFolder(folder.string()));
  RemoveTemporaryFolders();
  EXPECT_FALSE(fs::exists(folder));
  UnregisterTemporaryFolder(folder.string());
}

// A child process holding the scenario databases dies of each signal: its
// folder goes with it, and it still dies of that signal.
TEST(TemporaryFolders, TheDatabasesGoWhenTheProgramIsInterruptedOrItsPipeCloses) {
  for (int signal : {SIGINT, SIGTERM, SIGPIPE}) {
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(channel[0]);
      RemoveTemporaryFoldersOnSignals();
      DatabaseTemplates templates;
      std::string file = templates.NewScenarioFile();
      std::string folder = fs::path(file).parent_path().string() + "\n";
      if (write(channel[1], folder.data(), folder.size()) < 0) _exit(3);
      std::raise(signal);
      _exit(4);  // not reached: the signal ends the process
    }
    close(channel[1]);
    char buffer[1024] = {};
    ssize_t length = read(channel[0], buffer, sizeof buffer - 1);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_GT(length, 1);
    std::string folder(buffer, static_cast<size_t>(length) - 1);
    EXPECT_TRUE(WIFSIGNALED(status)) << signal;
    if (WIFSIGNALED(status)) {
      EXPECT_EQ(WTERMSIG(status), signal);
    }
    EXPECT_FALSE(fs::exists(folder)) << folder;
  }
}

}  // namespace
}  // namespace refhost::scenario
