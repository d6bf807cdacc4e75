// Checking, unchecking and deleting a receipt or payment bill, under the
// rights, checker, period, preparer and lock rules.

#include <string>

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/periods.h"
#include "common/props.h"
#include "common/rights.h"
#include "common/vouchers.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_bill.h"
#include "settlement/settlement_values.h"

namespace qorarap {

namespace {

constexpr int32_t kAudit = 1;
constexpr int32_t kUnaudit = 0;
constexpr int32_t kOperationDelete = 0;
constexpr int32_t kCheckFailed = 1;
constexpr int32_t kBillFunctionLock = 21;
constexpr int32_t kAuditedStatus = 1;

std::shared_ptr<qor::ArApBillComponent> BillComponent(std::string_view progId) {
  return qor::CreateComponent<qor::ArApBillComponent>(std::string(progId));
}

std::string SystemProfile(const std::string& section, const std::string& key) {
  auto system = qor::CreateComponent<qor::SystemComponent>("QORMSystem.System");
  return system->GetSystemProfile(section, key, GetPropsString());
}

int32_t CurrentUserId() {
  ParsePropsString(GetPropsString());
  return static_cast<int32_t>(qor::Val(GetPropValue("UserID")));
}

}  // namespace

void SettlementBill::CheckBillCommand(bool& Cancel) {
  const auto& editor = m_BillInterface.Get();
  Cancel = true;
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightCheck)) return;
  if (settle::Number(editor, "FBillId") == 0) return;
  if (!editor->GetBillObject()->SaveBill(false)) return;
  int32_t id = editor->GetBillInterID();
  if (id < 1) return;
  auto bills = BillComponent(m_Side.arApComponent);
  if (!CheckCheckerNotPreparer()) return;
  std::string message;
  int32_t result = bills->CheckBill(GetPropsString(), id, kAudit, message);
  ShowMessage(message, kMsgInformation);
  editor->ResetBillView();
  if (result != kCheckFailed) LockHeaderFields(1);
  editor->LoadBillByID(id);
  if (!m_Side.notifiesPlatform) return;
  auto platform = qor::CreateComponent<qor::ApiRequestComponent>("QORPlatformLib.clsApiRequest");
  platform->InsertRecvBill(GetPropsString(), id);
}

void SettlementBill::UncheckBillCommand(bool& Cancel) {
  const auto& editor = m_BillInterface.Get();
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightUncheck)) {
    Cancel = true;
    return;
  }
  std::string billDate = qor::FormatDate(qor::CDate(GetBillFieldValue(editor, "FDate")));
  if (billDate < qor::FormatDate(GetPeriodStartDate())) {
    ShowMessage("不能反审核以前期间的单据，反审核失败。", kMsgInformation);
    Cancel = true;
    return;
  }
  qor::Variant checker = GetBillFieldValue(editor, "FCheckerid");
  if (checker.IsNull()) checker = qor::Variant("");
  if (!CanUncheckBill(GetPropsString(), checker)) {
    ShowMessage("系统要求单据的反审核人必须是审核人，你不能反审核该单据！", kMsgInformation);
    Cancel = true;
    return;
  }
  auto bills = BillComponent(m_Side.arApComponent);
  int32_t id = editor->GetBillInterID();
  std::string message;
  bills->CheckBill(GetPropsString(), id, kUnaudit, message);
  ShowMessage(message, kMsgInformation);
  editor->ResetBillView();
  editor->LoadBillByID(id);
}

void SettlementBill::DeleteBillCommand(bool& Cancel) {
  const auto& editor = m_BillInterface.Get();
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightDelete) ||
      ShowMessage("你真的要删除该张单据吗?", 36) != kAnswerYes) {
    Cancel = true;
    return;
  }
  int32_t id = editor->GetBillInterID();
  if (id == 0) return;
  if (IsPushedUnsaved(id)) {
    ShowInfo(std::string(m_Side.msgPushedDelete) + "\r\n" + "请先保存再进行删除，或直接退出！");
    Cancel = true;
    return;
  }
  qor::RecordsetPtr record = editor->GetDataService()->GetBillDetail(id);
  if (!PassesDeleteRecordChecks(record)) {
    Cancel = true;
    return;
  }
  if (settle::Number(editor, "FAmountFor") == 0) {
    ShowInfo("不允许删除金额为零的单据。");
    Cancel = true;
    return;
  }
  BillOperationResult outcome =
      PerformBillOperation(kOperationDelete, editor->GetBillObject()->ClassTypeID(), id);
  ShowInfo(outcome.message);
  if (!outcome.success) {
    Cancel = true;
    return;
  }
  if (!m_Side.notifiesPlatform) return;
  auto platform = qor::CreateComponent<qor::ApiRequestComponent>("QORPlatformLib.clsApiRequest");
  platform->DeleteRecvBill(GetPropsString(), id);
}

