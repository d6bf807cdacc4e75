#include "common/periods.h"

#include "host_fixture.h"

namespace common_test {
namespace {

using qorarap::GetPeriodStartDate;
using qorarap::GetSystemValue;
using qorarap::GetTransferDate;

class PeriodsTest : public HostTest {
 protected:
  std::string PeriodStart() {
    double start = -1;
    OnSession([&] { start = GetPeriodStartDate(); });
    return qor::FormatDate(start);
  }
};

TEST_F(PeriodsTest, PeriodStartFollowsTheCurrentPeriodOfTheBusinessSystem) {
  EXPECT_EQ(PeriodStart(), "2026-12-01");
  Sql("UPDATE t_SystemProfile SET FValue = '11' WHERE FCategory = 'IC' AND FKey = 'CurrentPeriod'");
  EXPECT_EQ(PeriodStart(), "2026-11-01");
  // A period without dates gives the empty date.
  Sql("UPDATE t_SystemProfile SET FValue = '13' WHERE FCategory = 'IC' AND FKey = 'CurrentPeriod'");
  EXPECT_EQ(PeriodStart(), "1899-12-30");
}

TEST_F(PeriodsTest, PeriodStartIsAWholeDay) {
  Sql("UPDATE T_PeriodDate SET FStartDate = '2026-12-01 08:30:00' WHERE FYear = 2026 AND FPeriod = "
      "12");
  double start = 0;
  OnSession([&] { start = GetPeriodStartDate(); });
  EXPECT_EQ(start, qor::DateSerial(2026, 12, 1));
}

TEST_F(PeriodsTest, TransferDateFallsBackToTheLastYear) {
  double date = 0;
  OnSession([&] { date = GetTransferDate(); });
  EXPECT_EQ(qor::FormatDate(date), "2025-12-31");
  Sql("UPDATE t_SystemProfile SET FValue = '' WHERE FCategory = 'IC' AND FKey = 'RptTransDate'");
  OnSession([&] { date = GetTransferDate(); });
  EXPECT_EQ(qor::FormatDate(date), "9999-01-01");
}

TEST_F(PeriodsTest, SystemValueOrItsDefaultOnFailure) {
  std::string refresh;
  OnSession([&] { refresh = GetSystemValue("IC", "RefreshAfterAdd", "x"); });
  EXPECT_EQ(refresh, "0");
  Sql("UPDATE t_SystemProfile SET FValue = '1' WHERE FCategory = 'IC' AND FKey = "
      "'RefreshAfterAdd'");
  OnSession([&] { refresh = GetSystemValue("IC", "RefreshAfterAdd", "x"); });
  EXPECT_EQ(refresh, "1");
  Sql("DROP TABLE t_SystemProfile");
  OnSession([&] { refresh = GetSystemValue("IC", "RefreshAfterAdd", "x"); });
  EXPECT_EQ(refresh, "x");
}

}  // namespace
}  // namespace common_test
