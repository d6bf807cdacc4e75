// The list's operations on the selected bills: validation of the whole
// selection, then each bill once, with one result line per bill; the
// voucher of the selection and the bill a row settles.

#include <string>

#include "common/messages.h"
#include "common/props.h"
#include "common/rights.h"
#include "common/vouchers.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

namespace {

constexpr const char* kBillGone = "数据可能已经被删除,请刷新!";

qor::HostDictionaryPtr RowAt(const qor::HostVectorPtr& selection, int32_t index) {
  return std::dynamic_pointer_cast<qor::HostDictionary>(selection->Item(index).ObjectValue());
}

// The bill id of a selected row; false for a row without one.
bool RowBillId(const qor::HostVectorPtr& selection, int32_t index, int32_t& billId) {
  qor::HostDictionaryPtr row = RowAt(selection, index);
  if (!row || !row->Lookup("FBillID")) return false;
  billId = qor::CLng(qor::Val(row->Item("FBillID")));
  return true;
}

std::string SystemProfile(const std::string& section, const std::string& key) {
  auto system = qor::CreateComponent<qor::SystemComponent>("QORMSystem.System");
  return system->GetSystemProfile(section, key, GetPropsString());
}

bool IsLoggedInUser(const qor::Variant& userId) {
  ParsePropsString(GetPropsString());
  return qor::Val(userId) == qor::Val(GetPropValue("UserID"));
}

qor::HostDictionaryPtr KeyColumn(int32_t primary, const char* column) {
  auto field = std::make_shared<qor::HostDictionary>();
  field->SetItem("FISPrimary", primary);
  field->SetItem("FColName", column);
  return field;
}

}  // namespace

qor::RecordsetPtr SettlementBill::GetStoredBill(int32_t billId) {
  return m_objListDef->GetBillDetail(billId);
}

// Every selected bill must pass before any is touched; the first refusal is
// shown and ends the check. The rows of one bill follow each other and are
// checked once.
bool SettlementBill::ValidateListOperation(const qor::HostVectorPtr& selection, int32_t operation) {
  int32_t previous = 0;
  for (int32_t i = 1; i <= selection->Count(); ++i) {
    int32_t billId = 0;
    if (!RowBillId(selection, i, billId)) return false;
    if (i > 1 && billId == previous) continue;
    previous = billId;
    qor::RecordsetPtr bill = GetStoredBill(billId);
    int32_t buttons = kMsgInformation;
    std::string refusal = ListRefusal(*bill, operation, buttons);
    if (refusal.empty()) continue;
    ShowMessage(refusal, buttons);
    return false;
  }
  return true;
}

std::string SettlementBill::ListRefusal(qor::Recordset& bill, int32_t operation, int32_t& buttons) {
  if (bill.IsEOF() || bill.IsBOF()) return LoadText(kBillGone);
  bool checked = qor::Val(bill.Field("FStatus")) == 1;
  if (operation == kFuncKindDelete) {
    if (checked) return LoadText("不能删除已经审核的单据!");
    if (SystemProfile("IC", "EditSelfBill") == "1" && !IsLoggedInUser(bill.Field("FPreparer"))) {
      return LoadText("删除单据：不允许删除非本人录入的单据。") + "[" +
             qor::StrOf(bill.Field("FBillNo")) + "]";
    }
    for (bill.MoveFirst(); !bill.IsEOF(); bill.MoveNext()) {
      int32_t code = 0;
      bool ok = true;
      IsSourceChecked(qor::CLng(qor::Val(bill.Field("FClassID_SRC"))),
                      qor::CLng(qor::Val(bill.Field("FInterID"))), false, code, ok);
      if (ok) continue;
      buttons = kMsgExclamation;
      return LoadText(std::string(m_Side.msgSourceMissingDelete));
    }
  } else if (operation == kFuncKindCheck) {
    if (checked) return LoadText("不能审核已经审核的单据!");
    if (SystemProfile("General", "SingleMan") == "0" && IsLoggedInUser(bill.Field("FPreparer"))) {
      return LoadText("审核与制单不可以为同一人，审核失败！");
    }
  } else if (operation == kFuncKindUncheck) {
    if (!checked) return LoadText("只能反审核已经审核的单据!");
    if (qor::Val(bill.Field("FCheckAmountFor")) != 0) {
      return LoadText("该单据已经被核销,不能反审核!");
    }
    qor::Variant checker = bill.Field("FCheckerid");
    if (!CanUncheckBill(GetPropsString(), checker.IsNull() ? qor::Variant("") : checker)) {
      return LoadText("系统要求单据的反审核人必须是审核人，你不能反审核该单据！");
    }
  }
  return "";
}

