#include <gtest/gtest.h>

#include "common/periods.h"
#include "core/vb.h"

namespace qorarap {
namespace {

std::string SettleDate(int year, int month, int day, int32_t settleDay, int32_t days) {
  return qor::FormatDate(GetSettleDate(qor::DateSerial(year, month, day), settleDay, days));
}

TEST(GetSettleDateTest, SameMonthUnlessTheDayHasPassed) {
  EXPECT_EQ(SettleDate(2024, 1, 30, 31, 0), "2024-01-31");
  EXPECT_EQ(SettleDate(2024, 1, 30, 15, 0), "2024-02-15");
  EXPECT_EQ(SettleDate(2024, 1, 15, 15, 0), "2024-01-15");
  EXPECT_EQ(SettleDate(2026, 12, 11, 25, 0), "2026-12-25");
}

TEST(GetSettleDateTest, CountsTheDaysBeforeChoosingTheMonth) {
  EXPECT_EQ(SettleDate(2026, 12, 6, 10, 20), "2027-01-10");
  EXPECT_EQ(SettleDate(2026, 12, 6, 10, 0), "2026-12-10");
  EXPECT_EQ(SettleDate(2026, 11, 25, 10, 3), "2026-12-10");
  EXPECT_EQ(SettleDate(2026, 12, 1, 25, -10), "2026-11-25");
}

TEST(GetSettleDateTest, FebruaryEndsOnThe29thInYearsDivisibleByFour) {
  EXPECT_EQ(SettleDate(2024, 1, 31, 30, 0), "2024-02-29");
  EXPECT_EQ(SettleDate(2023, 1, 31, 30, 0), "2023-02-28");
  EXPECT_EQ(SettleDate(2024, 2, 1, 31, 0), "2024-02-29");
  EXPECT_EQ(SettleDate(2023, 2, 1, 29, 0), "2023-02-28");
  EXPECT_EQ(SettleDate(2023, 2, 1, 28, 0), "2023-02-28");
  // 2100 is divisible by four but has no 29 February: the day runs on into March.
  EXPECT_EQ(SettleDate(2100, 2, 1, 30, 0), "2100-03-01");
}

TEST(GetSettleDateTest, ThirtyDayMonthsEndOnThe30th) {
  for (int month : {4, 6, 9, 11}) {
    EXPECT_EQ(SettleDate(2025, month, 1, 31, 0), qor::FormatDate(qor::DateSerial(2025, month, 30)));
  }
  EXPECT_EQ(SettleDate(2025, 3, 31, 31, 0), "2025-03-31");
}

TEST(GetSettleDateTest, DecemberMovesToJanuaryOfTheNextYear) {
  EXPECT_EQ(SettleDate(2023, 12, 20, 15, 0), "2024-01-15");
  EXPECT_EQ(SettleDate(2023, 12, 31, 30, 0), "2024-01-30");
}

}  // namespace
}  // namespace qorarap
