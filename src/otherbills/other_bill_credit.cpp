// The partner's credit: the status shown in panel 5 and the credit limit
// applied when an on-account bill is saved.

#include "common/bill_fields.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"
#include "otherbills/other_bill.h"
#include "otherbills/other_bill_calc.h"

namespace qorarap {

namespace {

constexpr int32_t kStatusPanel = 5;

// Bill kinds whose partners have a credit status.
const std::vector<qor::Variant>& CreditBillKinds() {
  static const std::vector<qor::Variant> kinds = {qor::Variant(1000201), qor::Variant(1000202),
                                                  qor::Variant(1000205), qor::Variant(1000206)};
  return kinds;
}

// The code of a base-data value as the header page holds it (its text when
// it has no code).
std::string PartnerNumber(const qor::HostDictionaryPtr& fieldData) {
  if (!fieldData) return "";
  std::string code = qor::StrOf(fieldData->Item("FFND"));
  return code.empty() ? qor::StrOf(fieldData->Item("FDSP")) : code;
}

}  // namespace

void OtherBill::ShowCreditStatus() {
  auto editor = Editor();
  auto pages = editor->GetBillPages();
  auto header = qor::As<qor::HostDictionary>(pages->Item(1).ObjectValue());
  qor::HostDictionaryPtr fieldData;
  if (header) {
    fieldData =
        qor::As<qor::HostDictionary>(header->Item(m_Side.creditStatusPartnerKey).ObjectValue());
  }
  std::string number = PartnerNumber(fieldData);
  qor::Variant classType(editor->GetClassTypeID());
  editor->SetStatusText(kStatusPanel, GetCreditStatusText(number, classType));
}

void OtherBill::ClearCreditStatus() { Editor()->SetStatusText(kStatusPanel, ""); }

std::string OtherBill::GetCreditStatusText(const std::string& number,
                                           const qor::Variant& classType) {
  if (!IsInList(classType, CreditBillKinds())) return "";
  if (number.empty()) return "";
  auto credit = qor::CreateDirect<qor::CreditComponent>("QORBills.clsCredit");
  return credit->GetStatusMoneyAndCredit(number, qor::CLng(classType));
}

// 0 when the bill may be saved as far as credit goes, else the control mode
// of the setting (2 warn, 3 refuse) once the partner's balance with this
// bill passes the partner's limit.
int16_t OtherBill::CheckCreditLimit() {
  if (!IsOnAccount()) return 0;
  auto editor = Editor();
  auto setting = ExecuteSql(std::string(m_Side.creditControlSql));
  std::string mode = qor::Trim(qor::StrOf(setting->Field(setting->Columns().at(0))));
  if (mode == "1") return 0;

  int32_t partnerId =
      qor::CLng(qor::Val(editor->GetFieldValue(std::string(m_Side.partnerKey), kHeaderRow)));
  auto partner =
      ExecuteSql("Select FCreditDegree,FNumber From " + std::string(m_Side.partnerTable) +
                 " Where FItemID=" + std::to_string(partnerId));
  double limit = qor::Val(partner->Field("FCreditDegree"));
  std::string number = qor::Trim(qor::StrOf(partner->Field("FNumber")));
  if (limit <= 0) return 0;

  double balance = PartnerBalance(number) + qor::Val(editor->GetFieldValue("FAmount", kHeaderRow));
  // A bill saved before is taken out of the balance again: the stored
  // on-account bill looked up under the partner's id.
  if (editor->GetBillInterID() >= 1) {
    auto stored =
        ExecuteSql("Select FBillTypeId,FAmount From " + std::string(m_Side.storedBillTable) +
                   " Where FBillID=" + std::to_string(partnerId));
    if (!stored->IsEOF() && IsOnAccountValue(stored->Field("FBillTypeId"))) {
      balance -= qor::Val(stored->Field("FAmount"));
    }
  }
  if (balance > limit) return qor::CInt(qor::Variant(qor::Val(mode)));
  return 0;
}

// The partner's remaining balance in local currency from the AR/AP report.
double OtherBill::PartnerBalance(const std::string& number) {
  auto report = qor::CreateDirect<qor::ReportDataComponent>("QORMYWARAPRpt.Data");
  auto params = BalanceReportParameters(number);
  qor::RecordsetPtr rs = m_Side.reportOfReceivables
                             ? report->GetRpt131Data(GetPropsString(), params)
                             : report->GetRpt132Data(GetPropsString(), params);
  if (!rs) return 0;
  rs->SetFilter("FSumSort=0");
  if (rs->IsEOF()) return 0;
  return qor::Val(rs->Field("FRemainAmount"));
}

qor::HostDictionaryPtr OtherBill::BalanceReportParameters(const std::string& number) const {
  auto params = std::make_shared<qor::HostDictionary>();
  auto set = [&params](std::string_view key, qor::Variant value) {
    params->SetItem(key, std::move(value));
  };
  set("OK", true);
  set("BDate", "1900-01-01");
  set("EDate", "2090-01-01");
  set(m_Side.reportBeginPartnerKey, number);
  set(m_Side.reportEndPartnerKey, number);
  for (const char* key : {"BDeptNumber", "EDeptNumber", "BEmpNumber", "EEmpNumber"}) set(key, "");
  set("CurrencyName", "综合本位币");
  set("CurrencyID", 0);
  set(m_Side.reportNoInvoiceKey, 0);
  set(m_Side.reportCashInvoiceKey, 0);
  set("IncludeNotAudit", 1);
  set("BalanceNotZero", 0);
  set("FSNotZero", 0);
  set("IncludeOther", 1);
  set("GroupBy", 0);
  set("BLevel", 1);
  set("ELevel", 1);
  set("SumMode", 1);
  set("SumName", std::string(m_Side.reportSumName));
  set("bLongNumber", true);
  set("DataRightWhere", "");
  return params;
}

}  // namespace qorarap
