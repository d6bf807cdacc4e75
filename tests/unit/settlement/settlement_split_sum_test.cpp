// The automatic split and sum where the menus would not lead: a prepayment
// (both items disabled) and header and rows in two foreign currencies.

#include "unit/settlement/settlement_host_fixture.h"

namespace settlement_test {
namespace {

class SplitAndSum : public SettlementHost {
 protected:
  void OpenWithTools(const std::string& kind, const std::string& billNo = "") {
    Open(kind, billNo);
  }
};

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
