// The settlement editors inside the reference host: where the bill's own
// tools go and in what order, for the receipt and the payment; and the
// refund selection, which only the bill commands open.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_session_fixture.h"

namespace settlement_test {
namespace {

class SettlementOnHost : public unit_test::PluginHostTest {
 protected:
  SettlementOnHost() : PluginHostTest("qor_settlement", 1001) {}

  // The keys of a band of a new bill's editor, in their order.
  std::vector<std::string> BandKeys(const std::string& kind, const std::string& band) {
    std::vector<std::string> keys;
    m_Session->Invoke([&] {
      m_Session->Open(refhost::OpenWindow(*m_Session, kind, 1, 0));
      for (const qor::ToolPtr& tool : m_Session->Current()->Toolbar().Bands(band)->Tools().All()) {
        keys.push_back(tool->m_Name);
      }
    });
    m_Session->CloseCurrent();
    return keys;
  }

  qor::ToolPtr MasterTool(const std::string& kind, const std::string& key) {
    qor::ToolPtr tool;
    m_Session->Invoke([&] {
      m_Session->Open(refhost::OpenWindow(*m_Session, kind, 1, 0));
      tool = m_Session->Current()->Toolbar().Tools().Item(key)->Clone();
    });
    m_Session->CloseCurrent();
    return tool;
  }
};

TEST_F(SettlementOnHost, RowButtonsFollowThePreviewAndBillToolsFollowTheLookup) {
  std::vector<std::string> expected = {
      "mnuFileNew",        "mnuFileSave",        "mnuFilePreview", "mnuEditAddRow",
      "mnuEditDelRow",     "mnuFilePrint",       "mnuDataLookUp",  "mnuSelectBill_2000001",
      "mnuDataAutoSumAmt", "mnuDataAutoPartAmt", "mnuEditCheck",   "mnuDataPre",
      "mnuDataNext",       "mnuCaculate",        "mnuFileClose"};
  EXPECT_EQ(BandKeys("receipt", "BandToolBar"), expected);
  expected[7] = "mnuSelectBill_2000002";
  EXPECT_EQ(BandKeys("payment", "BandToolBar"), expected);
}

TEST_F(SettlementOnHost, DataMenuAndOptionMenuOrder) {
  EXPECT_EQ(BandKeys("receipt", "mnuData"),
            (std::vector<std::string>{
                "mnuDataLookUp", "mnuViewVch", "mnuCalculate", "mnuDataAutoSumAmt",
                "mnuDataAutoPartAmt", "mnuSelectBill_2000001", "mnuCaculate", "mnuDataAccessory",
                "mnuStockQuery", "mnuDataPre", "mnuDataNext", "mnuDataRefesh", "mnuGetSysDate"}));
  EXPECT_EQ(BandKeys("receipt", "mnuOption").front(), "mnuAutoCalRecAmount");
  EXPECT_EQ(BandKeys("payment", "mnuOption").front(), "mnuAutoCalPayAmount");
  EXPECT_EQ(BandKeys("payment", "mnuOption").back(), "mnuHelpFile");
}

// The payment creates its voucher item before the automatic sum, the
// receipt after it.
TEST_F(SettlementOnHost, ToolSetOrderOfCreation) {
  EXPECT_LT(MasterTool("receipt", "mnuDataAutoSumAmt")->m_Id,
            MasterTool("receipt", "mnuViewVch")->m_Id);
  EXPECT_GT(MasterTool("payment", "mnuDataAutoSumAmt")->m_Id,
            MasterTool("payment", "mnuViewVch")->m_Id);
}

TEST_F(SettlementOnHost, ToolsCarryTheirTextsAndPictures) {
  qor::ToolPtr sum = MasterTool("receipt", "mnuDataAutoSumAmt");
  EXPECT_EQ(sum->m_Description, "应收单据自动合计收款金额");
  EXPECT_EQ(sum->m_ToolTipText, "合计");
  EXPECT_EQ(sum->m_Picture, "Sum");
  EXPECT_EQ(sum->m_MaskColor, static_cast<int32_t>(0x8000000FU));
  qor::ToolPtr split = MasterTool("payment", "mnuDataAutoPartAmt");
  EXPECT_EQ(split->m_Description, "应付单据自动分摊付款金额");
  EXPECT_EQ(split->m_Picture, "Split");
  qor::ToolPtr uncheck = MasterTool("payment", "mnuEditUnCheck");
  EXPECT_EQ(uncheck->m_Description, "对单据进行取消审核操作");
  EXPECT_EQ(uncheck->m_Picture, "");
  EXPECT_EQ(MasterTool("receipt", "mnuEditAddRow")->m_Description, "插行");
  EXPECT_EQ(MasterTool("payment", "mnuEditDelRow")->m_Description, "删行");
}

// The refund window is opened by the source-selection command with the
// refund code on its tool; here the test puts the code there itself.
TEST_F(SettlementOnHost, RefundSelectionListsNewestFirstAndSkipsPickedLines) {
  std::vector<std::string> first;
  std::vector<std::string> second;
  m_Session->Invoke([&] {
    m_Session->Db().Execute(
        "INSERT INTO ICSale (FInterID, FBillNo, FTranType, FDate, FCustID, FDeptID, FEmpID, "
        "FCurrencyID, FExchangeRate, FROB, FAmountFor, FAmount, FExplanation, FStatus, FBillerID, "
        "FCheckerID, FCheckDate) VALUES (1102, 'INV-A02', 1000002, '2026-12-10', 1, 1, 1, 1, 1, "
        "-1, -200, -200, '', 1, 2, 1, '2026-12-10')");
    m_Session->Db().Execute(
        "INSERT INTO ICSaleEntry (FDetailID, FInterID, FEntryID, FItemName, FUnit, FQty, FPrice, "
        "FAmountFor, FAmount, FFKDBillNo) VALUES (1102, 1102, 1, '退货', '个', -1, 200, -200, "
        "-200, '')");
    m_Session->Open(refhost::OpenWindow(*m_Session, "receipt", 1, 0));
    refhost::Window& window = *m_Session->Current();
    window.SetField("FCustomerID", 0, "1");
    // A receipt of another type than 1001 selects the refund documents.
    window.SetField("FReceiveTypeID", 0, "1009");
    window.Select("mnuSelectBill_2000001", {{"INV0005", 0}});
    window.Select("mnuSelectBill_2000001", {});
    for (const refhost::Pick& pick : window.LastOffered()) second.push_back(pick.document);
    EXPECT_EQ(window.RowCount(), 1);
    EXPECT_EQ(qor::StrOf(window.FieldValue("FInvoiceBillNo", 1)), "INV0005");
  });
  m_Session->CloseCurrent();
  m_Session->Invoke([&] {
    m_Session->Open(refhost::OpenWindow(*m_Session, "receipt", 1, 0));
    refhost::Window& window = *m_Session->Current();
    window.SetField("FCustomerID", 0, "1");
    // A receipt of another type than 1001 selects the refund documents.
    window.SetField("FReceiveTypeID", 0, "1009");
    window.Select("mnuSelectBill_2000001", {});
    for (const refhost::Pick& pick : window.LastOffered()) first.push_back(pick.document);
  });
  m_Session->CloseCurrent();
  // Newest refund document first: INV-A02 (id 1102) before INV0005 (id 5); the
  // window's own order (by date) would give the opposite.
  EXPECT_EQ(first, (std::vector<std::string>{"INV-A02", "INV0005"}));
  EXPECT_EQ(second, (std::vector<std::string>{"INV-A02"}));
}

}  // namespace
}  // namespace settlement_test
