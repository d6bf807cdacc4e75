// The tools the receipt and payment editors create for their own commands:
// their texts, pictures and flags byte for byte, and where each band ends
// once the menus are set up.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"
#include "unit/host_session_fixture.h"

namespace settlement_menus_test {
namespace {

struct ExpectedTool {
  const char* kind;
  const char* key;
  const char* caption;
  const char* description;
  const char* toolTip;
  const char* picture;
  bool visible;
};

constexpr char kOption[] = "通过折后金额计算表头收款金额";

const ExpectedTool kCreatedTools[] = {
    {"receipt", "mnuEditUnCheck", "反审核", "对单据进行取消审核操作", "反审核", "", true},
    {"receipt", "mnuDataAutoSumAmt", "自动合计", "应收单据自动合计收款金额", "合计", "Sum", true},
    {"receipt", "mnuViewVch", "调阅凭证", "调阅凭证", "凭证", "", false},
    {"receipt", "mnuDataAutoPartAmt", "自动分摊金额", "应收单据自动分摊收款金额", "分摊", "Split",
     true},
    {"receipt", "mnuAutoCalRecAmount", kOption, kOption, kOption, "", true},
    {"receipt", "mnuSelectBill_2000001", "选源单", "选源单", "选源单", "SelBill", true},
    {"payment", "mnuEditUnCheck", "反审核", "对单据进行取消审核操作", "反审核", "", true},
    {"payment", "mnuDataAutoSumAmt", "自动合计", "应付单据自动合计付款金额", "合计", "Sum", true},
    {"payment", "mnuViewVch", "调阅凭证", "调阅凭证", "凭证", "", false},
    {"payment", "mnuDataAutoPartAmt", "自动分摊金额", "应付单据自动分摊付款金额", "分摊", "Split",
     true},
    {"payment", "mnuAutoCalPayAmount", kOption, kOption, kOption, "", true},
    {"payment", "mnuSelectBill_2000002", "选源单", "选源单", "选源单", "SelBill", true},
};

class SettlementMenusOnHost : public unit_test::PluginHostTest {
 protected:
  SettlementMenusOnHost() : PluginHostTest("qor_settlement_menus", 1001) {}

  // Copies of the tool-set tool and of the band's tools of a new bill's editor.
  void OpenNew(const std::string& kind, const std::string& band, const std::string& key,
               qor::ToolPtr& tool, std::vector<qor::ToolPtr>& bandTools) {
    m_Session->Invoke([&] {
      m_Session->Open(refhost::OpenWindow(*m_Session, kind, 1, 0));
      qor::ToolbarControl& bar = m_Session->Current()->Toolbar();
      if (!key.empty()) tool = bar.Tools().Item(key)->Clone();
      for (const qor::ToolPtr& item : bar.Bands(band)->Tools().All()) {
        bandTools.push_back(item->Clone());
      }
    });
    m_Session->CloseCurrent();
  }

