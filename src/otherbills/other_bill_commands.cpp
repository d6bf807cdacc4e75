// Commands of the other bills' editor: audit, unaudit, delete, help and the
// voucher of the bill.

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/periods.h"
#include "common/props.h"
#include "common/rights.h"
#include "common/sql_text.h"
#include "common/vouchers.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "otherbills/other_bill.h"
#include "otherbills/other_bill_command_rules.h"

namespace qorarap {

void OtherBill::m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) {
  try {
    std::string billNo = qor::Trim(qor::StrOf(GetBillFieldValue(m_BillInterface.Get(), "FBillNo")));
    const std::string& key = LOOMTool->m_Name;
    if (key == "mnuEditCheck") {
      CheckBillCommand(billNo, Cancel);
    } else if (key == "mnuEditUnCheck") {
      UnCheckBillCommand(billNo, Cancel);
    } else if (key == "mnuEditDelete") {
      DeleteBillCommand(Cancel);
    } else if (key == "mnuHelpFile") {
      ShowBillHelp();
      m_BillInterface->GetToolBarControl()->Bands("mnuCust")->m_Caption = "帮助";
    } else if (key == "mnuStockQuery") {
      Cancel = true;
    } else if (key == "mnuViewVch") {
      ViewBillVoucher();
    } else if (key == "mnuFileNew" && m_Side.newClearsCreditPanel) {
      m_BillInterface->SetStatusText(5, "");
    }
  } catch (const qor::VbError& error) {
    Cancel = true;
    if (error.Number() != 0) {
      throw qor::VbError(error.Number(), error.Source(), LoadText(error.Description()));
    }
  }
}

// The bill is saved first, then audited by the bill service.
void OtherBill::CheckBillCommand(const std::string& billNo, bool& Cancel) {
  Cancel = true;
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightCheck)) return;
  if (!m_BillInterface->GetBillObject()->SaveBill(false)) return;
  int32_t id = m_BillInterface->GetBillInterID();
  if (id < 1) return;
  auto service = qor::CreateComponent<qor::ArApBillComponent>(std::string(m_Side.billService));
  if (!CheckCheckerNotPreparer()) return;
  std::string message;
  int32_t result = service->CheckBill(GetPropsString(), id, 1, message);
  ReportCheckResult(result, OperationWord(kBillOperationCheck), billNo, message);
}

void OtherBill::UnCheckBillCommand(const std::string& billNo, bool& Cancel) {
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightUncheck)) {
    Cancel = true;
    return;
  }
  if (IsBeforePeriodStart(GetBillFieldValue(m_BillInterface.Get(), "FDate"),
                          GetPeriodStartDate())) {
    ShowMessage(FormatText("不能反审核以前期间的单据，反审核失败。"), kMsgInformation);
    Cancel = true;
    return;
  }
  qor::Variant checker = GetBillFieldValue(m_BillInterface.Get(), "FCheckerid");
  if (!CanUncheckBill(GetPropsString(), qor::Variant(qor::StrOf(checker)))) {
    ShowMessage(FormatText("系统要求单据的反审核人必须是审核人，你不能反审核该单据！"),
                kMsgInformation);
    Cancel = true;
    return;
  }
  auto service = qor::CreateComponent<qor::ArApBillComponent>(std::string(m_Side.billService));
  int32_t id = m_BillInterface->GetBillInterID();
  std::string message;
  int32_t result = service->CheckBill(GetPropsString(), id, 0, message);
  ReportCheckResult(result, OperationWord(kBillOperationUnCheck), billNo, message);
}

// Logs and shows the service's answer; a successful operation reloads the
// bill so that the editor shows its new state.
void OtherBill::ReportCheckResult(int32_t result, const std::string& word,
                                  const std::string& billNo, const std::string& message) {
  bool failed = result == 1;
  std::string text = FormatText(failed ? "单据[%1]失败!" : "单据[%1]成功!", billNo);
  WriteBusinessLog(std::string(m_Side.editorLogCode), failed ? 2 : 1, word + text);
  ShowMessage(message, kMsgInformation);
  m_BillInterface->ResetBillView();
  if (!failed) m_BillInterface->LoadBillByID(m_BillInterface->GetBillInterID());
}

void OtherBill::DeleteBillCommand(bool& Cancel) {
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightDelete)) {
    Cancel = true;
    return;
  }
  if (ShowMessage(LoadText("你真的要删除该张单据吗?"), 36, LoadText(kMessageTitle)) != kAnswerYes) {
    Cancel = true;
    return;
  }
  int32_t id = m_BillInterface->GetBillInterID();
  if (id == 0) return;
  auto dataService = m_BillInterface->GetDataService();
  qor::RecordsetPtr rs = dataService->GetBillDetail(id);
  if (rs->IsEOF() || rs->IsBOF()) {
    ShowInfo(LoadText("数据可能已经被删除,请刷新!"));
    Cancel = true;
    return;
  }
  if (qor::Val(rs->Field("FStatus")) == 1) {
    ShowInfo("不能删除已经审核的单据!");
    Cancel = true;
    return;
  }
  if (ReadSystemProfile("IC", "EditSelfBill") == "1" && !IsCurrentUser(rs->Field("FPreparer"))) {
    ShowInfo("不允许删除非本人录入的单据。");
    Cancel = true;
    return;
  }
  BillOperationResult outcome = PerformBillOperation(
      kBillOperationDelete, dataService->ClassTypeID(), m_BillInterface->GetBillInterID());
  ShowInfo(outcome.message);
  if (!outcome.success) Cancel = true;
}

// False (after telling the user) when one person may not both prepare and
// audit a bill and the current user prepared this one.
bool OtherBill::CheckCheckerNotPreparer() {
  qor::RecordsetPtr rs =
      m_BillInterface->GetDataService()->GetBillDetail(m_BillInterface->GetBillInterID());
  if (ReadSystemProfile("General", "SingleMan") == "0" && IsCurrentUser(rs->Field("FPreparer"))) {
    ShowInfo(LoadText("审核与制单不可以为同一人，审核失败！"));
    return false;
  }
  return true;
}

void OtherBill::ShowBillHelp() {
  auto help = qor::CreateDirect<qor::HelpComponent>("QORCHMResTool.ClsCHMHelp");
  help->ShowHelp("QORV11.chm", std::string(m_Side.helpTopic), 0);
}

void OtherBill::ViewBillVoucher() {
  ParsePropsString(GetPropsString());
  auto connection = qor::CreateDirect<qor::AppConnection>("QORConnection.AppConnection");
  qor::RecordsetPtr rs = connection->Execute(
      GetConnectString(), std::string(m_Side.voucherQuery) +
                              "where FBillID=" + std::to_string(m_BillInterface->GetBillInterID()));
  int32_t voucherId = 0;
  if (!rs->IsEOF()) voucherId = qor::CLng(NullTo(rs->Field("FVoucherID"), 0));
  if (voucherId == 0) {
    ShowInfo(LoadText("单据未记账。"));
    return;
  }
  if (!CheckVoucherAccountRight(voucherId)) return;
  ShowVoucherInViewer(voucherId);
}

}  // namespace qorarap
