#include "frame/class_frame.h"

#include <optional>

#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

qor::RecordsetPtr ReadAllInOutTypes() {
  auto types = qor::CreateComponent<qor::InOutTypeComponent>("QORebsArApBill.clsInOutType");
  return types->GetRPInOutTypeInfo(GetPropsString(), std::nullopt);
}

void ReleaseUserRecordLocks(const std::string& funcCode, int32_t& recordId) {
  auto mutex = qor::CreateComponent<qor::NetControlMutex>("QORNetControl.Mutex");
  const std::string props = GetPropsString();
  qor::Variant handles = mutex->GetTaskIdByUserInfo(props, funcCode, recordId);
  if (!handles.IsObject() || !handles.ObjectValue()) return;
  mutex->BatchCommitTask(props, qor::As<qor::HostVector>(handles.ObjectValue()));
}

}  // namespace qorarap
