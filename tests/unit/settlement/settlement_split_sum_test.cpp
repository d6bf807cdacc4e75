// The automatic split and sum commands of receipts and payments, driven
// through the editor of the reference host.

#include "unit/settlement/settlement_host_fixture.h"

namespace settlement_test {
namespace {

class SplitAndSum : public SettlementHost {
 protected:
  void OpenWithTools(const std::string& kind, const std::string& billNo = "") {
    Open(kind, billNo);
  }
};

TEST_F(SplitAndSum, SplitNeedsAnAmountAndLeavesTheRowsAlone) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "2");
  SelectAll("mnuSelectBill_2000001", "INV0003");
  Set("FBillSettleAmountFor", 2, "100");
  Click("mnuDataAutoPartAmt");
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>{"请输入收款单的收款金额后再使用自动分摊功能!"});
  EXPECT_EQ(Number("FBillSettleAmountFor", 2), 100);
}

TEST_F(SplitAndSum, SplitSettlesInRowOrderAndLaterRowsGetZero) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "2");
  SelectAll("mnuSelectBill_2000001", "INV0003");
  Set("FAmountFor", 0, "3000");
  Click("mnuDataAutoPartAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FBillSettleAmountFor", 1), 2000);
  EXPECT_EQ(Number("FBillSettleAmountFor", 2), 1000);
  EXPECT_EQ(Number("FBillSettleAmount", 2), 1000);
  EXPECT_EQ(Number("FBillSettleAmountFor", 3), 0);
  EXPECT_EQ(Number("FBillSettleAmount", 3), 0);
  // A row the split left at zero still stops the save.
  Click("mnuFileSave");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"第3行本次核销金额为零，不允许保存。"});
}

TEST_F(SplitAndSum, SplitReportsWhatTheRowsCouldNotTake) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "2");
  SelectAll("mnuSelectBill_2000001", "INV0003");
  Set("FAmountFor", 0, "9000.5");
  Click("mnuDataAutoPartAmt");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "收款金额还余下1000.5未被分摊完,请调整收款金额或添加收款发票!"});
  EXPECT_EQ(Number("FBillSettleAmountFor", 3), 1500);
}

TEST_F(SplitAndSum, ARedRowAheadIsSettledInFullAndRaisesWhatIsLeft) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "1");
  SelectAll("mnuSelectBill_2000001", "INV0005");
  SelectAll("mnuSelectBill_2000001", "INV0001");
  ASSERT_EQ(Number("FBillUnReceiveAmountFor", 1), -1000);
  Set("FAmountFor", 0, "4000");
  Click("mnuDataAutoPartAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FBillSettleAmountFor", 1), -1000);
  EXPECT_EQ(Number("FBillSettleAmountFor", 2), 2000);
  EXPECT_EQ(Number("FBillSettleAmountFor", 3), 3000);
}

TEST_F(SplitAndSum, LocalReceiptOverForeignRowsSplitsLocalMoney) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "4");
  SelectAll("mnuSelectBill_2000001", "INV0004");
  Set("FAmountFor", 0, "8000");
  Click("mnuDataAutoPartAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FBillSettleAmountFor", 1), 1000);
  EXPECT_EQ(Number("FBillSettleAmount", 1), 7100);
  EXPECT_EQ(Number("FBillSettleAmount", 2), 900);
  EXPECT_EQ(Number("FBillSettleAmountFor", 2), 126.76);
}

TEST_F(SplitAndSum, PrepaymentIgnoresBothCommands) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "1");
  Set("FReceiveTypeID", 0, "1002");
  Set("FAmountFor", 0, "500");
  // The menus disable both items for a prepayment; their shortcuts still reach them.
  Act([](refhost::Window& w) {
    w.Toolbar().SetToolProperty("mnuDataAutoPartAmt", "Enabled", true);
    w.Toolbar().SetToolProperty("mnuDataAutoSumAmt", "Enabled", true);
  });
  Click("mnuDataAutoPartAmt");
  Click("mnuDataAutoSumAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FAmountFor"), 500);
}

