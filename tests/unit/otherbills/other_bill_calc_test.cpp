#include "otherbills/other_bill_calc.h"

#include <gtest/gtest.h>

#include <string>

#include "core/vb.h"
#include "core/vb_error.h"

namespace qorarap {
namespace {

double Date(int year, int month, int day) { return qor::DateSerial(year, month, day); }

std::string Due(double billDate, const std::optional<PaymentTerms>& terms) {
  return qor::FormatDate(DueDateOf(billDate, terms));
}

PaymentTerms ByDays(int32_t days) { return {kTermsByDays, days, 0, 0}; }
PaymentTerms Monthly(int32_t payDay, int32_t beforeDays) {
  return {kTermsMonthly, 0, payDay, beforeDays};
}

TEST(OtherBillDueDate, DaysAfterTheBillDateCrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(Due(Date(2026, 12, 15), ByDays(30)), "2027-01-14");
  EXPECT_EQ(Due(Date(2026, 12, 31), ByDays(1)), "2027-01-01");
  EXPECT_EQ(Due(Date(2026, 11, 30), ByDays(60)), "2027-01-29");
  EXPECT_EQ(Due(Date(2028, 2, 28), ByDays(1)), "2028-02-29") << "2028 is a leap year";
  EXPECT_EQ(Due(Date(2027, 2, 28), ByDays(1)), "2027-03-01");
  EXPECT_EQ(Due(Date(2028, 1, 30), ByDays(30)), "2028-02-29");
  EXPECT_EQ(Due(Date(2026, 12, 15), ByDays(0)), "2026-12-15");
}

TEST(OtherBillDueDate, MonthlyPayDayOnOrAfterTheDaysBefore) {
  EXPECT_EQ(Due(Date(2026, 12, 10), Monthly(25, 20)), "2027-01-25")
      << "12-30 is past the 25th: next month";
  EXPECT_EQ(Due(Date(2026, 12, 5), Monthly(25, 20)), "2026-12-25") << "the 25th itself counts";
  EXPECT_EQ(Due(Date(2026, 12, 4), Monthly(25, 0)), "2026-12-25");
  EXPECT_EQ(Due(Date(2026, 12, 26), Monthly(25, 0)), "2027-01-25");
  EXPECT_EQ(Due(Date(2026, 12, 15), Monthly(10, 20)), "2027-01-10");
}

TEST(OtherBillDueDate, MonthEndPayDaysFollowShortMonths) {
  EXPECT_EQ(Due(Date(2028, 2, 1), Monthly(31, 0)), "2028-02-29");
  EXPECT_EQ(Due(Date(2027, 2, 1), Monthly(30, 0)), "2027-02-28");
  EXPECT_EQ(Due(Date(2027, 1, 31), Monthly(31, 1)), "2027-02-28")
      << "02-01 lies before the month's last day";
  EXPECT_EQ(Due(Date(2027, 4, 2), Monthly(31, 0)), "2027-04-30");
}

TEST(OtherBillDueDate, NoTermsOrAnotherKindKeepTheBillDate) {
  EXPECT_EQ(Due(Date(2026, 12, 15), std::nullopt), "2026-12-15");
  EXPECT_EQ(Due(Date(2026, 12, 15), PaymentTerms{3, 30, 25, 20}), "2026-12-15");
  EXPECT_EQ(Due(Date(2026, 12, 15), PaymentTerms{0, 30, 0, 0}), "2026-12-15");
}

TEST(OtherBillExchangeRate, OperatorGivesTheRateItsReciprocalOrNothing) {
  EXPECT_DOUBLE_EQ(BillExchangeRate("*", 7.1), 7.1);
  EXPECT_DOUBLE_EQ(BillExchangeRate("/", 20), 0.05);
  EXPECT_DOUBLE_EQ(BillExchangeRate("", 7.1), 0);
  EXPECT_DOUBLE_EQ(BillExchangeRate("x", 7.1), 0);
  try {
    BillExchangeRate("/", 0);
    FAIL() << "a reciprocal of 0 is an error";
  } catch (const qor::VbError& error) {
    EXPECT_EQ(error.Number(), 11);
  }
}

TEST(OtherBillIsInList, VariantEqualityAcrossTypes) {
  std::vector<qor::Variant> kinds = {qor::Variant(1000201), qor::Variant(1000205)};
  EXPECT_TRUE(IsInList(qor::Variant(1000205), kinds));
  EXPECT_TRUE(IsInList(qor::Variant("1000205"), kinds)) << "a numeric text equals the number";
  EXPECT_TRUE(IsInList(qor::Variant(1000201.0), kinds));
  EXPECT_FALSE(IsInList(qor::Variant(1000207), kinds));
  EXPECT_FALSE(IsInList(qor::Variant(), kinds));
  EXPECT_FALSE(IsInList(qor::Variant(1), {}));
}

}  // namespace
}  // namespace qorarap
