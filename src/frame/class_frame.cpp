#include "frame/class_frame.h"

#include <optional>

#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

namespace {

// vbObjectError + 513: the first error number of a component's own.
constexpr int32_t kErrLockNotReleased = -2147220991;

}  // namespace

qor::RecordsetPtr ReadAllInOutTypes() {
  auto types = qor::CreateComponent<qor::InOutTypeComponent>("QORebsArApBill.clsInOutType");
  return types->GetRPInOutTypeInfo(GetPropsString(), std::nullopt);
}

bool ReleaseUserRecordLocks(const std::string& funcCode, int32_t& recordId,
                            const std::string& props) {
  auto mutex = qor::CreateComponent<qor::NetControlMutex>("QORNetControl.Mutex");
  qor::Variant handles = mutex->GetTaskIdByUserInfo(props, funcCode, recordId);
  if (!handles.IsObject() || !handles.ObjectValue()) return true;
  return mutex->BatchCommitTask(props, qor::As<qor::HostVector>(handles.ObjectValue()));
}

void RaiseLocksNotReleased() {
  qor::RaiseError(kErrLockNotReleased, "QORNetControl.Mutex",
                  "记录锁定未能全部释放，请重新登录后再试，或请系统管理员清除网络控制中的锁定。");
}

}  // namespace qorarap
