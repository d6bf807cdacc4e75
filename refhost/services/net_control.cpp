#include "refhost/services/net_control.h"

#include "core/host_dictionary.h"
#include "core/vb.h"
#include "host/components.h"
#include "refhost/db/database.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/session_platform.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::Variant;

// The record a lock is about, as the lock table keeps it ('' for none).
std::string KeyText(const std::optional<Variant>& key) {
  if (!key || key->IsEmpty() || key->IsNull()) return "";
  return qor::Trim(qor::CStr(*key));
}

bool HeldBy(Database& db, int32_t handle, const Session& session) {
  auto rs = db.QueryParams(
      "SELECT FTaskID FROM t_FuncLock WHERE FTaskID = ? AND FSession = ? AND FProcessID = ?",
      {Variant(handle), Variant(session.Name()), Variant(session.ProcessId())});
  return !rs->IsEOF();
}

// "UserID=<n>" of a login props string; 0 when it names none.
int32_t UserIdOf(const std::string& props) {
  constexpr std::string_view kKey = "UserID=";
  size_t at = 0;
  while ((at = qor::FindNoCase(props, kKey, at)) != std::string::npos) {
    if (at == 0 || props[at - 1] == ';') {
      std::string value = props.substr(at + kKey.size());
      value = value.substr(0, value.find(';'));
      if (qor::IsNumericText(value)) return qor::CLng(Variant(qor::Val(value)));
      return 0;
    }
    at += kKey.size();
  }
  return 0;
}

}  // namespace

int32_t FunctionLocks::Take(int32_t funcType, const std::string& funcCode,
                            const std::string& machineName, const std::optional<Variant>& key) {
  Database& db = m_Session.Db();
  std::string keyText = KeyText(key);
  Transaction transaction(db);
  // A lock of another process on the same function and record, or on the
  // whole function (no key on either side), refuses this one.
  auto rs = db.QueryParams(
      "SELECT COUNT(*) FROM t_FuncLock WHERE FFuncCode = ? "
      "AND (FKey = '' OR ? = '' OR FKey = ?) AND NOT (FSession = ? AND FProcessID = ?)",
      {Variant(funcCode), Variant(keyText), Variant(keyText), Variant(m_Session.Name()),
       Variant(m_Session.ProcessId())});
  if (qor::CLng(rs->Field(rs->Columns().front())) > 0) return 0;
  db.ExecuteParams(
      "INSERT INTO t_FuncLock (FFuncType, FFuncCode, FMachine, FUserID, FProcessID, FSession, "
      "FKey, FTime) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
      {Variant(funcType), Variant(funcCode), Variant(machineName), Variant(m_Session.UserId()),
       Variant(m_Session.ProcessId()), Variant(m_Session.Name()), Variant(keyText),
       Variant(qor::FormatDateTime(HostClock(m_Session.Run())))});
  auto handle = static_cast<int32_t>(db.LastInsertId());
  transaction.Commit();
  return handle;
}

bool FunctionLocks::ReleaseOne(int32_t handle) {
  Database& db = m_Session.Db();
  if (!HeldBy(db, handle, m_Session)) return false;
  db.ExecuteParams("DELETE FROM t_FuncLock WHERE FTaskID = ?", {Variant(handle)});
  return true;
}

bool FunctionLocks::Release(int32_t handle) {
  Transaction transaction(m_Session.Db());
  bool released = ReleaseOne(handle);
  transaction.Commit();
  return released;
}

bool FunctionLocks::ReleaseAll(const std::vector<int32_t>& handles) {
  Transaction transaction(m_Session.Db());
  bool all = true;
  for (int32_t handle : handles) all = ReleaseOne(handle) && all;
  transaction.Commit();
  return all;
}

std::vector<int32_t> FunctionLocks::Held(const std::string& funcCode, const std::string& key,
                                         int32_t userId) {
  if (userId == 0) userId = m_Session.UserId();
  Database& db = m_Session.Db();
  Transaction transaction(db);
  auto rs = db.QueryParams(
      "SELECT FTaskID FROM t_FuncLock WHERE FFuncCode = ? AND FKey = ? AND FUserID = ? "
      "AND FSession = ? AND FProcessID = ? ORDER BY FTaskID",
      {Variant(funcCode), Variant(key), Variant(userId), Variant(m_Session.Name()),
       Variant(m_Session.ProcessId())});
  transaction.Commit();
  std::vector<int32_t> handles;
  for (; !rs->IsEOF(); rs->MoveNext()) handles.push_back(qor::CLng(rs->Field("FTaskID")));
  return handles;
}

void ReleaseSessionLocks(Session& session) {
  Database& db = session.Db();
  Transaction transaction(db);
  db.ExecuteParams("DELETE FROM t_FuncLock WHERE FSession = ? AND FProcessID = ?",
                   {Variant(session.Name()), Variant(session.ProcessId())});
  transaction.Commit();
}

namespace {

// The login object: locks taken for the login of one session.
class SessionLogin : public qor::LoginObject {
 public:
  explicit SessionLogin(Session& session) : m_Session(session) {}
  std::string TypeName() const override { return "Login"; }

  Variant TaskExec(int32_t funcType, const std::string& funcCode, const std::string& machineName,
                   int32_t /*mode*/, int16_t /*a*/, int16_t /*b*/,
                   const std::optional<Variant>& key) override {
    return Variant(FunctionLocks(m_Session).Take(funcType, funcCode, machineName, key));
  }

  bool CommitTask(int32_t& handle) override { return FunctionLocks(m_Session).Release(handle); }

 private:
  Session& m_Session;
};

// "QORNetControl.Mutex": the same locks for the login the calling session
// runs (the properties string names that login).
class NetControlMutexComponent : public qor::NetControlMutex {
 public:
  std::string TypeName() const override { return "Mutex"; }

  Variant TaskExec(const std::string& /*propsString*/, int32_t funcType,
                   const std::string& funcCode, const std::string& machineName, int32_t /*mode*/,
                   int16_t /*a*/, int16_t /*b*/, const std::optional<Variant>& key) override {
    return Variant(Locks().Take(funcType, funcCode, machineName, key));
  }

  bool CommitTask(const std::string& /*propsString*/, int32_t& handle) override {
    return Locks().Release(handle);
  }

  // The locks of the user the props string names (its "UserID"), who may
  // not be the one logged in now.
  Variant GetTaskIdByUserInfo(const std::string& propsString, const std::string& funcCode,
                              int32_t& recordId) override {
    std::vector<int32_t> handles =
        Locks().Held(funcCode, std::to_string(recordId), UserIdOf(propsString));
    if (handles.empty()) return Variant();
    auto vector = std::make_shared<qor::HostVector>();
    for (int32_t handle : handles) vector->Add(Variant(handle));
    return Variant(vector);
  }

  bool BatchCommitTask(const std::string& /*propsString*/,
                       const qor::HostVectorPtr& handles) override {
    if (!handles) return false;
    std::vector<int32_t> list;
    for (int32_t i = 1; i <= handles->Count(); ++i) list.push_back(qor::CLng(handles->Item(i)));
    return Locks().ReleaseAll(list);
  }

 private:
  static FunctionLocks Locks() { return FunctionLocks(CurrentSession()); }
};

}  // namespace

qor::ObjectPtr MakeLoginObject(Session& session) { return std::make_shared<SessionLogin>(session); }

void RegisterNetControl(ComponentRegistry& registry) {
  registry.Register("QORNetControl.Mutex",
                    [] { return std::make_shared<NetControlMutexComponent>(); });
}

}  // namespace refhost
