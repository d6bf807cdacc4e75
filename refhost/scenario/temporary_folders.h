#pragma once

#include <string>

// The private temporary folders of a run (the scenario databases), removed
// also when the program is interrupted or its output pipe closes.
namespace refhost::scenario {

// Keeps the folder in the list the signal handlers remove; false when the
// list is full (the folder is then removed only by its owner).
bool RegisterTemporaryFolder(const std::string& folder) noexcept;
void UnregisterTemporaryFolder(const std::string& folder) noexcept;

// Removes every registered folder and the files in it (only low-level calls:
// it runs from a signal handler).
void RemoveTemporaryFolders() noexcept;

// On SIGINT, SIGTERM, SIGHUP and SIGPIPE: remove the folders, then die of
// the signal as before (the exit status still tells which signal).
void RemoveTemporaryFoldersOnSignals();

}  // namespace refhost::scenario
