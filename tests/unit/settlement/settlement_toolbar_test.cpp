// The settlement editors' toolbars inside the reference host: where the
// bill's own tools go and in what order, for the receipt and the payment.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "plugin/registration.h"
#include "refhost/db/database.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"

namespace settlement_test {
namespace {

namespace fs = std::filesystem;

class SettlementToolbar : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    refhost::RegisterHostServices();
    qorarap::RegisterPluginClasses(
        [](const std::string& progId, std::function<qor::ObjectPtr()> factory) {
          refhost::ComponentRegistry::Global().Register(progId, std::move(factory));
        });
  }

  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_DbPath = (fs::temp_directory_path() /
                ("qor_settlement_" + std::to_string(getpid()) + "_" + test->name() + ".db"))
                   .string();
    refhost::Database::CreateFile(m_DbPath, true);
    m_Run = std::make_unique<refhost::HostRun>(m_DbPath);
    m_Session = std::make_unique<refhost::Session>(*m_Run, "main", 1001);
  }

  void TearDown() override {
    m_Session.reset();
    m_Run.reset();
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(m_DbPath + suffix);
  }

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

  std::string m_DbPath;
  std::unique_ptr<refhost::HostRun> m_Run;
  std::unique_ptr<refhost::Session> m_Session;
};

TEST_F(SettlementToolbar, RowButtonsFollowThePreviewAndBillToolsFollowTheLookup) {
  std::vector<std::string> expected = {
      "mnuFileNew",        "mnuFileSave",        "mnuFilePreview", "mnuEditAddRow",
      "mnuEditDelRow",     "mnuFilePrint",       "mnuDataLookUp",  "mnuSelectBill_2000001",
      "mnuDataAutoSumAmt", "mnuDataAutoPartAmt", "mnuEditCheck",   "mnuDataPre",
      "mnuDataNext",       "mnuCaculate",        "mnuFileClose"};
  EXPECT_EQ(BandKeys("receipt", "BandToolBar"), expected);
  expected[7] = "mnuSelectBill_2000002";
  EXPECT_EQ(BandKeys("payment", "BandToolBar"), expected);
}

TEST_F(SettlementToolbar, DataMenuAndOptionMenuOrder) {
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
TEST_F(SettlementToolbar, ToolSetOrderOfCreation) {
  EXPECT_LT(MasterTool("receipt", "mnuDataAutoSumAmt")->m_Id,
            MasterTool("receipt", "mnuViewVch")->m_Id);
  EXPECT_GT(MasterTool("payment", "mnuDataAutoSumAmt")->m_Id,
            MasterTool("payment", "mnuViewVch")->m_Id);
}

TEST_F(SettlementToolbar, ToolsCarryTheirTextsAndPictures) {
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

}  // namespace
}  // namespace settlement_test
