#include "frame/net_control.h"

#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

namespace {

constexpr int32_t kLockMode = 3;
constexpr const char* kMutexProgId = "QORNetControl.Mutex";

int32_t TakeLock(int32_t funcType, const std::string& funcCode, int16_t a, int16_t b,
                 const std::optional<qor::Variant>& key) {
  const std::string machine = GetMachineName();
  if (auto login = GetLoginObject()) {
    auto taker = qor::As<qor::LoginObject>(login);
    return qor::CLng(taker->TaskExec(funcType, funcCode, machine, kLockMode, a, b, key));
  }
  auto mutex = qor::CreateDirect<qor::NetControlMutex>(kMutexProgId);
  return qor::CLng(
      mutex->TaskExec(GetPropsString(), funcType, funcCode, machine, kLockMode, a, b, key));
}

bool CommitLock(int32_t& handle) {
  if (auto login = GetLoginObject()) return qor::As<qor::LoginObject>(login)->CommitTask(handle);
  auto mutex = qor::CreateDirect<qor::NetControlMutex>(kMutexProgId);
  return mutex->CommitTask(GetPropsString(), handle);
}

}  // namespace

int32_t ExecFunc(int32_t funcType, const std::string& funcCode, int16_t a, int16_t b,
                 const std::optional<qor::Variant>& key) {
  const int32_t handle = TakeLock(funcType, funcCode, a, b, key);
  if (handle < 1) {
    qor::RaiseError(kErrFunctionConflict, "MNetControl.ExecFunc",
                    "当前使用的功能与当前或其他用户有冲突,可能无法使用! "
                    "请在软件的【系统工具】--【网络控制工具】中进行处理。");
  }
  return handle;
}

bool ReleaseFunc(int32_t& handle) {
  if (handle == 0) return false;
  try {
    if (!CommitLock(handle)) return false;
    handle = 0;
    return true;
  } catch (const qor::VbError&) {
    // A lock that cannot be released stays with the session until it ends.
    return false;
  }
}

}  // namespace qorarap
