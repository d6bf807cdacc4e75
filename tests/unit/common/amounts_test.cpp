#include "common/amounts.h"

#include <gtest/gtest.h>

#include "core/vb.h"

namespace qorarap {
namespace {

double Rounded(const qor::Variant& value, int32_t decimals) {
  return qor::CDbl(RoundAmount(value, decimals));
}

TEST(RoundAmountTest, ExactHalvesRoundAwayFromZero) {
  EXPECT_EQ(Rounded(2.345, 2), 2.35);
  EXPECT_EQ(Rounded(-2.345, 2), -2.35);
  EXPECT_EQ(Rounded(1.005, 2), 1.01);
  EXPECT_EQ(Rounded(0.285, 2), 0.29);
  EXPECT_EQ(Rounded(2.5, 0), 3);
  EXPECT_EQ(Rounded(-0.5, 0), -1);
  EXPECT_EQ(Rounded(1234.5, 0), 1235);
  EXPECT_EQ(Rounded("2.345", 2), 2.35);
}

TEST(RoundAmountTest, BelowAndAboveTheHalf) {
  EXPECT_EQ(Rounded(2.344, 2), 2.34);
  EXPECT_EQ(Rounded(2.3449999, 2), 2.34);
  EXPECT_EQ(Rounded(-2.3449999, 2), -2.34);
  EXPECT_EQ(Rounded(7.1 * 3, 2), 21.3);
  EXPECT_EQ(Rounded(123.456789, 4), 123.4568);
  EXPECT_EQ(Rounded(1000, 2), 1000);
  EXPECT_EQ(Rounded(0.004, 2), 0);
}

TEST(RoundAmountTest, NullZeroAndHugeAmountsGiveTheIntegerZero) {
  for (const qor::Variant& value :
       {qor::Variant::Null(), qor::Variant(0), qor::Variant(0.0), qor::Variant(1E+15),
        qor::Variant(-1E+15), qor::Variant(922337203685478.0)}) {
    qor::Variant result = RoundAmount(value, 2);
    EXPECT_EQ(result.Type(), qor::VarType::Long);
    EXPECT_EQ(result.LongValue(), 0);
  }
  EXPECT_EQ(Rounded(922337203685477.0, 0), 922337203685477.0);
}

TEST(RoundAmountTest, ResultIsADouble) {
  qor::Variant result = RoundAmount(qor::Variant(5), 2);
  EXPECT_EQ(result.Type(), qor::VarType::Double);
  EXPECT_EQ(qor::CStr(RoundAmount(2.345, 2)), "2.35");
}

}  // namespace
}  // namespace qorarap
