// Commands of receipts and payments whose items the menus hide: reached as
// through their keyboard shortcut.

#include "unit/settlement/settlement_host_fixture.h"

namespace settlement_test {
namespace {

class BillCommands : public SettlementHost {
 protected:
  // The help item is hidden on the menus; its keyboard shortcut reaches it.
  void OpenWithTools(const std::string& kind, const std::string& billNo) {
    Open(kind, billNo);
    Act([](refhost::Window& w) { w.Toolbar().SetToolProperty("mnuHelpFile", "Visible", true); });
  }
  bool LastClickCancelled() {
    bool cancelled = false;
    Act([&](refhost::Window& w) { cancelled = w.m_LastClickCancelled.value_or(false); });
    return cancelled;
  }
};

TEST_F(BillCommands, HelpOpensTheBillsTopic) {
  OpenWithTools("receipt", "SK0002");
  Click("mnuHelpFile");
  EXPECT_EQ(m_Run->Shown().helpFile.value_or(""), "QORV11.chm");
  EXPECT_EQ(m_Run->Shown().helpTopic, "RP1000201");
  std::string caption;
  Act([&](refhost::Window& w) { caption = w.Toolbar().Bands("mnuCust")->m_Caption; });
  EXPECT_EQ(caption, "帮助");

  OpenWithTools("payment", "FK0002");
  Click("mnuHelpFile");
  EXPECT_EQ(m_Run->Shown().helpTopic, "RP1000202");
  Act([&](refhost::Window& w) { caption = w.Toolbar().Bands("mnuCust")->m_Caption; });
  EXPECT_EQ(caption, "自定义");
}

TEST_F(BillCommands, CheckingABillNeverStoredIsCancelledSilently) {
  Open("receipt");
  Act([](refhost::Window& w) { w.Toolbar().SetToolProperty("mnuEditCheck", "Visible", true); });
  Click("mnuEditCheck");
  EXPECT_TRUE(LastClickCancelled());
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(qor::Val(Sql("SELECT COUNT(*) FROM t_RP_RBill WHERE FBillNo = 'SK0005'")), 0);
}

TEST_F(BillCommands, StockQueryIsSwallowed) {
  Open("receipt", "SK0002");
  Act([](refhost::Window& w) {
    w.Toolbar().SetToolProperty("mnuStockQuery", "Visible", true);
    w.Toolbar().Bands("mnuData")->m_Visible = true;
  });
  Click("mnuStockQuery");
  EXPECT_TRUE(LastClickCancelled());
  EXPECT_TRUE(TakeMessages().empty());
}

}  // namespace
}  // namespace settlement_test
