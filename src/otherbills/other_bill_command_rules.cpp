#include "otherbills/other_bill_command_rules.h"

#include "common/messages.h"
#include "common/props.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

std::string OperationWord(int32_t operation) {
  switch (operation) {
    case kBillOperationDelete:
      return LoadText("删除");
    case kBillOperationCheck:
      return LoadText("审核");
    case kBillOperationUnCheck:
      return LoadText("反审核");
    default:
      return "";
  }
}

std::string DateText(const qor::Variant& date) {
  if (date.IsEmpty() || date.IsNull()) return "";
  if (date.IsString() && qor::Trim(date.StringValue()).empty()) return "";
  return qor::FormatDate(qor::CDate(date));
}

bool IsBeforePeriodStart(const qor::Variant& date, double periodStart) {
  return DateText(date) < qor::FormatDate(periodStart);
}

std::string ReadSystemProfile(const std::string& section, const std::string& key) {
  auto system = qor::CreateComponent<qor::SystemComponent>("QORMSystem.System");
  return system->GetSystemProfile(section, key, GetPropsString());
}

bool IsCurrentUser(const qor::Variant& userId) {
  ParsePropsString(GetPropsString());
  return qor::VarEquals(userId, qor::Variant(GetPropValue("UserID")));
}

}  // namespace qorarap
