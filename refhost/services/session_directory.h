#pragma once

#include <cstdint>

#include "core/object.h"

namespace refhost {

class Session;

// The host's process table: which client session runs under which process
// id, with what each session's login keeps for the services (the login
// object, the count of currency refreshes of its ledger view). Shared by
// every thread, so guarded by a mutex.
class SessionDirectory {
 public:
  // A process id already taken is handed to the newer session.
  static void Add(Session& session);
  // Only the session that holds the id removes it.
  static void Remove(const Session& session);
  // nullptr when no session runs under the process id.
  static Session* Find(int32_t processId);

  static void SetLogin(const Session& session, qor::ObjectPtr login);
  // The login object of the process (nullptr when none).
  static qor::ObjectPtr Login(int32_t processId);

  static void CountCurrencyRefresh(int32_t processId);
  static int32_t CurrencyRefreshes(int32_t processId);
};

}  // namespace refhost
