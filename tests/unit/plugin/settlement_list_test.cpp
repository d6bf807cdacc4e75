// The receipt and payment lists inside the reference host: where the list
// commands land on the toolbar and what they carry.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_session_fixture.h"

namespace plugin_test {
namespace {

class SettlementListOnHost : public unit_test::PluginHostTest {
 protected:
  SettlementListOnHost() : PluginHostTest("qor_slist", 1000) {}

  qor::ToolbarControl& OpenList(const std::string& kind, int32_t showMode = 0) {
    m_Session->Invoke([&] { m_Session->Open(refhost::OpenWindow(*m_Session, kind, showMode, 0)); });
    return m_Session->Current()->Toolbar();
  }

  static std::vector<std::string> ToolbarKeys(const qor::ToolbarControl& bar) {
    std::vector<std::string> keys;
    for (const qor::ToolPtr& tool : bar.Bands("BandToolBar")->Tools().All()) {
      keys.push_back(tool->m_Name);
    }
    return keys;
  }
};

TEST_F(SettlementListOnHost, ToolbarPlacesTheListCommands) {
  for (const char* kind : {"receipt-list", "payment-list"}) {
    SCOPED_TRACE(kind);
    qor::ToolbarControl& bar = OpenList(kind);
    // Check, UnCheck and Voucher after the editing tools, then the cloud
    // attachments starting a group before Refresh.
    EXPECT_EQ(ToolbarKeys(bar), (std::vector<std::string>{
                                    "mnuFileNew", "mnuFileView", "mnuEditModify", "mnuEditDelete",
                                    "Check", "UnCheck", "Voucher", "mnuDataAccessory",
                                    "mnuFileRefresh", "mnuDataFilter", "mnuFilePrintPreview",
                                    "mnuFilePrint", "mnuDataViewPrvBill", "mnuDataViewNextBill"}));
    const qor::ToolCollection& tools = bar.Bands("BandToolBar")->Tools();
    EXPECT_EQ(tools.Item("Check")->m_Description, "审核");
    EXPECT_EQ(tools.Item("Check")->m_Picture, "Check");
    EXPECT_EQ(tools.Item("UnCheck")->m_Description, "反审");
    EXPECT_EQ(tools.Item("Voucher")->m_Description, "凭证");
    EXPECT_EQ(tools.Item("Voucher")->m_Picture, "Voucher");
    EXPECT_TRUE(tools.Item("mnuDataAccessory")->m_BeginGroup);
    EXPECT_EQ(tools.Item("mnuDataAccessory")->m_Description, "云盘附件");
    // Laid out once, at the end.
    EXPECT_EQ(bar.LayoutCount(), 1);
    m_Session->CloseCurrent();
  }
}

TEST_F(SettlementListOnHost, PickingAddsNoCommand) {
  qor::ToolbarControl& bar = OpenList("receipt-list", 3);
  EXPECT_EQ(bar.Bands("BandToolBar")->Tools().Find("Check"), nullptr);
  EXPECT_EQ(bar.Bands("BandToolBar")->Tools().Find("Voucher"), nullptr);
  EXPECT_FALSE(bar.Tools().Item("mnuEditDelete")->m_Visible);
  EXPECT_EQ(bar.LayoutCount(), 1);
}

TEST_F(SettlementListOnHost, ResultDisplayHasOneLinePerBillUnderItsTitle) {
  m_Session->Invoke([&] {
    for (const char* bill : {"2", "3"}) {
      m_Session->Db().ExecuteParams(
          "INSERT INTO t_FuncLock (FFuncType, FFuncCode, FSession, FProcessID, FKey) "
          "VALUES (21, 'AP0226', 'other', 1001, ?)",
          {qor::Variant(bill)});
    }
  });
  OpenList("payment-list");
  m_Session->Invoke([&] {
    m_Session->Current()->SelectRows({"FK0003", "FK0002"});
    m_Session->Current()->Click("Check");
  });
  const refhost::ShownRecords& shown = m_Run->Shown();
  EXPECT_EQ(shown.displayTitles, "提示信息|");
  ASSERT_EQ(shown.displayRows.size(), 2u);
  for (const std::string& row : shown.displayRows) {
    EXPECT_TRUE(row.starts_with("当前使用的功能与当前或其他用户有冲突")) << row;
    EXPECT_TRUE(row.ends_with("|")) << row;
  }
  // The other user's locks stay; the run gave back its own.
  int32_t locks = 0;
  m_Session->Invoke(
      [&] { locks = qor::CLng(m_Session->Db().QueryValue("SELECT COUNT(*) FROM t_FuncLock")); });
  EXPECT_EQ(locks, 2);
}

}  // namespace
}  // namespace plugin_test
