// One bill checked, unchecked or deleted by the AR/AP bill component, and
// the existence test of a source document. The list runs them bill by bill;
// the editor's commands run them on the open bill.

#include <optional>
#include <string>

#include "common/messages.h"
#include "common/props.h"
#include "common/vouchers.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

namespace {

constexpr int32_t kNetFuncType = 21;

std::string OperationWord(int32_t operation) {
  switch (operation) {
    case 0:
      return "删除";
    case 1:
      return "审核";
    case 2:
      return "反审核";
    default:
      return "";
  }
}

// Releases the function lock of the operation however the operation ends.
class HeldFunction {
 public:
  explicit HeldFunction(int32_t handle) : m_Handle(handle) {}
  ~HeldFunction() { ReleaseFunc(m_Handle); }
  HeldFunction(const HeldFunction&) = delete;
  HeldFunction& operator=(const HeldFunction&) = delete;

 private:
  int32_t m_Handle;
};

}  // namespace

SettlementBill::BillOperationResult SettlementBill::PerformBillOperation(int32_t operation,
                                                                         int32_t transType,
                                                                         int32_t interId) {
  std::string word = OperationWord(operation);
  std::optional<HeldFunction> held;
  if (!word.empty()) {
    held.emplace(ExecFunc(kNetFuncType, GetFunctionCode(operation), 0, 0, qor::Variant(interId)));
  }
  auto params = std::make_shared<qor::HostDictionary>();
  params->SetItem("TransType", transType);
  params->SetItem("InterID", interId);
  params->SetItem("CheckType", operation);
  params->SetItem("PropsString", GetPropsString());
  auto component = qor::CreateComponent<qor::ArApBillComponent>(std::string(m_Side.arApBillProgId));
  qor::HostDictionaryPtr answer = component->CheckBillSimple(params);
  BillOperationResult result;
  result.code = qor::CLng(answer->Item("Code"));
  std::string description = qor::StrOf(answer->Item("Description"));
  std::string billNo = qor::StrOf(answer->Item("BillNo"));
  switch (result.code) {
    case -1:
      result.message = description;
      WriteBusinessLog("RP1000202A", -1, result.message);
      break;
    case 0:
      result.message = word + FormatText("[编号:%1]单据成功!", billNo) + description;
      WriteBusinessLog("RP1000201A", 1, result.message);
      result.success = true;
      break;
    case 1:
      result.message =
          word + FormatText("单据[%1]失败!", billNo) + "初始化审核信息时出错。" + description;
      WriteBusinessLog("RP1000201A", 1, result.message);
      break;
    default:
      break;
  }
  return result;
}

void SettlementBill::IsSourceChecked(const qor::Variant& classId, const qor::Variant& interId,
                                     bool checkAudited, int32_t& code, bool& ok) {
  int32_t sourceClass = qor::CLng(qor::Val(classId));
  std::string_view query;
  for (const SourceAuditQuery& entry : m_Side.sourceAuditQueries) {
    if (entry.classId != 0 && entry.classId == sourceClass) query = entry.sql;
  }
  code = 2;
  ok = true;
  if (query.empty()) return;
  auto connection = qor::CreateDirect<qor::AppConnection>("QORConnection.AppConnection");
  std::string sql = std::string(query) + qor::CStr(qor::CLng(qor::Val(interId)));
  ParsePropsString(GetPropsString());
  qor::RecordsetPtr rs = connection->Execute(GetConnectString(), sql);
  if (!rs || rs->IsEOF()) {
    code = 0;
    ok = false;
    return;
  }
  if (checkAudited && qor::Val(rs->Field("FCheckerID")) == 0) {
    code = 1;
    ok = false;
  }
}

}  // namespace qorarap
