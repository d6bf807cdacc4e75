#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/vb.h"
#include "unit/core/core_test_util.h"

namespace qor {
namespace {

TEST(ValTest, ReadsTheLeadingNumberSkippingBlanks) {
  EXPECT_EQ(Val("1 2 3"), 123);
  EXPECT_EQ(Val(" -1.5e2abc"), -150);
  EXPECT_EQ(Val("\t1\n0"), 10);
  EXPECT_EQ(Val("- 4 . 5"), -4.5);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("12abc34"), 12);
  EXPECT_EQ(Val("1,000"), 1);
  EXPECT_EQ(Val("3.14.15"), 3.14);
  EXPECT_EQ(Val("--1"), 0);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("   "), 0);
}

TEST(ValTest, ReadsExponentsWithEOrD) {
  EXPECT_EQ(Val("1E3"), 1000);
  EXPECT_EQ(Val("1d2"), 100);
  EXPECT_EQ(Val("25e-2"), 0.25);
  EXPECT_EQ(Val("2e+1x"), 20);
  // An exponent marker without digits is trailing junk.
  EXPECT_EQ(Val("5e"), 5);
  EXPECT_EQ(Val("5e+"), 5);
  EXPECT_EQ(Val("5E x"), 5);
  EXPECT_EQ(Val("1e-400"), 0);
  EXPECT_EQ(ErrorOf([] { Val("1e400"); }), kErrOverflow);
}

TEST(ValTest, ReadsHexAndOctalAsSixteenOrThirtyTwoBitIntegers) {
  EXPECT_EQ(Val("&H1F"), 31);
  EXPECT_EQ(Val("&h1fz"), 31);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_EQ(Val("&o78"), 7);
  EXPECT_EQ(Val("&HFFFF"), -1);
  EXPECT_EQ(Val("&H7FFF"), 32767);
  EXPECT_EQ(Val("&H10000"), 65536);
  EXPECT_EQ(Val("&HFFFFFFFF"), -1);
  EXPECT_EQ(Val("&H"), 0);
  EXPECT_EQ(ErrorOf([] { Val("&H100000000"); }), kErrOverflow);
}

TEST(ValTest, ReadsVariantsByType) {
  EXPECT_EQ(Val(Variant()), 0);
  EXPECT_EQ(Val(Variant::Null()), 0);
  EXPECT_EQ(Val(Variant(true)), -1);
  EXPECT_EQ(Val(Variant(false)), 0);
  EXPECT_EQ(Val(Variant(42)), 42);
  EXPECT_EQ(Val(Variant(2.5)), 2.5);
  EXPECT_EQ(Val(Variant(" 12 kg")), 12);
  EXPECT_EQ(Val(Variant::Date(45292.5)), 45292.5);
}

TEST(CLngTest, RoundsHalfToEven) {
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(0.5), 0);
  EXPECT_EQ(CLng(1.5), 2);
  EXPECT_EQ(CLng(-2.5), -2);
  EXPECT_EQ(CLng(-3.5), -4);
  EXPECT_EQ(CLng(-0.5), 0);
  EXPECT_EQ(CLng(2.5000001), 3);
  EXPECT_EQ(CLng(-2.4999999), -2);
  EXPECT_EQ(CLng("2.5"), 2);
  EXPECT_EQ(CLng(" 12.5 "), 12);
  EXPECT_EQ(CLng("13.5"), 14);
  EXPECT_EQ(CInt(6.5), 6);
  EXPECT_EQ(CInt(-7.5), -8);
}

