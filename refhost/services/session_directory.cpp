#include "refhost/services/session_directory.h"

#include <map>
#include <mutex>

#include "refhost/session.h"

namespace refhost {

namespace {

struct Entry {
  Session* session = nullptr;
  qor::ObjectPtr login;
  int32_t currencyRefreshes = 0;
};

std::mutex& DirectoryMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<int32_t, Entry>& Entries() {
  static std::map<int32_t, Entry> entries;
  return entries;
}

Entry* FindOwned(const Session& session) {
  auto it = Entries().find(session.ProcessId());
  if (it == Entries().end() || it->second.session != &session) return nullptr;
  return &it->second;
}

}  // namespace

void SessionDirectory::Add(Session& session) {
  std::lock_guard lock(DirectoryMutex());
  Entries()[session.ProcessId()] = Entry{&session, nullptr, 0};
}

void SessionDirectory::Remove(const Session& session) {
  qor::ObjectPtr login;  // released outside the lock
  std::lock_guard lock(DirectoryMutex());
  if (Entry* entry = FindOwned(session)) {
    login = std::move(entry->login);
    Entries().erase(session.ProcessId());
  }
}

Session* SessionDirectory::Find(int32_t processId) {
  std::lock_guard lock(DirectoryMutex());
  auto it = Entries().find(processId);
  return it == Entries().end() ? nullptr : it->second.session;
}

void SessionDirectory::SetLogin(const Session& session, qor::ObjectPtr login) {
  std::lock_guard lock(DirectoryMutex());
  if (Entry* entry = FindOwned(session)) std::swap(entry->login, login);
}

qor::ObjectPtr SessionDirectory::Login(int32_t processId) {
  std::lock_guard lock(DirectoryMutex());
  auto it = Entries().find(processId);
  return it == Entries().end() ? nullptr : it->second.login;
}

void SessionDirectory::CountCurrencyRefresh(int32_t processId) {
  std::lock_guard lock(DirectoryMutex());
  auto it = Entries().find(processId);
  if (it != Entries().end()) ++it->second.currencyRefreshes;
}

int32_t SessionDirectory::CurrencyRefreshes(int32_t processId) {
  std::lock_guard lock(DirectoryMutex());
  auto it = Entries().find(processId);
  return it == Entries().end() ? 0 : it->second.currencyRefreshes;
}

}  // namespace refhost
