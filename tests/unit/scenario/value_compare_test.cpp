#include "refhost/scenario/value_compare.h"

#include <gtest/gtest.h>

#include "core/vb.h"

namespace refhost::scenario {
namespace {

Token Plain(const std::string& text) { return Token{text, false}; }
Token Quoted(const std::string& text) { return Token{text, true}; }

TEST(ReadNumber, PlainDecimalsOnly) {
  EXPECT_EQ(ReadNumber("12"), 12.0);
  EXPECT_EQ(ReadNumber("-3.5"), -3.5);
  EXPECT_EQ(ReadNumber("+.5"), 0.5);
  EXPECT_EQ(ReadNumber("1e3"), 1000.0);
  EXPECT_EQ(ReadNumber("2.5E-1"), 0.25);
  EXPECT_FALSE(ReadNumber(""));
  EXPECT_FALSE(ReadNumber("-"));
  EXPECT_FALSE(ReadNumber("."));
  EXPECT_FALSE(ReadNumber("1e"));
  EXPECT_FALSE(ReadNumber("12abc"));
  EXPECT_FALSE(ReadNumber(" 12"));
  EXPECT_FALSE(ReadNumber("&H10"));
  EXPECT_FALSE(ReadNumber("2024-01-05"));
}

TEST(NumbersEqual, RelativeOrAbsoluteTolerance) {
  EXPECT_TRUE(NumbersEqual(100, 100.0000000001));
  EXPECT_FALSE(NumbersEqual(100, 100.001));
  EXPECT_TRUE(NumbersEqual(0, 5e-10));
  EXPECT_FALSE(NumbersEqual(0, 2e-9));
  // Large magnitudes compare relatively.
  EXPECT_TRUE(NumbersEqual(1e12, 1e12 + 500));
  EXPECT_FALSE(NumbersEqual(1e12, 1e12 + 2000));
  EXPECT_FALSE(NumbersEqual(-1, 1));
}

TEST(ValueMatches, UnquotedNumberComparesNumerically) {
  EXPECT_TRUE(ValueMatches(qor::Variant(100.0000000001), Plain("100")));
  EXPECT_TRUE(ValueMatches(qor::Variant(1.0), Plain("1.00")));
  EXPECT_TRUE(ValueMatches(qor::Variant(int32_t{5}), Plain("5.0")));
  EXPECT_TRUE(ValueMatches(qor::Variant(std::string("1.00")), Plain("1")));
  EXPECT_TRUE(ValueMatches(qor::Variant(true), Plain("-1")));
  EXPECT_FALSE(ValueMatches(qor::Variant(99.5), Plain("100")));
}

TEST(ValueMatches, QuotedValueComparesAsText) {
  EXPECT_FALSE(ValueMatches(qor::Variant(1.0), Quoted("1.00")));
  EXPECT_TRUE(ValueMatches(qor::Variant(1.0), Quoted("1")));
  EXPECT_TRUE(ValueMatches(qor::Variant(std::string("1.00")), Quoted("1.00")));
  EXPECT_FALSE(ValueMatches(qor::Variant(std::string("1.00")), Quoted("1.0")));
  EXPECT_TRUE(ValueMatches(qor::Variant(2.345), Quoted("2.345")));
}

TEST(ValueMatches, NonNumbersCompareAsExactText) {
  EXPECT_TRUE(ValueMatches(qor::Variant(std::string("RB0001")), Plain("RB0001")));
  EXPECT_FALSE(ValueMatches(qor::Variant(std::string("rb0001")), Plain("RB0001")));
  // A number against a text that is no number is a text comparison.
  EXPECT_FALSE(ValueMatches(qor::Variant(std::string("abc")), Plain("0")));
  EXPECT_TRUE(ValueMatches(qor::Variant::Date(qor::DateSerial(2024, 1, 5)), Plain("2024-01-05")));
  EXPECT_TRUE(ValueMatches(qor::Variant(false), Plain("False")));
}

TEST(ValueMatches, EmptyAndNullReadAsEmptyText) {
  EXPECT_TRUE(ValueMatches(qor::Variant(), Quoted("")));
  EXPECT_TRUE(ValueMatches(qor::Variant::Null(), Quoted("")));
  EXPECT_TRUE(ValueMatches(qor::Variant(std::string()), Quoted("")));
  EXPECT_FALSE(ValueMatches(qor::Variant(), Plain("0")));
  EXPECT_FALSE(ValueMatches(qor::Variant(int32_t{0}), Quoted("")));
}

}  // namespace
}  // namespace refhost::scenario
