#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/variant.h"

namespace refhost {

class ComponentRegistry;
class Session;

// Network function locks of one session over the lock table t_FuncLock. A
// lock marks that a user runs a function (a function code such as "AR0224")
// on a record (the key); the holder is the session: its process id and
// name.
class FunctionLocks {
 public:
  explicit FunctionLocks(Session& session) : m_Session(session) {}

  // The new lock's handle (its FTaskID), or 0 when another session holds the
  // same function code on the same record, or on any record when either lock
  // has no key. The same session may take the same lock again and then holds
  // two handles.
  int32_t Take(int32_t funcType, const std::string& funcCode, const std::string& machineName,
               const std::optional<qor::Variant>& key);
  // Releases the lock when this session holds it; false otherwise.
  bool Release(int32_t handle);
  // The handles the session's user holds in this session for the code and key.
  // The user's locks on the record in this process (userId 0: the user
  // logged in now).
  std::vector<int32_t> Held(const std::string& funcCode, const std::string& key,
                            int32_t userId = 0);
  // Releases several handles in one transaction; true when each was held.
  bool ReleaseAll(const std::vector<int32_t>& handles);

 private:
  bool ReleaseOne(int32_t handle);
  Session& m_Session;
};

// The login object of the session's current user ("QORLogin").
qor::ObjectPtr MakeLoginObject(Session& session);

// Releases every function lock the session still holds (when it ends).
void ReleaseSessionLocks(Session& session);

// "QORNetControl.Mutex".
void RegisterNetControl(ComponentRegistry& registry);

}  // namespace refhost
