#include "settlement/settlement_amounts.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/vb_error.h"

namespace qorarap {
namespace {

SplitRow Row(int32_t currency, double rate, double open, int32_t decimals = 2) {
  SplitRow row;
  row.currency = currency;
  row.exchangeRate = rate;
  row.openAmount = open;
  row.decimals = decimals;
  row.localDecimals = 2;
  return row;
}

SplitHeader Header(int32_t currency, double rate, int32_t decimals = 2) {
  SplitHeader header;
  header.currency = currency;
  header.exchangeRate = rate;
  header.decimals = decimals;
  return header;
}

// Spreads amount over the rows in order; what each row got, and the rest.
std::vector<RowSettlement> Split(const SplitHeader& header, const std::vector<SplitRow>& rows,
                                 double amount, double& remaining) {
  remaining = amount;
  std::vector<RowSettlement> settled;
  for (const auto& row : rows) {
    auto part = SplitRowAmount(header, row, remaining);
    settled.push_back(part.value_or(RowSettlement{-999, -999}));
  }
  return settled;
}

TEST(SettlementSplit, PartialFirstRowLeavesLaterRowsAtZero) {
  double rest = 0;
  auto got = Split(Header(1, 1), {Row(1, 1, 2000), Row(1, 1, 4500)}, 1500, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, 1500);
  EXPECT_DOUBLE_EQ(got[0].amount, 1500);
  EXPECT_DOUBLE_EQ(got[1].amountFor, 0);
  EXPECT_DOUBLE_EQ(got[1].amount, 0);
  EXPECT_DOUBLE_EQ(rest, 0);
}

TEST(SettlementSplit, MoreThanOpenSettlesEveryRowAndKeepsTheRest) {
  double rest = 0;
  auto got = Split(Header(1, 1), {Row(1, 1, 2000), Row(1, 1, 4500)}, 7000, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, 2000);
  EXPECT_DOUBLE_EQ(got[1].amountFor, 4500);
  EXPECT_DOUBLE_EQ(rest, 500);
}

TEST(SettlementSplit, CreditRowIsSettledInFullAndRaisesTheRest) {
  double rest = 0;
  auto got = Split(Header(1, 1), {Row(1, 1, 3000), Row(1, 1, -1000), Row(1, 1, 2000)}, 3500, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, 3000);
  EXPECT_DOUBLE_EQ(got[1].amountFor, -1000);  // 500 left, then 1500 after the credit
  EXPECT_DOUBLE_EQ(got[2].amountFor, 1500);
  EXPECT_DOUBLE_EQ(rest, 0);
}

TEST(SettlementSplit, NegativeAmountSettlesRedRowsPartly) {
  double rest = 0;
  auto got = Split(Header(1, 1), {Row(1, 1, -1000)}, -400, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, -400);
  EXPECT_DOUBLE_EQ(rest, 0);
}

TEST(SettlementSplit, SameForeignCurrencyUsesTheRowRateForLocal) {
  double rest = 0;
  auto got = Split(Header(2, 7.1), {Row(2, 7.0, 1000), Row(2, 7.1, 500)}, 1200.5, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, 1000);
  EXPECT_DOUBLE_EQ(got[0].amount, 7000);
  EXPECT_DOUBLE_EQ(got[1].amountFor, 200.5);
  EXPECT_DOUBLE_EQ(got[1].amount, 1423.55);
  EXPECT_DOUBLE_EQ(rest, 0);
}

TEST(SettlementSplit, LocalHeaderOverForeignRows) {
  // 1000 USD at 7.1 is 7100 local; 8000 local settles it fully and 900 of the next.
  double rest = 0;
  auto got = Split(Header(1, 1), {Row(2, 7.1, 1000), Row(2, 7.1, 500)}, 8000, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, 1000);
  EXPECT_DOUBLE_EQ(got[0].amount, 7100);
  EXPECT_DOUBLE_EQ(got[1].amount, 900);
  EXPECT_DOUBLE_EQ(got[1].amountFor, 126.76);  // 900 / 7.1 rounded
  EXPECT_DOUBLE_EQ(rest, 0);
}

TEST(SettlementSplit, LocalHeaderOverForeignRowsRoundsTheTakenAmountToHeaderDecimals) {
  double rest = 0;
  Split(Header(1, 1, 2), {Row(3, 0.05, 33333, 0)}, 2000, rest);
  EXPECT_DOUBLE_EQ(rest, 2000 - 1666.65);
}

TEST(SettlementSplit, ForeignHeaderOverLocalRows) {
  // 100 USD at 7.1 is 710 local: the first local row of 500 is settled fully
  // (500 / 7.1 = 70.42 USD taken), the second takes the rest in local money.
  double rest = 0;
  auto got = Split(Header(2, 7.1), {Row(1, 1, 500), Row(1, 1, 4500)}, 100, rest);
  EXPECT_DOUBLE_EQ(got[0].amount, 500);
  EXPECT_DOUBLE_EQ(got[0].amountFor, 500);
  EXPECT_DOUBLE_EQ(got[1].amount, 210.02);  // (100 - 70.42) x 7.1 = 210.018
  EXPECT_DOUBLE_EQ(got[1].amountFor, 210.02);
  EXPECT_DOUBLE_EQ(rest, 0);
}

TEST(SettlementSplit, SecondForeignCurrencyRowIsLeftAlone) {
  double rest = 0;
  auto got = Split(Header(2, 7.1), {Row(3, 0.05, 1000, 0)}, 100, rest);
  EXPECT_DOUBLE_EQ(got[0].amountFor, -999);
  EXPECT_DOUBLE_EQ(rest, 100);
}

TEST(SettlementSplit, ZeroRateWhereTheSplitDividesIsAnError) {
  // A positive remainder meets a zero-rate row as a credit (settled in full,
  // no division); a negative one divides by the rate.
  double rest = 500;
  EXPECT_TRUE(SplitRowAmount(Header(1, 1), Row(2, 0, 100), rest).has_value());
  rest = -500;
  try {
    SplitRowAmount(Header(1, 1), Row(2, 0, 100), rest);
    FAIL() << "no error";
  } catch (const qor::VbError& error) {
    EXPECT_EQ(error.Number(), 11);
  }
}

SumInput Sum(int32_t header, int32_t row, double rate, double discount, double total,
             double totalLocal) {
  SumInput input;
  input.headerCurrency = header;
  input.rowCurrency = row;
  input.exchangeRate = rate;
  input.discount = discount;
  input.total = total;
  input.totalLocal = totalLocal;
  return input;
}

TEST(SettlementSum, LocalHeaderAndRowsWithDiscount) {
  HeaderAmounts got = SumHeaderAmounts(Sum(1, 1, 1, 98.75, 8000, 0));
  EXPECT_DOUBLE_EQ(got.amountFor, 8000);
  EXPECT_DOUBLE_EQ(got.amount, 8000);
  EXPECT_DOUBLE_EQ(got.paidAmountFor, 7900);
  EXPECT_DOUBLE_EQ(got.paidAmount, 7900);
}

TEST(SettlementSum, LocalHeaderOverForeignRowsTakesTheLocalTotal) {
  HeaderAmounts got = SumHeaderAmounts(Sum(1, 2, 1, 100, 10650, 0));
  EXPECT_DOUBLE_EQ(got.amountFor, 10650);
  EXPECT_DOUBLE_EQ(got.amount, 10650);
  EXPECT_DOUBLE_EQ(got.paidAmount, 10650);
}

TEST(SettlementSum, ForeignHeaderAndRowsKeepTheRowsLocalAmounts) {
  HeaderAmounts got = SumHeaderAmounts(Sum(2, 2, 7.1, 90, 1500, 10500));
  EXPECT_DOUBLE_EQ(got.amountFor, 1500);
  EXPECT_DOUBLE_EQ(got.amount, 10500);  // not 1500 x 7.1
  EXPECT_DOUBLE_EQ(got.paidAmountFor, 1350);
  EXPECT_DOUBLE_EQ(got.paidAmount, 9450);
}

TEST(SettlementSum, ForeignHeaderOverLocalRowsConvertsByTheHeaderRate) {
  HeaderAmounts got = SumHeaderAmounts(Sum(2, 1, 7.1, 95, 1000, 0));
  EXPECT_DOUBLE_EQ(got.amountFor, 140.85);
  EXPECT_DOUBLE_EQ(got.amount, 1000);
  EXPECT_DOUBLE_EQ(got.paidAmountFor, 133.8);  // 1000 / 7.1 x 0.95 = 133.80
  EXPECT_DOUBLE_EQ(got.paidAmount, 950);
}

TEST(SettlementSum, ForeignHeaderOverLocalRowsLeavesTheLocalPaidAmountUnrounded) {
  HeaderAmounts got = SumHeaderAmounts(Sum(2, 1, 7.1, 33.333, 100, 0));
  EXPECT_DOUBLE_EQ(got.paidAmount, 33.333);
}

}  // namespace
}  // namespace qorarap
