#pragma once

#include <string>

#include "host/platform.h"

namespace refhost {

class HostRun;
class Session;

// The host's date with the machine's time of day: the clock of the session's
// connection (GETDATE()) and of the times the services stamp on rows.
double HostClock(const HostRun& run);

// What the operating system and the product give the library on one client
// session's thread: object creation through the host's component registry,
// message boxes recorded by the host run, the session's machine name and
// process id, the help viewer, file lookups and the host's date.
class SessionPlatform : public qor::Platform {
 public:
  explicit SessionPlatform(Session& session) : m_Session(session) {}

  qor::ObjectPtr CreateObject(const std::string& progId) override;
  int32_t MsgBox(const std::string& text, int32_t buttons, const std::string& title) override;
  std::string ComputerName() override;
  int32_t ProcessId() override;
  void StartHelpViewer(const std::string& file, const std::string& topic) override;
  std::string Dir(const std::string& path) override;
  int32_t GetAttr(const std::string& path) override;
  double Now() override;

 private:
  Session& m_Session;
};

}  // namespace refhost