// The stored bill must still exist, be unaudited, and pass the preparer
// rule and the source test in the side's order.
bool SettlementBill::PassesDeleteRecordChecks(const qor::RecordsetPtr& record) {
  if (!record || record->IsBOF() || record->IsEOF()) {
    ShowInfo("数据可能已经被删除,请刷新!");
    return false;
  }
  qor::Variant status = record->Field("FStatus");
  if (!status.IsNull() && qor::Val(status) == kAuditedStatus) {
    ShowInfo("不能删除已经审核的单据!");
    return false;
  }
  if (m_Side.preparerRuleBeforeSourceTest) {
    return PassesPreparerRule(record) && PassesSourceTest(record);
  }
  return PassesSourceTest(record) && PassesPreparerRule(record);
}

// With "EditSelfBill" on, only the preparer may delete the bill.
bool SettlementBill::PassesPreparerRule(const qor::RecordsetPtr& record) {
  if (SystemProfile("IC", "EditSelfBill") != "1") return true;
  if (settle::RecordNumber(record->Field("FPreparer")) == CurrentUserId()) return true;
  ShowInfo("不允许删除非本人录入的单据。");
  return false;
}

bool SettlementBill::PassesSourceTest(const qor::RecordsetPtr& record) {
  int32_t code = 0;
  bool ok = false;
  IsSourceChecked(static_cast<int32_t>(settle::RecordNumber(record->Field("FClassID_SRC"))),
                  static_cast<int32_t>(settle::RecordNumber(record->Field("FInterID"))), false,
                  code, ok);
  if (ok) return true;
  ShowMessage(std::string(m_Side.msgSourceMissingDelete), kMsgExclamation);
  return false;
}

// With "SingleMan" "0" the preparer of a bill may not check it.
bool SettlementBill::CheckCheckerNotPreparer() {
  const auto& editor = m_BillInterface.Get();
  qor::RecordsetPtr record = editor->GetDataService()->GetBillDetail(editor->GetBillInterID());
  if (SystemProfile("General", "SingleMan") != "0") return true;
  if (settle::RecordNumber(record->Field("FPreparer")) != CurrentUserId()) return true;
  ShowInfo("审核与制单不可以为同一人，审核失败！");
  return false;
}

SettlementBill::BillOperationResult SettlementBill::PerformBillOperation(int32_t operation,
                                                                         int32_t transType,
                                                                         int32_t interId) {
  static const char* const kWords[] = {"删除", "审核", "反审核"};
  if (operation < 0 || operation > 2) return {};
  std::string word = kWords[operation];
  HeldFunctionLock lock(
      ExecFunc(kBillFunctionLock, GetFunctionCode(operation), 0, 0, qor::Variant(interId)));
  auto params = std::make_shared<qor::HostDictionary>();
  params->SetItem("TransType", transType);
  params->SetItem("InterID", interId);
  params->SetItem("CheckType", operation);
  params->SetItem("PropsString", GetPropsString());
  qor::HostDictionaryPtr answer = BillComponent(m_Side.arApComponent)->CheckBillSimple(params);
  BillOperationResult result;
  result.code = static_cast<int32_t>(qor::Val(answer->GetValue("Code")));
  std::string description = qor::StrOf(answer->GetValue("Description"));
  qor::Variant billNo = answer->GetValue("BillNo");
  if (result.code == -1) {
    result.message = description;
    WriteBusinessLog("RP1000202A", -1, result.message);
  } else if (result.code == 0) {
    result.message = word + FormatText("[编号:%1]单据成功!", billNo) + description;
    WriteBusinessLog("RP1000201A", 1, result.message);
    result.success = true;
  } else if (result.code == 1) {
    result.message =
        word + FormatText("单据[%1]失败!", billNo) + "初始化审核信息时出错。" + description;
    WriteBusinessLog("RP1000201A", 1, result.message);
  }
  return result;
}

}  // namespace qorarap
