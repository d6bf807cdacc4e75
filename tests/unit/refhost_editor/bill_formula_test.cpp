#include <gtest/gtest.h>

#include <map>
#include <string>

#include "refhost/framework/bill_editor_formula.h"

namespace refhost {
namespace {

std::optional<double> Compute(const std::string& text,
                              const std::map<std::string, double>& fields) {
  BillFormula formula;
  if (!BillFormula::Parse(text, formula)) return std::nullopt;
  return formula.Evaluate([&](const std::string& key) {
    auto it = fields.find(key);
    return it == fields.end() ? 0.0 : it->second;
  });
}

TEST(BillFormulaTest, ReadsTheTargetAndComputesWithPrecedenceAndParentheses) {
  BillFormula formula;
  ASSERT_TRUE(BillFormula::Parse(" FDiscount = (FReceiveAmountFor/FAmountFor)*100 ", formula));
  EXPECT_EQ(formula.Target(), "FDiscount");
  EXPECT_EQ(formula.Expression(), "(FReceiveAmountFor/FAmountFor)*100");

  std::map<std::string, double> bill = {
      {"FAmountFor", 1000}, {"FReceiveAmountFor", 950}, {"FExchangeRate", 7.1}, {"FDiscount", 95}};
  EXPECT_DOUBLE_EQ(*Compute("FDiscount=(FReceiveAmountFor/FAmountFor)*100", bill), 95);
  EXPECT_DOUBLE_EQ(*Compute("X=FAmountFor-FReceiveAmountFor*2", bill), -900);
  EXPECT_DOUBLE_EQ(*Compute("X=(FAmountFor-FReceiveAmountFor)*2", bill), 100);
  EXPECT_DOUBLE_EQ(*Compute("X=FAmountFor*FDiscount/100", bill), 950);
  EXPECT_DOUBLE_EQ(*Compute("X=-FAmountFor+ 2.5 * 2", bill), -995);
  EXPECT_DOUBLE_EQ(*Compute("X=100/4/5", bill), 5);
  EXPECT_DOUBLE_EQ(*Compute("X=FAmountFor*FExchangeRate", bill), 7100);
  EXPECT_DOUBLE_EQ(*Compute("X=FUnknown+1", bill), 1);
}

TEST(BillFormulaTest, ADivisionByZeroOrABrokenTextGivesNothing) {
  std::map<std::string, double> bill = {{"FAmountFor", 0}, {"FReceiveAmountFor", 950}};
  EXPECT_FALSE(Compute("FDiscount=(FReceiveAmountFor/FAmountFor)*100", bill));
  EXPECT_FALSE(Compute("X=(1+2", bill));
  EXPECT_FALSE(Compute("X=1+", bill));
  EXPECT_FALSE(Compute("X=1 2", bill));
  EXPECT_FALSE(Compute("X=1.2.3", bill));
  EXPECT_FALSE(Compute("X=1 % 2", bill));
  BillFormula formula;
  EXPECT_FALSE(BillFormula::Parse("FDiscount", formula));
  EXPECT_FALSE(BillFormula::Parse("=1", formula));
  EXPECT_FALSE(BillFormula::Parse("X=  ", formula));
}

}  // namespace
}  // namespace refhost
