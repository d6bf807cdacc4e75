#pragma once

// The host's components and the library's plug-in classes, registered in the
// host's component registry as the reference host does at start.

#include <functional>
#include <string>

#include "plugin/registration.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/host_services.h"

namespace unit_test {

inline void RegisterHostAndPluginClasses() {
  refhost::RegisterHostServices();
  qorarap::RegisterPluginClasses(
      [](const std::string& progId, std::function<qor::ObjectPtr()> factory) {
        refhost::ComponentRegistry::Global().Register(progId, std::move(factory));
      });
}

// The same, done once per test program.
inline void RegisterHostAndPluginClassesOnce() {
  static bool done = (RegisterHostAndPluginClasses(), true);
  (void)done;
}

}  // namespace unit_test
