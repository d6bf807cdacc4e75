// Commands of receipts and payments whose menu items the editor's own menus
// add by key: uncheck, voucher, help and the automatic-amount option.

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

TEST_F(BillCommands, UncheckGivesTheOpenAmountsBack) {
  OpenWithTools("receipt", "SK0002");
  Click("mnuEditCheck");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"单据[SK0002]审核成功！"});
  EXPECT_EQ(qor::Val(Sql("SELECT COUNT(*) FROM vw_arap_RBillList WHERE FBillID = 3")), 0);
  Click("mnuEditUnCheck");
  EXPECT_FALSE(LastClickCancelled());
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"单据[SK0002]反审核成功！"});
  EXPECT_EQ(qor::Val(Sql("SELECT FStatus FROM t_RP_RBill WHERE FBillID = 2")), 0);
  EXPECT_EQ(qor::Val(Sql("SELECT FCheckerID FROM t_RP_RBill WHERE FBillID = 2")), 0);
  EXPECT_EQ(qor::Val(Sql("SELECT COUNT(*) FROM vw_arap_RBillList WHERE FBillID = 3")), 3);
  EXPECT_EQ(Number("FStatus"), 0);
}

TEST_F(BillCommands, UncheckRefusesABillOfAnEarlierPeriodOnItsDateText) {
  OpenWithTools("receipt", "SK0001");
  Click("mnuEditUnCheck");
  EXPECT_TRUE(LastClickCancelled());
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"不能反审核以前期间的单据，反审核失败。"});
  EXPECT_EQ(qor::Val(Sql("SELECT FStatus FROM t_RP_RBill WHERE FBillID = 1")), 1);
  // The first day of the period is not earlier.
  m_Session->Invoke([&] {
    m_Session->Db().Execute("UPDATE t_RP_RBill SET FDate = '2026-12-01' WHERE FBillID = 1");
  });
  OpenWithTools("receipt", "SK0001");
  Click("mnuEditUnCheck");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"单据[SK0001]反审核成功！"});
}

TEST_F(BillCommands, OnlyTheCheckerUnchecksWhenTheCompanySaysSo) {
  m_Session->Invoke([&] {
    m_Session->Db().Execute(
        "UPDATE t_SystemProfile SET FValue = '1' WHERE FKey = 'chkIC_UnCheckSelfBill'");
    m_Session->Login(2);
  });
  OpenWithTools("receipt", "SK0003");
  Click("mnuEditUnCheck");
  EXPECT_TRUE(LastClickCancelled());
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>{"系统要求单据的反审核人必须是审核人，你不能反审核该单据！"});
  m_Session->Invoke([&] { m_Session->Login(1); });
  Click("mnuEditUnCheck");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"单据[SK0003]反审核成功！"});
}

TEST_F(BillCommands, UncheckNeedsTheRightAndAnUnwrittenOffBill) {
  m_Session->Invoke([&] { m_Session->Login(3); });
  OpenWithTools("receipt", "SK0003");
  Click("mnuEditUnCheck");
  EXPECT_TRUE(LastClickCancelled());
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"没有权限,请与系统管理员联系"});
  m_Session->Invoke([&] {
    m_Session->Login(1);
    m_Session->Db().Execute("UPDATE t_RP_RBill SET FCheckAmountFor = 100 WHERE FBillID = 3");
  });
  Click("mnuEditUnCheck");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"单据[SK0003]已经被核销，不能反审核。"});
  EXPECT_EQ(qor::Val(Sql("SELECT FStatus FROM t_RP_RBill WHERE FBillID = 3")), 1);
}

TEST_F(BillCommands, VoucherOfABookedBillOpensAndAnUnbookedBillSaysSo) {
  OpenWithTools("receipt", "SK0001");
  Click("mnuViewVch");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(qor::Val(m_Run->Shown().voucher), 1);
  // An audited bill without a voucher.
  Sql("UPDATE t_RP_RBill SET FStatus = 1, FCheckerID = 1 WHERE FBillID = 2");
  OpenWithTools("receipt", "SK0002");
  Click("mnuViewVch");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"单据未记账。"});
}

TEST_F(BillCommands, VoucherOnAnAccountTheUserMayNotSeeIsRefused) {
  m_Session->Invoke([&] {
    m_Session->Db().Execute("UPDATE t_VoucherEntry SET FAccountID = 13 WHERE FVoucherID = 3");
    m_Session->Login(3);
  });
  OpenWithTools("payment", "FK0001");
  Click("mnuViewVch");
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>{"存在您无科目权限的会计科目，请系统管理员授权后再进入！"});
  EXPECT_TRUE(m_Run->Shown().voucher.IsEmpty());
}

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

TEST_F(BillCommands, OptionToggleIsStoredOneThenZero) {
  const std::string query =
      "SELECT FValue FROM t_UserProfile WHERE FUserID = 1 AND FCategory = '1000201BillSet' AND "
      "FKey = 'AutoCalRecAmount'";
  OpenWithTools("receipt", "SK0002");
  Click("mnuAutoCalRecAmount");
  EXPECT_EQ(qor::StrOf(Sql(query)), "1");
  bool ticked = false;
  Act([&](refhost::Window& w) {
    ticked = w.Toolbar().Bands("mnuOption")->Tools().Item("mnuAutoCalRecAmount")->m_Checked;
  });
  EXPECT_TRUE(ticked);
  Click("mnuAutoCalRecAmount");
  EXPECT_EQ(qor::StrOf(Sql(query)), "0");

  OpenWithTools("payment", "FK0002");
  Click("mnuAutoCalPayAmount");
  EXPECT_EQ(qor::StrOf(Sql("SELECT FValue FROM t_UserProfile WHERE FCategory = "
                           "'1000202BillSet' AND FKey = 'AutoCalPayAmount'")),
            "1");
}

// Items the editor's menus hide, reached as through their keyboard shortcut.
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
