// Commands of the list of other bills: delete, audit, unaudit and the voucher
// of the selected bills, and the bills related to one bill.

#include "common/messages.h"
#include "common/periods.h"
#include "common/rights.h"
#include "common/vouchers.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "otherbills/other_bill.h"
#include "otherbills/other_bill_command_rules.h"

namespace qorarap {

namespace {

// The selected rows up to the first one without a bill id.
std::vector<qor::HostDictionaryPtr> SelectedBills(const qor::HostVectorPtr& selection) {
  std::vector<qor::HostDictionaryPtr> rows;
  for (int32_t i = 1; selection && i <= selection->Count(); ++i) {
    auto row = std::dynamic_pointer_cast<qor::HostDictionary>(selection->Item(i).ObjectValue());
    if (!row || !row->Lookup("FBillID")) break;
    rows.push_back(row);
  }
  return rows;
}

bool IsMissing(const qor::RecordsetPtr& rs) { return !rs || rs->IsEOF() || rs->IsBOF(); }

}  // namespace

void OtherBill::m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) {
  const std::string& key = LOOMTool->m_Name;
  if (key == "mnuDataViewNextBill") {
    ShowRelatedBills(m_LstInterface->GetSelectedRows());
    Cancel = true;
  } else if (key == "mnuEditDelete") {
    DeleteSelectedBills(m_LstInterface->GetSelectedRows(), Cancel);
  } else if (key == "Check") {
    CheckSelectedBills(m_LstInterface->GetSelectedRows(), Cancel);
  } else if (key == "UnCheck") {
    UnCheckSelectedBills(m_LstInterface->GetSelectedRows(), Cancel);
  } else if (key == "Voucher") {
    ViewSelectedVoucher(m_LstInterface->GetSelectedRows(), Cancel);
  }
}

void OtherBill::DeleteSelectedBills(const qor::HostVectorPtr& selection, bool& Cancel) {
  Cancel = true;
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightDelete)) return;
  if (!ValidateListOperation(selection, kBillOperationDelete)) return;
  if (ShowMessage(LoadText("是否删除数据 ?"), 36) != kAnswerYes) return;
  RunListOperation(selection, kBillOperationDelete);
  RefreshListAfterOperation();
}

void OtherBill::CheckSelectedBills(const qor::HostVectorPtr& selection, bool& Cancel) {
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightCheck) ||
      !ValidateListOperation(selection, kBillOperationCheck)) {
    Cancel = true;
    return;
  }
  RunListOperation(selection, kBillOperationCheck);
  RefreshListAfterOperation();
}

void OtherBill::UnCheckSelectedBills(const qor::HostVectorPtr& selection, bool& Cancel) {
  if (!CheckAccess(kRightsSubsystem, m_Side.rightsObject, kRightUncheck)) {
    Cancel = true;
    return;
  }
  if (IsBeforePeriod(selection)) {
    ShowMessage(FormatText("不能反审核以前期间的单据，反审核失败。"), kMsgExclamation);
    Cancel = true;
    return;
  }
  if (!ValidateListOperation(selection, kBillOperationUnCheck)) {
    Cancel = true;
    return;
  }
  RunListOperation(selection, kBillOperationUnCheck);
  RefreshListAfterOperation();
}

// Whether a selected bill is dated before the current period. A bill that is
// no longer stored is left to the validation, which names it.
bool OtherBill::IsBeforePeriod(const qor::HostVectorPtr& selection) {
  double periodStart = GetPeriodStartDate();
  for (const qor::HostDictionaryPtr& row : SelectedBills(selection)) {
    qor::RecordsetPtr rs = GetStoredBill(row->Item("FBillID"));
    if (IsMissing(rs)) continue;
    if (IsBeforePeriodStart(rs->Field("FDate"), periodStart)) return true;
  }
  return false;
}

void OtherBill::ViewSelectedVoucher(const qor::HostVectorPtr& selection, bool& Cancel) {
  std::vector<qor::HostDictionaryPtr> rows = SelectedBills(selection);
  int32_t voucherId = 0;
  for (const qor::HostDictionaryPtr& row : rows) {
    qor::RecordsetPtr rs = GetStoredBill(row->Item("FBillID"));
    voucherId = IsMissing(rs) ? 0 : qor::CLng(rs->Field("FVoucherId"));
    if (voucherId > 0) break;
  }
  if (voucherId >= 1 && !HasVoucherAccountRights(voucherId)) {
    ShowInfo(LoadText("存在您无科目权限的会计科目，请系统管理员授权后再进入。"));
    Cancel = true;
    return;
  }
  if (rows.empty()) return;
  if (voucherId == -1) {
    ShowInfo("关联的凭证不在当前系统中");
  } else if (voucherId == 0) {
    ShowInfo("单据未记账。");
  } else if (voucherId >= 1) {
    ViewVoucher(voucherId, 1, "QORARAPBillInterface.ViewVch");
  }
}

