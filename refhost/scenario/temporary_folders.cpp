#include "refhost/scenario/temporary_folders.h"

#include <dirent.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>

namespace refhost::scenario {

namespace {

constexpr size_t kMostFolders = 8;
constexpr size_t kLongestPath = 1024;

// Fixed storage: a signal handler may read it without allocating. An empty
// first byte is a free slot.
std::array<std::array<char, kLongestPath>, kMostFolders> gFolders{};

void RemoveFolder(const char* folder) noexcept {
  if (DIR* dir = opendir(folder)) {
    char path[kLongestPath * 2];
    while (dirent* entry = readdir(dir)) {
      if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
      size_t length = std::strlen(folder);
      size_t nameLength = std::strlen(entry->d_name);
      if (length + nameLength + 2 > sizeof path) continue;
      std::memcpy(path, folder, length);
      path[length] = '/';
      std::memcpy(path + length + 1, entry->d_name, nameLength + 1);
      unlink(path);
    }
    closedir(dir);
  }
  rmdir(folder);
}

extern "C" void OnFatalSignal(int signal) {
  RemoveTemporaryFolders();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

bool RegisterTemporaryFolder(const std::string& folder) noexcept {
  if (folder.size() >= kLongestPath) return false;
  for (auto& slot : gFolders) {
    if (slot[0] != '\0') continue;
    std::memcpy(slot.data(), folder.c_str(), folder.size() + 1);
    return true;
  }
  return false;
}

void UnregisterTemporaryFolder(const std::string& folder) noexcept {
  for (auto& slot : gFolders) {
    if (folder == slot.data()) slot[0] = '\0';
  }
}

void RemoveTemporaryFolders() noexcept {
  for (auto& slot : gFolders) {
    if (slot[0] != '\0') RemoveFolder(slot.data());
  }
}

void RemoveTemporaryFoldersOnSignals() {
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(signal, OnFatalSignal);
}

}  // namespace refhost::scenario