TEST_F(SplitAndSum, CompletePaymentSplitLocksTheDiscountAccountOnlyWithoutDiscount) {
  OpenWithTools("payment");
  Set("FSupplyID", 0, "21");
  SelectAll("mnuSelectBill_2000002", "PINV0001");
  Set("FAmountFor", 0, "7000");
  Set("FDiscountAcctId", 0, "17");
  Click("mnuDataAutoPartAmt");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "付款金额还余下1000未被分摊完,请调整付款金额或者添加付款发票!"});
  EXPECT_EQ(Number("FDiscountAcctId"), 17);
  Set("FAmountFor", 0, "6000");
  Click("mnuDataAutoPartAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FBillSettleAmountFor", 1), 6000);
  bool locked = false;
  Act([&](refhost::Window& w) { locked = w.IsLocked("FDiscountAcctId", std::nullopt); });
  EXPECT_TRUE(locked);
  EXPECT_EQ(Number("FDiscountAcctId"), 0);
  Set("FDiscount", 0, "90");
  Click("mnuDataAutoPartAmt");
  Act([&](refhost::Window& w) { locked = w.IsLocked("FDiscountAcctId", std::nullopt); });
  EXPECT_FALSE(locked);
}

TEST_F(SplitAndSum, SumNeedsRowsWithSettledAmounts) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "2");
  Click("mnuDataAutoSumAmt");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"请至少选择一张需要收款的源单!"});
  SelectAll("mnuSelectBill_2000001", "INV0003");
  for (int32_t row = 1; row <= 3; ++row) Set("FBillSettleAmountFor", row, "0");
  Click("mnuDataAutoSumAmt");
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>{"收款单据的本次核销金额总和为零,请先输入本次核销金额!"});
  EXPECT_EQ(Number("FAmountFor"), 0);
}

TEST_F(SplitAndSum, SumWritesGrossReceivedAndDiscount) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "2");
  SelectAll("mnuSelectBill_2000001", "INV0003");
  Set("FDiscount", 0, "98.75");
  Click("mnuDataAutoSumAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FAmountFor"), 8000);
  EXPECT_EQ(Number("FAmount"), 8000);
  EXPECT_EQ(Number("FReceiveAmountFor"), 7900);
  EXPECT_EQ(Number("FReceiveAmount"), 7900);
  EXPECT_EQ(Number("FDiscountAmountFor"), 100);
  EXPECT_EQ(Number("FDiscountAmount"), 100);
}

TEST_F(SplitAndSum, SumOfAForeignReceiptKeepsTheRowsLocalAmounts) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "4");
  SelectAll("mnuSelectBill_2000001", "INV0004");
  Set("FCurrencyID", 0, "2");
  Click("mnuDataAutoSumAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FAmountFor"), 1500);
  EXPECT_EQ(Number("FAmount"), 10650);
  EXPECT_EQ(Number("FReceiveAmount"), 10650);
}

TEST_F(SplitAndSum, PaymentSumFillsThePaidAmount) {
  OpenWithTools("payment");
  Set("FSupplyID", 0, "21");
  SelectAll("mnuSelectBill_2000002", "PINV0001");
  Set("FDiscount", 0, "95");
  Click("mnuDataAutoSumAmt");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(Number("FAmountFor"), 6000);
  EXPECT_EQ(Number("FPayAmountFor"), 5700);
  EXPECT_EQ(Number("FPayAmount"), 5700);
  EXPECT_EQ(Number("FDiscountAmountFor"), 300);
}

TEST_F(SplitAndSum, MixedForeignCurrenciesStopBothCommands) {
  OpenWithTools("receipt");
  Set("FCustomerID", 0, "5");
  SelectAll("mnuSelectBill_2000001", "INV0007");
  Set("FCurrencyID", 0, "2");
  Set("FAmountFor", 0, "100");
  Click("mnuDataAutoPartAmt");
  Click("mnuDataAutoSumAmt");
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{"收款单币别与表体币别不能同时是不同种类的外币,请重新设置!",
                                      "收款单币别与表体币别不能同时是不同种类的外币,请重新设置!"}));
  EXPECT_EQ(Number("FAmountFor"), 100);
}

}  // namespace
}  // namespace settlement_test