bool OtherBill::ValidateListOperation(const qor::HostVectorPtr& selection, int32_t operation) {
  std::vector<qor::HostDictionaryPtr> rows = SelectedBills(selection);
  if (rows.empty()) return false;
  for (const qor::HostDictionaryPtr& row : rows) {
    if (!ValidateListRow(GetStoredBill(row->Item("FBillID")), operation)) return false;
  }
  return true;
}

// Whether the operation may run on the stored bill; a refusal names its reason.
bool OtherBill::ValidateListRow(const qor::RecordsetPtr& rs, int32_t operation) {
  auto refuse = [](const std::string& text) {
    ShowInfo(LoadText(text));
    return false;
  };
  if (operation == kBillOperationDelete) {
    if (IsMissing(rs)) return refuse("数据可能已经被删除,请刷新!");
    if (qor::Val(rs->Field("FStatus")) == 1) return refuse("不能删除已经审核的单据!");
    if (ReadSystemProfile("IC", "EditSelfBill") == "1" && !IsCurrentUser(rs->Field("FPreparer"))) {
      return refuse(LoadText("删除单据：不允许删除非本人录入的单据。") + "[" +
                    qor::StrOf(rs->Field("FBillNo")) + "]");
    }
  } else if (operation == kBillOperationCheck) {
    if (IsMissing(rs)) return refuse("数据可能已经被删除,请刷新!");
    if (qor::Val(rs->Field("FStatus")) == 1) return refuse("不能审核已经审核的单据!");
    if (ReadSystemProfile("General", "SingleMan") == "0" && IsCurrentUser(rs->Field("FPreparer"))) {
      return refuse("审核与制单不可以为同一人，审核失败！");
    }
  } else if (operation == kBillOperationUnCheck) {
    if (IsMissing(rs)) return refuse("数据可能已经被删除,请刷新!");
    if (qor::Val(rs->Field("FStatus")) != 1) return refuse("只能反审核已经审核的单据!");
    if (!CanUncheckBill(GetPropsString(), rs->Field("FCheckerid"))) {
      return refuse("系统要求单据的反审核人必须是审核人，你不能反审核该单据！");
    }
  }
  return true;
}

// Runs the operation bill by bill and shows every bill's outcome as a line
// of the result table.
void OtherBill::RunListOperation(const qor::HostVectorPtr& selection, int32_t operation) {
  int32_t transType = m_LstInterface->GetListDefinition()->ClassTypeID();
  auto lines = std::make_shared<qor::HostVector>();
  for (const qor::HostDictionaryPtr& row : SelectedBills(selection)) {
    BillOperationResult outcome =
        PerformBillOperation(operation, transType, qor::CLng(row->Item("FBillID")));
    if (outcome.message.empty()) continue;
    auto line = std::make_shared<qor::HostVector>();
    line->Add(outcome.message);
    lines->Add(line);
  }
  if (lines->Count() == 0) return;
  auto display = qor::CreateDirect<qor::DispBuilderComponent>("QORDisplayer.DispBuilder");
  display->SetCols(1);
  display->SetTitles(LoadText("提示信息|"));
  display->SetColWidth(1, 5000);
  display->Show(lines);
}

void OtherBill::ShowRelatedBills(const qor::HostVectorPtr& selection) {
  if (!selection || selection->Count() != 1) return;
  auto row = std::dynamic_pointer_cast<qor::HostDictionary>(selection->Item(1).ObjectValue());
  if (!row || !row->Lookup("FBillID") || !row->Lookup("FClassTypeID")) return;
  auto lookup = qor::CreateComponent<qor::RelatedBillLookup>("QORClassLookUp.RelateBilllookUp");
  lookup->SetBillTypeID(qor::CLng(row->Item("FClassTypeID")));
  lookup->SetBillInterID(qor::CLng(row->Item("FBillID")));
  lookup->ShowList();
}

// The list shows the operation's result at once unless the system refreshes
// lists by itself.
void OtherBill::RefreshListAfterOperation() {
  if (qor::Val(GetSystemValue("IC", "RefreshAfterAdd", "0")) != 0) return;
  m_LstInterface->RefreshList();
  m_LstInterface->letmessage();
}

qor::RecordsetPtr OtherBill::GetStoredBill(const qor::Variant& billId) {
  return m_LstInterface->GetListDefinition()->GetBillDetail(qor::CLng(billId));
}

}  // namespace qorarap