TEST(CLngTest, OverflowsOutsideTheIntegerRange) {
  EXPECT_EQ(CLng(2147483647.0), 2147483647);
  EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<int32_t>::min());
  // Rounds to even first: -2147483648.5 stays in range, 2147483647.5 does not.
  EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ErrorOf([] { CLng(2147483647.5); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { CLng(-2147483649.0); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { CLng(1e20); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { CLng(std::nan("")); }), kErrOverflow);
  EXPECT_EQ(CInt(32767.0), 32767);
  EXPECT_EQ(CInt(-32768.0), -32768);
  EXPECT_EQ(ErrorOf([] { CInt(32767.5); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { CInt(40000); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { CInt("-32769"); }), kErrOverflow);
}

TEST(ConversionTest, EmptyNullBooleanAndTextRules) {
  EXPECT_EQ(CLng(Variant()), 0);
  EXPECT_EQ(CDbl(Variant()), 0);
  EXPECT_FALSE(CBool(Variant()));
  EXPECT_EQ(CStr(Variant()), "");
  EXPECT_EQ(ErrorOf([] { CLng(Variant::Null()); }), 94);
  EXPECT_EQ(ErrorOf([] { CDbl(Variant::Null()); }), 94);
  EXPECT_EQ(ErrorOf([] { CBool(Variant::Null()); }), 94);
  EXPECT_EQ(ErrorOf([] { CStr(Variant::Null()); }), 94);
  EXPECT_EQ(ErrorOf([] { CDate(Variant::Null()); }), 94);
  EXPECT_EQ(StrOf(Variant::Null()), "");
  EXPECT_EQ(StrOf(Variant(7)), "7");

  EXPECT_EQ(CLng(true), -1);
  EXPECT_EQ(CDbl(false), 0);
  EXPECT_EQ(CDbl(" -1.25e1 "), -12.5);
  EXPECT_EQ(CDbl("1,234.5"), 1234.5);
  EXPECT_EQ(CDbl("&H10"), 16);
  EXPECT_EQ(ErrorOf([] { CDbl("12abc"); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CLng(""); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CLng("1 2"); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CDbl(Variant(ObjectPtr())); }), kErrTypeMismatch);
}

TEST(ConversionTest, CBoolReadsNumbersAndTruthTexts) {
  EXPECT_TRUE(CBool(5));
  EXPECT_TRUE(CBool(-0.1));
  EXPECT_FALSE(CBool(0.0));
  EXPECT_TRUE(CBool("TRUE"));
  EXPECT_TRUE(CBool(" true "));
  EXPECT_FALSE(CBool("False"));
  EXPECT_TRUE(CBool("-1"));
  EXPECT_FALSE(CBool("0"));
  EXPECT_EQ(ErrorOf([] { CBool("yes"); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CBool(""); }), kErrTypeMismatch);
}

TEST(CStrTest, PrintsDoublesWithFifteenSignificantDigits) {
  EXPECT_EQ(CStr(0.1 + 0.2), "0.3");
  EXPECT_EQ(CStr(2.345), "2.345");
  EXPECT_EQ(CStr(1.1 * 3), "3.3");
  EXPECT_EQ(CStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(CStr(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(CStr(-1.5), "-1.5");
  EXPECT_EQ(CStr(100.0), "100");
  EXPECT_EQ(CStr(-0.0), "0");
  EXPECT_EQ(CStr(0.0), "0");
  EXPECT_EQ(CStr(999999999999999.0), "999999999999999");
  EXPECT_EQ(CStr(1e15), "1E+15");
  EXPECT_EQ(CStr(123456789012345678.0), "1.23456789012346E+17");
  EXPECT_EQ(CStr(1e100), "1E+100");
  EXPECT_EQ(CStr(0.0001), "0.0001");
  EXPECT_EQ(CStr(0.00012345), "0.00012345");
  EXPECT_EQ(CStr(1e-5), "1E-05");
  EXPECT_EQ(CStr(-2.5e-7), "-2.5E-07");
  // Rounding to 15 digits can carry into a new leading digit.
  EXPECT_EQ(CStr(0.9999999999999999), "1");
  EXPECT_EQ(CStr(999999999999999.9), "1E+15");
  EXPECT_EQ(FormatDouble(1234.5678), "1234.5678");
}

TEST(CStrTest, PrintsOtherTypes) {
  EXPECT_EQ(CStr(-12), "-12");
  EXPECT_EQ(CStr(std::numeric_limits<int32_t>::min()), "-2147483648");
  EXPECT_EQ(CStr(true), "True");
  EXPECT_EQ(CStr(false), "False");
  EXPECT_EQ(CStr("as is "), "as is ");
  EXPECT_EQ(CStr(Variant::Date(45351)), "2024-02-29");
  EXPECT_EQ(CStr(Variant::Date(45351.75)), "2024-02-29 18:00:00");
}

TEST(IsNumericTest, AcceptsWholeNumericTextsOnly) {
  EXPECT_TRUE(IsNumeric(Variant()));
  EXPECT_FALSE(IsNumeric(Variant::Null()));
  EXPECT_TRUE(IsNumeric(3));
  EXPECT_TRUE(IsNumeric(2.5));
  EXPECT_TRUE(IsNumeric(true));
  EXPECT_FALSE(IsNumeric(Variant::Date(45000)));
  EXPECT_TRUE(IsNumeric(" 12.5 "));
  EXPECT_TRUE(IsNumeric("-.5"));
  EXPECT_TRUE(IsNumeric("+3."));
  EXPECT_TRUE(IsNumeric("1e5"));
  EXPECT_TRUE(IsNumeric("1.5D-3"));
  EXPECT_TRUE(IsNumeric("1,000"));
  EXPECT_TRUE(IsNumeric("&H1F"));
  EXPECT_TRUE(IsNumeric("&o17"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("  "));
  EXPECT_FALSE(IsNumeric("."));
  EXPECT_FALSE(IsNumeric("-"));
  EXPECT_FALSE(IsNumeric("1e"));
  EXPECT_FALSE(IsNumeric("1 2"));
  EXPECT_FALSE(IsNumeric("12abc"));
  EXPECT_FALSE(IsNumeric(",5"));
  EXPECT_FALSE(IsNumeric("&H"));
  EXPECT_FALSE(IsNumeric("&H1G"));
  EXPECT_FALSE(IsNumeric("&O8"));
  EXPECT_FALSE(IsNumeric("1.0.0"));
}

TEST(VarEqualsTest, ComparesAcrossTypes) {
  EXPECT_TRUE(VarEquals(1, 1.0));
  EXPECT_TRUE(VarEquals(true, -1));
  EXPECT_FALSE(VarEquals(true, 1));
  EXPECT_TRUE(VarEquals(5, "5.0"));
  EXPECT_TRUE(VarEquals(" 5 ", 5));
  EXPECT_FALSE(VarEquals(5, "five"));
  EXPECT_TRUE(VarEquals("abc", "abc"));
  EXPECT_FALSE(VarEquals("abc", "ABC"));
  EXPECT_TRUE(VarEquals("abc", "ABC", true));
  EXPECT_TRUE(VarEquals(Variant(), 0));
  EXPECT_TRUE(VarEquals(Variant(), ""));
  EXPECT_FALSE(VarEquals(Variant(), "0"));
  EXPECT_TRUE(VarEquals(Variant::Null(), Variant()));
  EXPECT_TRUE(VarEquals(Variant::Null(), 0));
  EXPECT_FALSE(VarEquals(Variant::Null(), 1));
  EXPECT_TRUE(VarEquals(Variant::Date(45292), "2024-01-01"));
  EXPECT_TRUE(VarEquals(Variant::Date(45292), 45292));
}

TEST(TextTest, TrimsSpacesAndComparesWithoutCase) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(UCase("abc-éx"), "ABC-éX");
  EXPECT_EQ(LCase("FNumber"), "fnumber");
  EXPECT_TRUE(EqualsNoCase("FBillID", "fbillid"));
  EXPECT_FALSE(EqualsNoCase("FBillID", "fbillid2"));
  EXPECT_EQ(FindNoCase("Select * From t_Bill", "FROM"), 9u);
  EXPECT_EQ(FindNoCase("abcABC", "abc", 1), 3u);
  EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
  EXPECT_EQ(FindNoCase("abc", "a", 4), std::string::npos);
  EXPECT_EQ(ReplaceAll("a'b'c", "'", "''"), "a''b''c");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace qor
