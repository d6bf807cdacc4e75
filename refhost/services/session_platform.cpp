#include "refhost/services/session_platform.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/vb.h"
#include "refhost/services/component_registry.h"
#include "refhost/session.h"

namespace refhost {

namespace fs = std::filesystem;

namespace {

constexpr int32_t kAttrReadOnly = 1;
constexpr int32_t kAttrDirectory = 16;
constexpr int32_t kAttrArchive = 32;
constexpr int32_t kErrFileNotFound = 53;

// "*" and "?" of a file pattern against one name, without regard to case.
bool MatchesPattern(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesPattern(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  bool same = pattern.front() == '?' || qor::EqualsNoCase(pattern.substr(0, 1), name.substr(0, 1));
  return same && MatchesPattern(pattern.substr(1), name.substr(1));
}

}  // namespace

double HostClock(const HostRun& run) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  double dayPart = (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec) / 86400.0;
  return run.Today() + dayPart;
}

qor::ObjectPtr SessionPlatform::CreateObject(const std::string& progId) {
  if (m_Session.Run().Tracing()) m_Session.Run().Trace("  create: " + progId);
  return ComponentRegistry::Global().Create(progId);
}

int32_t SessionPlatform::MsgBox(const std::string& text, int32_t buttons,
                                const std::string& title) {
  return m_Session.Run().ShowMessageBox(text, buttons, title, m_Session.Name());
}

std::string SessionPlatform::ComputerName() { return m_Session.MachineName(); }

int32_t SessionPlatform::ProcessId() { return m_Session.ProcessId(); }

void SessionPlatform::StartHelpViewer(const std::string& file, const std::string& topic) {
  ShownRecords& shown = m_Session.Run().Shown();
  shown.helpFile = file;
  shown.helpTopic = topic;
  m_Session.Run().Trace("  help: " + file + (topic.empty() ? "" : " " + topic));
}

std::string SessionPlatform::Dir(const std::string& path) {
  fs::path full(path);
  std::error_code error;
  std::string pattern = full.filename().string();
  bool wild = pattern.find_first_of("*?") != std::string::npos;
  if (!wild) return fs::is_regular_file(full, error) ? pattern : "";
  fs::path folder = full.has_parent_path() ? full.parent_path() : fs::path(".");
  fs::directory_iterator it(folder, error);
  if (error) return "";
  // The first match in name order, so that the answer does not depend on the folder's order.
  std::string first;
  for (const auto& entry : it) {
    std::string name = entry.path().filename().string();
    if (!entry.is_regular_file(error) || !MatchesPattern(pattern, name)) continue;
    if (first.empty() || name < first) first = name;
  }
  return first;
}

int32_t SessionPlatform::GetAttr(const std::string& path) {
  std::error_code error;
  fs::file_status status = fs::status(path, error);
  if (error || !fs::exists(status)) qor::RaiseError(kErrFileNotFound, "GetAttr");
  if (fs::is_directory(status)) return kAttrDirectory;
  bool writable = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
  return kAttrArchive | (writable ? 0 : kAttrReadOnly);
}

double SessionPlatform::Now() { return m_Session.Run().Today(); }

}  // namespace refhost
