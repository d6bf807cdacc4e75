// The check before an other bill is saved: its number, partner, rows and
// totals, the partner's credit limit, and the reminder about the settlement
// account of an on-account bill.

#include "common/bill_fields.h"
#include "common/messages.h"
#include "common/periods.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "otherbills/other_bill.h"

namespace qorarap {

namespace {

constexpr int32_t kFirstEntry = 1;
constexpr int32_t kMsgStop = 16;
constexpr int16_t kCreditWarn = 2;
constexpr int16_t kCreditRefuse = 3;

}  // namespace

// What the rows of the bill add up to.
struct OtherBill::SaveTotals {
  std::string typeList;  // type ids of the typed rows, "4,5"
  double amountFor = 0;
  double amount = 0;
};

// A run-time error anywhere in the check refuses the save without a message.
void OtherBill::m_BillInterface_BeforeSave(bool& bCancel) {
  try {
    auto editor = Editor();
    if (!CheckBillDate(editor)) {
      bCancel = true;
      return;
    }
    if (!CheckSaveHeader()) {
      bCancel = true;
      return;
    }
    int32_t accountId = qor::CLng(qor::Val(GetBillFieldValue(editor, "FAcctId")));
    SaveTotals totals;
    if (!CheckSaveRows(totals)) {
      bCancel = true;
      return;
    }
    if (totals.typeList.empty()) {
      Refuse("单据体要求至少有一条分录，请输入单据体信息！", bCancel);
      return;
    }
    auto types = qor::CreateComponent<qor::InOutTypeComponent>("QORebsArAPBill.clsInOutType");
    if (types->IsSameAcctId(GetPropsString(), totals.typeList, accountId)) {
      Refuse(std::string(m_Side.sameAccountMessage), bCancel);
      return;
    }
    if (totals.amountFor == 0) {
      Refuse(std::string(m_Side.zeroTotalMessage), bCancel);
      return;
    }
    SetBillFieldValue(editor, "FAmountFor", kHeaderRow, totals.amountFor);
    SetBillFieldValue(editor, "FAmount", kHeaderRow, totals.amount);
    if (!ConfirmCreditLimit()) {
      bCancel = true;
      return;
    }
    SumEntryAmounts();
    if (IsOnAccount()) ShowSettleAccountHint();
  } catch (const qor::VbError&) {
    bCancel = true;
  }
}

bool OtherBill::Refuse(const std::string& message, bool& bCancel) {
  ShowMessage(message, kMsgExclamation);
  bCancel = true;
  return false;
}

// The number is not used by a bill of the other side, and an on-account
// bill names its partner.
bool OtherBill::CheckSaveHeader() {
  auto editor = Editor();
  bool cancel = false;
  std::string billNo = qor::StrOf(GetBillFieldValue(editor, "FBillNo"));
  auto bills = qor::CreateComponent<qor::ArApBillInfoComponent>(
      std::string(m_Side.duplicateNumberComponent));
  qor::RecordsetPtr rs = m_Side.duplicateNumberOfReceivables
                             ? bills->GetARBillInfo(GetPropsString(), billNo)
                             : bills->GetAPBillInfo(GetPropsString(), billNo);
  if (rs && !rs->IsEOF() && rs->RecordCount() > 0) {
    return Refuse(std::string(m_Side.duplicateNumberMessage), cancel);
  }
  if (IsOnAccount() &&
      qor::Val(GetBillFieldValue(editor, std::string(m_Side.requiredPartnerKey))) == 0) {
    return Refuse(std::string(m_Side.partnerRequiredMessage), cancel);
  }
  return true;
}

// Every typed row has an amount and a leaf type; a row without a type may
// only be the empty last row, which goes (unless it is the only row).
bool OtherBill::CheckSaveRows(SaveTotals& totals) {
  auto editor = Editor();
  bool cancel = false;
  int32_t rowCount = GetEntryRowCount(editor, kFirstEntry);
  for (int32_t row = 1; row <= rowCount; ++row) {
    int32_t typeId = qor::CLng(qor::Val(GetBillFieldValue(editor, "FInOutTypeId", row)));
    double amountFor = qor::Val(GetBillFieldValue(editor, "FBillAmountFor", row));
    if (typeId > 0) {
      if (!totals.typeList.empty()) totals.typeList += ",";
      totals.typeList += std::to_string(typeId);
      if (amountFor == 0) {
        return Refuse(FormatText(std::string(m_Side.rowWithoutAmountMessage), row), cancel);
      }
      totals.amountFor += amountFor;
      totals.amount += qor::Val(GetBillFieldValue(editor, "FBillAmount", row));
      m_rsInOutType->SetFilter(" FId=" + std::to_string(typeId));
      if (!m_rsInOutType->IsEOF() && qor::Val(m_rsInOutType->Field("FIsLeaf")) == 0) {
        return Refuse(FormatText(std::string(m_Side.rowTypeNotLeafMessage), row), cancel);
      }
      continue;
    }
    bool emptyLastRow = amountFor == 0 && row == rowCount &&
                        qor::StrOf(GetBillFieldValue(editor, "FBillNote", row)).empty();
    if (!emptyLastRow) {
      return Refuse(FormatText(std::string(m_Side.rowWithoutTypeMessage), row), cancel);
    }
    if (row > 1) {
      auto rows = qor::AsRequired<qor::HostVector>(editor->GetBillObject()->Data("Page2"));
      rows->Remove(row);
    }
  }
  return true;
}

// Warns (the user may go on) or refuses when the partner's credit limit is
// passed; false when the save is not to go on.
bool OtherBill::ConfirmCreditLimit() {
  int16_t mode = CheckCreditLimit();
  if (mode == kCreditWarn) {
    return ShowMessage(std::string(m_Side.creditWarningMessage), kMsgYesNoInformation) ==
           kAnswerYes;
  }
  if (mode == kCreditRefuse) {
    ShowMessage(std::string(m_Side.creditRefusalMessage), kMsgStop);
    return false;
  }
  return true;
}

// An on-account bill becomes a receivable or payable of the partner, so its
// settlement account should be of that kind; the component says whether the
// user still wants to be told.
void OtherBill::ShowSettleAccountHint() {
  auto bills = qor::CreateComponent<qor::ArApBillComponent>("QORebsArApBill.clsArOtherBill");
  qor::Variant answer = bills->GetBill(GetPropsString(), m_Side.settleAccountHintOfReceivables);
  bool isTrue = answer.IsNumber() && qor::CDbl(answer) != 0;
  if (!isTrue) ShowMessage(std::string(m_Side.settleAccountHint), kMsgExclamation);
}

}  // namespace qorarap