  // Whether the two source-line columns show after the type is typed into a
  // new bill (the receipt's or the payment's type field).
  std::vector<bool> SourceColumnsShown(const std::string& kind, const std::string& typeKey,
                                       int32_t type) {
    std::vector<bool> shown;
    m_Session->Invoke([&] {
      m_Session->Open(refhost::OpenWindow(*m_Session, kind, 1, 0));
      auto* window = dynamic_cast<refhost::BillEditorWindow*>(m_Session->Current());
      ASSERT_NE(window, nullptr);
      window->SetField(typeKey, 0, std::to_string(type));
      for (const char* key : {"FFKDBillNo", "FEntryAmount_SRC"}) {
        shown.push_back(qor::CBool(window->Editor().GetFieldInfo(key)->Item("FVisible")));
      }
    });
    m_Session->CloseCurrent();
    return shown;
  }
};

// Texts as the menus create them; the flags as the menus leave them before a
// bill is loaded or created (the receipt's option: a user without a stored
// choice).
TEST_F(SettlementMenusOnHost, CreatedToolsCarryTheirTextsPicturesAndFlags) {
  for (const ExpectedTool& expected : kCreatedTools) {
    SCOPED_TRACE(std::string(expected.kind) + " " + expected.key);
    qor::ToolPtr tool;
    std::vector<qor::ToolPtr> unused;
    OpenNew(expected.kind, "mnuData", expected.key, tool, unused);
    ASSERT_TRUE(tool);
    EXPECT_EQ(tool->m_Caption, expected.caption);
    EXPECT_EQ(tool->m_Description, expected.description);
    EXPECT_EQ(tool->m_ToolTipText, expected.toolTip);
    EXPECT_EQ(tool->m_Picture, expected.picture);
    EXPECT_FALSE(tool->m_Checked);
    if (std::string(expected.key) != "mnuEditUnCheck") {
      EXPECT_EQ(tool->m_Visible, expected.visible);
    }
  }
}

// The uncheck item ends the edit menu; the option opens the option menu and
// the help item, hidden, ends it.
TEST_F(SettlementMenusOnHost, EditAndOptionMenusEndWithTheBillsItems) {
  for (const char* kind : {"receipt", "payment"}) {
    SCOPED_TRACE(kind);
    qor::ToolPtr help;
    std::vector<qor::ToolPtr> edit;
    std::vector<qor::ToolPtr> option;
    OpenNew(kind, "mnuEdit", "", help, edit);
    OpenNew(kind, "mnuOption", "mnuHelpFile", help, option);
    ASSERT_FALSE(edit.empty());
    EXPECT_EQ(edit.back()->m_Name, "mnuEditUnCheck");
    ASSERT_FALSE(option.empty());
    EXPECT_EQ(option.back()->m_Name, "mnuHelpFile");
    EXPECT_FALSE(option.back()->m_Visible);
    EXPECT_EQ(option.back()->m_Caption, "帮助目录");
    EXPECT_EQ(option.back()->m_Description, "帮助目录");
    EXPECT_EQ(option.back()->m_ToolTipText, "帮助目录");
    EXPECT_EQ(help->m_Picture, "");
  }
}

// The source-line columns belong to the receipt's type 1009 and the
// payment's type 1010 only.
TEST_F(SettlementMenusOnHost, SourceColumnsFollowEachSidesOwnType) {
  const std::vector<bool> shown{true, true};
  const std::vector<bool> hidden{false, false};
  EXPECT_EQ(SourceColumnsShown("receipt", "FReceiveTypeID", 1009), shown);
  EXPECT_EQ(SourceColumnsShown("receipt", "FReceiveTypeID", 1001), hidden);
  EXPECT_EQ(SourceColumnsShown("payment", "FPayTypeID", 1010), shown);
  EXPECT_EQ(SourceColumnsShown("payment", "FPayTypeID", 1003), hidden);
}

// A stored bill of that type shows them as it is loaded.
TEST_F(SettlementMenusOnHost, StoredBillOfTheSourceTypeShowsTheSourceColumns) {
  bool shown = false;
  m_Session->Invoke([&] {
    m_Session->Db().Execute("UPDATE t_RP_PBill SET FPayTypeID = 1010 WHERE FBillID = 2");
    m_Session->Open(refhost::OpenWindow(*m_Session, "payment", 2, 2));
    auto* window = dynamic_cast<refhost::BillEditorWindow*>(m_Session->Current());
    ASSERT_NE(window, nullptr);
    shown = qor::CBool(window->Editor().GetFieldInfo("FEntryAmount_SRC")->Item("FVisible"));
  });
  m_Session->CloseCurrent();
  EXPECT_TRUE(shown);
}

// A toolbar without the preview button takes the row buttons at the
// control's positions 1 and 2, behind the first button.
TEST_F(SettlementMenusOnHost, RowButtonsWithoutPreviewGoToPositionsOneAndTwo) {
  std::vector<std::string> keys;
  m_Session->Invoke([&] {
    m_Session->Open(refhost::OpenWindow(*m_Session, "receipt", 1, 0));
    auto* window = dynamic_cast<refhost::BillEditorWindow*>(m_Session->Current());
    ASSERT_NE(window, nullptr);
    refhost::BillEditorEvent& editor = window->Editor();
    qor::ToolbarControlPtr bar = editor.GetToolBarControl();
    qor::ToolCollection& toolBar = bar->Bands("BandToolBar")->Tools();
    for (const char* key : {"mnuFilePreview", "mnuEditAddRow", "mnuEditDelRow"}) {
      toolBar.Remove(key);
    }
    editor.Raise("BarInitialize(oActiveBar)",
                 [&](qor::BillEventSink& sink) { sink.BarInitialize(bar); });
    for (const qor::ToolPtr& tool : toolBar.All()) keys.push_back(tool->m_Name);
  });
  m_Session->CloseCurrent();
  ASSERT_GE(keys.size(), 4U);
  EXPECT_EQ(keys[0], "mnuFileNew");
  EXPECT_EQ(keys[1], "mnuEditAddRow");
  EXPECT_EQ(keys[2], "mnuEditDelRow");
  EXPECT_EQ(keys[3], "mnuFileSave");
}

}  // namespace
}  // namespace settlement_menus_test
