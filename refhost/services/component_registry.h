#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "core/object.h"

namespace refhost {

// The component registry of the host: identifier -> factory. Filled at
// start-up (the host's services, then the plug-in library's classes); the
// platform of every session creates objects through it. Identifiers are
// compared without regard to case.
class ComponentRegistry {
 public:
  using Factory = std::function<qor::ObjectPtr()>;

  static ComponentRegistry& Global();

  void Register(const std::string& progId, Factory factory);
  bool Has(const std::string& progId) const;
  // Error 429 when nobody registered the identifier.
  qor::ObjectPtr Create(const std::string& progId) const;
  std::vector<std::string> Identifiers() const;

 private:
  mutable std::mutex m_Mutex;
  std::map<std::string, std::pair<std::string, Factory>> m_Factories;  // by upper-case id
};

}  // namespace refhost
