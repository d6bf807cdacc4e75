#include "refhost/services/component_registry.h"

#include "core/vb.h"

namespace refhost {

ComponentRegistry& ComponentRegistry::Global() {
  static ComponentRegistry registry;
  return registry;
}

void ComponentRegistry::Register(const std::string& progId, Factory factory) {
  std::lock_guard lock(m_Mutex);
  m_Factories[qor::UCase(progId)] = {progId, std::move(factory)};
}

bool ComponentRegistry::Has(const std::string& progId) const {
  std::lock_guard lock(m_Mutex);
  return m_Factories.count(qor::UCase(progId)) > 0;
}

qor::ObjectPtr ComponentRegistry::Create(const std::string& progId) const {
  Factory factory;
  {
    std::lock_guard lock(m_Mutex);
    auto it = m_Factories.find(qor::UCase(progId));
    if (it != m_Factories.end()) factory = it->second.second;
  }
  // The factory runs outside the lock: a component may create others.
  qor::ObjectPtr object = factory ? factory() : nullptr;
  if (!object) qor::RaiseError(qor::kErrCannotCreate, progId);
  return object;
}

std::vector<std::string> ComponentRegistry::Identifiers() const {
  std::lock_guard lock(m_Mutex);
  std::vector<std::string> ids;
  ids.reserve(m_Factories.size());
  for (const auto& [key, entry] : m_Factories) ids.push_back(entry.first);
  return ids;
}

}  // namespace refhost
