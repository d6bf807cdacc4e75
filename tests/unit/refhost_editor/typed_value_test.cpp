#include "refhost/framework/typed_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "refhost/framework/bill_editor_formula.h"

namespace refhost {
namespace {

TEST(TypedValue, NumbersFollowTheVbRulesAndTheAmountRange) {
  EXPECT_EQ(ReadTypedNumber("1,000.50").value, 1000.5);
  EXPECT_EQ(ReadTypedNumber(" &H10 ").value, 16);
  EXPECT_EQ(ReadTypedNumber("").verdict, TypedVerdict::Accepted);
  EXPECT_EQ(ReadTypedNumber("12abc").verdict, TypedVerdict::NotANumber);
  EXPECT_EQ(ReadTypedNumber("1e999").verdict, TypedVerdict::OutOfRange);
  EXPECT_EQ(ReadTypedNumber("-922337203685478").verdict, TypedVerdict::OutOfRange);
  EXPECT_EQ(ReadTypedNumber("-922337203685477").verdict, TypedVerdict::Accepted);

  EXPECT_EQ(ReadTypedId("2147483647").value, 2147483647.0);
  EXPECT_EQ(ReadTypedId("2147483648").verdict, TypedVerdict::OutOfRange);
  EXPECT_EQ(ReadTypedId("2.5").verdict, TypedVerdict::NotANumber);

  EXPECT_FALSE(IsStorableAmount(INFINITY));
  EXPECT_FALSE(IsStorableAmount(std::nan("")));
}

TEST(TypedValue, ShownNumbersRoundAsAmountsDo) {
  EXPECT_EQ(FormatShownNumber(qor::Variant(1.005), 2), "1.01");
  EXPECT_EQ(FormatShownNumber(qor::Variant(2.345), 2), "2.35");
  EXPECT_EQ(FormatShownNumber(qor::Variant(-2.345), 2), "-2.35");
  EXPECT_EQ(FormatShownNumber(qor::Variant(950), 2), "950.00");
  EXPECT_EQ(FormatShownNumber(qor::Variant(-0.001), 2), "0.00");
  EXPECT_EQ(FormatShownNumber(qor::Variant("7.125"), 2), "7.13");
  EXPECT_EQ(FormatShownNumber(qor::Variant(1.23456789), 0), "1");
  // Beyond 15 decimals the text stays 15.
  EXPECT_EQ(FormatShownNumber(qor::Variant(0.5), 40).size(), 17u);
  EXPECT_EQ(RoundToDecimals(1000.00499999, 2), 1000.0);
  EXPECT_EQ(RoundToDecimals(1000.005, 2), 1000.01);
}

TEST(BillFormulaLimits, DeepNestingIsRefusedNotOverflowed) {
  auto evaluate = [](const std::string& expression) {
    BillFormula formula;
    EXPECT_TRUE(BillFormula::Parse("FAmount=" + expression, formula));
    return formula.Evaluate([](const std::string&) { return 2.0; });
  };
  std::string shallow = std::string(60, '(') + "1" + std::string(60, ')');
  EXPECT_EQ(evaluate(shallow), std::optional<double>(1));
  std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_FALSE(evaluate(deep).has_value());
  EXPECT_FALSE(evaluate(std::string(100000, '-') + "1").has_value());
  // A number longer than a double holds is a broken formula, not an error.
  EXPECT_FALSE(evaluate("1" + std::string(400, '0')).has_value());
}

}  // namespace
}  // namespace refhost
