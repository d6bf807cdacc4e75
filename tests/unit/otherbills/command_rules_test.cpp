#include <gtest/gtest.h>

#include "core/vb.h"
#include "otherbills/other_bill_command_rules.h"

namespace qorarap {
namespace {

using qor::Variant;

TEST(OtherBillCommandRules, OperationWords) {
  EXPECT_EQ(OperationWord(kBillOperationDelete), "删除");
  EXPECT_EQ(OperationWord(kBillOperationCheck), "审核");
  EXPECT_EQ(OperationWord(kBillOperationUnCheck), "反审核");
  EXPECT_EQ(OperationWord(5), "");
}

TEST(OtherBillCommandRules, PeriodStartComparesTheDayOnly) {
  double start = qor::DateSerial(2026, 12, 1);
  EXPECT_TRUE(IsBeforePeriodStart(Variant::Date(qor::DateSerial(2026, 11, 30) + 0.75), start));
  // A time of day on the first day of the period is not earlier.
  EXPECT_FALSE(IsBeforePeriodStart(Variant::Date(start + 0.5), start));
  EXPECT_FALSE(IsBeforePeriodStart(Variant("2026-12-01"), start));
  EXPECT_FALSE(IsBeforePeriodStart(Variant::Date(qor::DateSerial(2027, 1, 2)), start));
  // A year boundary compares as dates, not as day numbers of a month.
  EXPECT_TRUE(IsBeforePeriodStart(Variant("2025-12-31"), qor::DateSerial(2026, 1, 1)));
}

TEST(OtherBillCommandRules, MissingDateCountsAsEarlier) {
  double start = qor::DateSerial(2026, 12, 1);
  EXPECT_EQ(DateText(Variant()), "");
  EXPECT_EQ(DateText(Variant::Null()), "");
  EXPECT_EQ(DateText(Variant("  ")), "");
  EXPECT_TRUE(IsBeforePeriodStart(Variant(), start));
}

}  // namespace
}  // namespace qorarap