// Each bill once, on its own: a bill that fails (or whose operation raises
// an error) has its line in the result and the others go on.
void SettlementBill::RunListOperation(const qor::HostVectorPtr& selection, int32_t operation) {
  auto display = qor::CreateDirect<qor::DispBuilderComponent>("QORDisplayer.DispBuilder");
  display->SetCols(1);
  display->SetTitles(LoadText("提示信息|"));
  std::shared_ptr<qor::ApiRequestComponent> platform;
  if (m_Side.notifiesPlatform) {
    platform = qor::CreateComponent<qor::ApiRequestComponent>("QORPlatformLib.clsApiRequest");
  }
  auto lines = std::make_shared<qor::HostVector>();
  std::string lastMessage;
  int32_t previous = 0;
  int32_t classType = m_LstInterface->ClassTypeID();
  for (int32_t i = 1; i <= selection->Count(); ++i) {
    int32_t billId = 0;
    if (!RowBillId(selection, i, billId) || (i > 1 && billId == previous)) continue;
    previous = billId;
    std::string message;
    try {
      message = PerformBillOperation(operation, classType, billId).message;
    } catch (const qor::VbError& error) {
      message = error.Description();
    }
    if (platform && operation == kFuncKindCheck) platform->InsertRecvBill(GetPropsString(), billId);
    if (platform && operation == kFuncKindDelete)
      platform->DeleteRecvBill(GetPropsString(), billId);
    if (message.empty()) continue;
    lastMessage = message;
    lines->Add(message + "|");
  }
  if (lines->Count() == 1) ShowInfo(lastMessage);
  if (lines->Count() > 1) display->Show(lines);
}

// The voucher of the first selected bill that has one.
void SettlementBill::ListVoucher(const qor::HostVectorPtr& selection, bool& Cancel) {
  int32_t voucherId = 0;
  bool scanned = false;
  for (int32_t i = 1; i <= selection->Count() && voucherId <= 0; ++i) {
    int32_t billId = 0;
    if (!RowBillId(selection, i, billId)) return;
    qor::RecordsetPtr bill = GetStoredBill(billId);
    scanned = true;
    voucherId = bill->IsEOF() ? 0 : qor::CLng(qor::Val(bill->Field("FVoucherId")));
  }
  if (voucherId >= 1 && !HasVoucherAccountRights(voucherId)) {
    ShowInfo(LoadText("存在您无科目权限的会计科目，请系统管理员授权后再进入。"));
    Cancel = true;
    return;
  }
  if (!scanned) return;
  if (voucherId == -1) {
    ShowInfo(LoadText("关联的凭证不在当前系统中"));
  } else if (voucherId < 1) {
    ShowInfo(LoadText("单据未记账。"));
  } else {
    ViewVoucher(voucherId, 1, "QORARAPBillInterface.ViewVch");
  }
}

// Opens the source document the current row settles.
void SettlementBill::ShowLinkedBill() {
  if (!m_rsList || m_rsList->IsEOF() || m_rsList->IsBOF()) return;
  if (qor::CLng(qor::Val(m_rsList->Field("FInterId"))) == 0) return;
  auto fields = std::make_shared<qor::HostVector>();
  fields->Add(KeyColumn(1, "FInterID"));
  fields->Add(KeyColumn(3, "FTranType"));
  m_LstInterface->SetListRSFieldVect(fields);
  m_LstInterface->SetOpt();
  m_LstInterface->Show();
}

}  // namespace qorarap
