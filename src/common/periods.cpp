#include "common/periods.h"

#include "common/bill_fields.h"
#include "common/messages.h"
#include "core/vb.h"
#include "frame/login_context.h"
#include "host/components.h"
#include "host/platform.h"

namespace qorarap {

namespace {

constexpr char kPeriodStartSql[] =
    "declare @Per int,@Year int \r\n"
    "select @Per=Fvalue From t_systemprofile where FCategory='IC' and FKey='CurrentPeriod' \r\n"
    "select @Year=Fvalue From t_systemprofile where FCategory='IC' and FKey='CurrentYear' \r\n"
    "Select FStartDate,FEndDate From T_PeriodDate where FYear=@Year And FPeriod=@Per ";

constexpr int kFebruary = 2;
constexpr int kDecember = 12;

bool IsThirtyDayMonth(int month) { return month == 4 || month == 6 || month == 9 || month == 11; }

// The settlement day as it exists in the month: February ends on the 29th in
// years divisible by 4 and on the 28th otherwise; 31 becomes 30 in the
// thirty-day months.
int SettleDayInMonth(int year, int month, int settleDay) {
  if (month == kFebruary && settleDay >= 29) return year % 4 == 0 ? 29 : 28;
  if (IsThirtyDayMonth(month) && settleDay == 31) return 30;
  return settleDay;
}

}  // namespace

bool CheckBillDate(const std::shared_ptr<qor::BillEvent>& billEditor) {
  try {
    qor::Variant billDate = GetBillFieldValue(billEditor, "FDate", kHeaderRow);
    auto search = qor::CreateComponent<qor::CommonSearchComponent>("QORMCaculate.CommonSearch");
    int32_t year = 0;
    int32_t period = 0;
    qor::Variant periodStart;
    qor::Variant periodEnd;
    search->GetDateExt(GetPropsString(), year, period, periodStart, periodEnd);
    if (qor::CDate(billDate) >= qor::CDate(periodStart)) return true;
    ShowMessage(FormatText("不能保存业务系统当前使用期间之前的单据,请修改单据日期。"),
                kMsgExclamation, kMessageTitle);
    return false;
  } catch (const qor::VbError&) {
    return true;
  }
}

double GetPeriodStartDate() {
  auto access = qor::CreateComponent<qor::BillDataAccessComponent>("QORBillDataAccess.GetData");
  qor::RecordsetPtr rs = access->ExecuteSql(GetPropsString(), kPeriodStartSql);
  if (!rs || rs->IsEOF()) return 0;
  std::string startText = qor::FormatDate(qor::CDate(rs->Field("FStartDate")));
  return qor::CDate(qor::Variant(startText));
}

double GetSettleDate(double baseDate, int32_t settleDay, int32_t days) {
  double date = baseDate + days;
  int year = qor::Year(date);
  int month = qor::Month(date);
  if (qor::Day(date) > settleDay) {
    if (month == kDecember) {
      month = 1;
      ++year;
    } else {
      ++month;
    }
  }
  return qor::DateSerial(year, month, SettleDayInMonth(year, month, settleDay));
}

double GetTransferDate() {
  try {
    auto system = qor::CreateComponent<qor::SystemComponent>("QORMSystem.System");
    return qor::CDate(system->GetRptTransDate(GetPropsString()));
  } catch (const qor::VbError&) {
    return qor::DateSerial(9999, 1, 1);
  }
}

std::string GetSystemValue(const std::string& category, const std::string& key,
                           const std::string& defaultValue) {
  try {
    auto sysInfo = qor::CreateComponent<qor::SysInfoComponent>("QORBillDataAccess.SysInfo");
    return sysInfo->GetSysValue(GetPropsString(), category, key);
  } catch (const qor::VbError&) {
    return defaultValue;
  }
}

}  // namespace qorarap
