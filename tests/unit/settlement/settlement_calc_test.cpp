#include "settlement/settlement_calc.h"

#include <gtest/gtest.h>

#include "core/vb_error.h"

namespace qorarap {
namespace {

TEST(CurrencyRateTest, OperatorDecidesBetweenRateAndReciprocal) {
  EXPECT_DOUBLE_EQ(CurrencyRate(7.1, "*"), 7.1);
  EXPECT_DOUBLE_EQ(CurrencyRate(8, "/"), 0.125);
  EXPECT_DOUBLE_EQ(CurrencyRate(20, "/"), 0.05);
  EXPECT_EQ(CurrencyRate(8, ""), 0);
  EXPECT_EQ(CurrencyRate(8, "x"), 0);
  EXPECT_THROW(CurrencyRate(0, "/"), qor::VbError);
}

TEST(FormatLocalAmountTest, FixedDecimalsRoundedHalfAwayFromZero) {
  EXPECT_EQ(FormatLocalAmount(1000, 2), "1000.00");
  EXPECT_EQ(FormatLocalAmount(1.005, 2), "1.01");
  EXPECT_EQ(FormatLocalAmount(-2.345, 2), "-2.35");
  EXPECT_EQ(FormatLocalAmount(-0.001, 2), "0.00");
  EXPECT_EQ(FormatLocalAmount(2.5, 0), "3");
  EXPECT_EQ(FormatLocalAmount(7100.0000001, 3), "7100.000");
}

TEST(DiscountTest, ReceivedAndGrossFollowTheRate) {
  EXPECT_DOUBLE_EQ(ReceivedFromDiscount(95, 1000, 2), 950);
  EXPECT_DOUBLE_EQ(ReceivedFromDiscount(33.333333, 100, 2), 33.33);
  EXPECT_DOUBLE_EQ(ReceivedFromDiscount(98.765, 10, 0), 10);
  EXPECT_DOUBLE_EQ(ReceivedFromDiscount(100, 123.456, 2), 123.46);
  EXPECT_DOUBLE_EQ(GrossFromReceived(950, 95), 1000);
  EXPECT_DOUBLE_EQ(GrossFromReceived(950, 100), 950);
  EXPECT_EQ(GrossFromReceived(950, 0), 0);
}

TEST(DocumentSelectionFilterTest, BareBillGetsOnlyTheNeutralCondition) {
  EXPECT_EQ(DocumentSelectionFilter(kReceiptSide, "", 0, 1, {}), "  1=1 ");
  EXPECT_EQ(DocumentSelectionFilter(kReceiptSide, "FX=1", 0, 1, {}), "FX=1");
}

TEST(DocumentSelectionFilterTest, CounterpartyCurrencyAndExclusionInOrder) {
  std::vector<SettlementRowSource> rows = {{100, 2, 1000002, 0}};
  EXPECT_EQ(DocumentSelectionFilter(kReceiptSide, "", 12, 3, rows),
            "  1=1  and vw_arap_RBillList.FOriCustID =12"
            "  And vw_arap_RBillList.fCurrencyid in(1,3)"
            " and not ((vw_arap_RBillList.FBillID =100 and vw_arap_RBillList.FEntryID_HXD_SRC = 2"
            " and vw_arap_RBillList.FClassTypeID_SRC = 1000002) )");
}

TEST(DocumentSelectionFilterTest, SeveralRowsJoinedByOrInLocalCurrency) {
  std::vector<SettlementRowSource> rows = {{1, 1, 1000000, 0}, {2, 1, 1000002, 0}};
  EXPECT_EQ(DocumentSelectionFilter(kPaymentSide, "", 21, 1, rows),
            "  1=1  and vw_arap_PBillList.FOriSupplyID =21"
            " and not ((vw_arap_PBillList.FBillID =1 and vw_arap_PBillList.FEntryID_HXD_SRC = 1"
            " and vw_arap_PBillList.FClassTypeID_SRC = 1000000) or "
            "(vw_arap_PBillList.FBillID =2 and vw_arap_PBillList.FEntryID_HXD_SRC = 1"
            " and vw_arap_PBillList.FClassTypeID_SRC = 1000002) )");
}

TEST(DocumentSelectionFilterTest, WithoutCurrencyNothingPastTheCounterparty) {
  std::vector<SettlementRowSource> rows = {{100, 2, 1000002, 0}};
  EXPECT_EQ(DocumentSelectionFilter(kReceiptSide, "", 12, 0, rows),
            "  1=1  and vw_arap_RBillList.FOriCustID =12");
}

TEST(RefundSelectionFilterTest, ConditionsAndNewestFirst) {
  std::vector<SettlementRowSource> rows = {{5, 1, 1000002, 9}, {5, 1, 1000002, 11}};
  RefundSelection receipt = RefundSelectionFilter(kReceiptSide, "", 1, 2, rows);
  EXPECT_EQ(receipt.filter,
            "  1=1  and vw_arap_RBackBillList.FCustID =1"
            "  And vw_arap_RBackBillList.fCurrencyid in(1,2)"
            " and vw_arap_RBackBillList.FID not in(9,11)");
  EXPECT_EQ(receipt.headSort, " vw_arap_RBackBillList.Fbillid desc");
  RefundSelection payment = RefundSelectionFilter(kPaymentSide, "", 21, 1, {});
  EXPECT_EQ(payment.filter, "  1=1  and vw_arap_PBackBillList.FSupplyID =21");
  EXPECT_EQ(payment.headSort, " vw_arap_PBackBillList.Fbillid desc");
}

TEST(RefundSelectionFilterTest, WithoutCurrencyNoExclusionAndNoOrder) {
  std::vector<SettlementRowSource> rows = {{5, 1, 1000002, 9}};
  RefundSelection refund = RefundSelectionFilter(kReceiptSide, "", 1, 0, rows);
  EXPECT_EQ(refund.filter, "  1=1  and vw_arap_RBackBillList.FCustID =1");
  EXPECT_EQ(refund.headSort, "");
}

TEST(EmployeeFilterTest, ReceiptInParenthesesPaymentWithout) {
  EXPECT_EQ(EmployeeFilter(kReceiptSide, "3"),
            " (IsNull(FDepartmentID,'')='' or IsNull(FDepartmentID,'')=3)");
  EXPECT_EQ(EmployeeFilter(kPaymentSide, "3"),
            " IsNull(FDepartmentID,'')='' or IsNull(FDepartmentID,'')=3");
}

TEST(PickedRowLocalAmountTest, PartWholeAndAlreadySettled) {
  // Part of the open amount: the part at the row rate.
  EXPECT_EQ(PickedRowLocalAmount(7.1, 500, 1000, 1000, 2), 3550);
  // The whole of a document never settled: the document at the row rate.
  EXPECT_EQ(PickedRowLocalAmount(7.1, 1000, 1000, 1000, 2), 7100);
  EXPECT_EQ(PickedRowLocalAmount(0.05, 200001, 200001, 200001, 2), 10000.05);
  // The rest of a document settled before: what the window gave stays.
  EXPECT_EQ(PickedRowLocalAmount(7.1, 600, 600, 1000, 2), std::nullopt);
}

}  // namespace
}  // namespace qorarap
