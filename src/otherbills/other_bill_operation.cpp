// Delete, audit or unaudit of one stored bill through the simple interface of
// the bill service, under the network function lock of the operation.

#include "common/messages.h"
#include "common/vouchers.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "host/components.h"
#include "host/platform.h"
#include "otherbills/other_bill.h"
#include "otherbills/other_bill_command_rules.h"

namespace qorarap {

namespace {

constexpr int32_t kFuncTypeBill = 21;

}  // namespace

OtherBill::BillOperationResult OtherBill::PerformBillOperation(int32_t operation, int32_t transType,
                                                               int32_t id) {
  std::string word = OperationWord(operation);
  HeldFunctionLock lock(
      ExecFunc(kFuncTypeBill, GetFunctionCode(operation), 0, 0, qor::Variant(id)));
  auto params = std::make_shared<qor::HostDictionary>();
  params->SetItem("TransType", transType);
  params->SetItem("InterID", id);
  params->SetItem("CheckType", operation);
  params->SetItem("PropsString", GetPropsString());
  auto service = qor::CreateComponent<qor::ArApBillComponent>(std::string(m_Side.billService));
  qor::HostDictionaryPtr answer = service->CheckBillSimple(params);
  if (!answer) qor::RaiseError(qor::kErrObjectRequired, std::string(m_Side.billService));
  BillOperationResult result;
  result.code = qor::CLng(qor::Val(answer->Item("Code")));
  std::string description = qor::StrOf(answer->Item("Description"));
  std::string billNo = qor::StrOf(answer->Item("BillNo"));
  std::string logCode(m_Side.operationLogCode);
  switch (result.code) {
    case -1:
      result.message = word + FormatText("单据[%1]失败!", billNo) +
                       LoadText("当前单据状态不能进行以上操作。") + description;
      WriteBusinessLog(logCode, -1, result.message);
      break;
    case 0:
      result.message = word + FormatText("[编号:%1]单据成功!", billNo) + description;
      WriteBusinessLog(logCode, 1, result.message);
      result.success = true;
      break;
    case 1:
      result.message = word + FormatText("单据[%1]失败!", billNo) +
                       LoadText("初始化审核信息时出错。") + description;
      WriteBusinessLog(logCode, 2, result.message);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace qorarap
