#include "lists/switch_connection.h"

#include "host/platform.h"

namespace qorarap {

namespace {

constexpr const char* kSwitchCandidates[] = {"ErpSwitch.sss", "erpSystem/ErpSwitch.sss"};

}  // namespace

// The host's platform offers no file-database provider to try the
// connection with, so the first provider's text is given for the file found.
std::string GetLocalSwitchConnection() {
  qor::Platform& platform = qor::CurrentPlatform();
  for (const char* candidate : kSwitchCandidates) {
    if (platform.Dir(candidate).empty()) continue;
    return std::string("PROVIDER=Microsoft.Jet.OLEDB.3.51;Data Source=") + candidate + ";";
  }
  return "";
}

}  // namespace qorarap
