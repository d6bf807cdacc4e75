#include "host/platform.h"

namespace qor {

namespace {
thread_local std::shared_ptr<Platform> tPlatform;
}

void InstallPlatform(std::shared_ptr<Platform> platform) { tPlatform = std::move(platform); }

bool HasPlatform() { return static_cast<bool>(tPlatform); }

Platform& CurrentPlatform() {
  if (!tPlatform) RaiseError(kErrCannotCreate, "Platform", "No host platform on this thread");
  return *tPlatform;
}

ObjectPtr CreateObject(const std::string& progId) {
  auto object = CurrentPlatform().CreateObject(progId);
  if (!object) RaiseError(kErrCannotCreate, progId);
  return object;
}

ObjectPtr ObjectFactory::CreateObject(const std::string& progId, const std::string& /*server*/) {
  return qor::CreateObject(progId);
}

ObjectFactory& HostObjectFactory() {
  thread_local auto factory = std::make_shared<ObjectFactory>();
  return *factory;
}

}  // namespace qor
