#include "refhost/framework/type_tree_window.h"

#include <gtest/gtest.h>

#include "refhost/framework/type_list_window.h"
#include "unit/refhost_views/view_test_support.h"

namespace refhost::viewtest {
namespace {

using Events = std::vector<std::string>;

class TypeTreeWindowTest : public ViewWindowTest {
 protected:
  TypeTreeWindow& OpenTree() {
    Window& window = OpenView([](Session& session) { return OpenTypeTreeWindow(session); });
    return dynamic_cast<TypeTreeWindow&>(window);
  }
  int32_t LiveTypes() {
    return qor::CLng(SqlValue("SELECT COUNT(*) FROM t_RP_InOutType WHERE FDeleted = 0"));
  }
};

TEST_F(TypeTreeWindowTest, OpeningShowsTheBaseObjectThenBuildsTheBarsThenReads) {
  TypeTreeWindow& tree = OpenTree();
  EXPECT_EQ(TakeEvents(), (Events{"create clsRPInOutType", "Show(BaseClassEvent)",
                                  "MenuBarInitialize", "BarInitialize", "AfterGetData"}));
  ASSERT_NE(Journal().base, nullptr);
  EXPECT_EQ(Journal().base->TypeName(), "BaseClassEvent");
  EXPECT_EQ(Journal().barAtInitialize.get(), &tree.Toolbar());
  // The class itself is selected, with every type listed and no item.
  EXPECT_EQ(Journal().base->GetSelectedGroupID(), 1000207);
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 0);
  EXPECT_EQ(Journal().base->GetActiveControl()->Name(), "tvwGroup");
  EXPECT_EQ(tree.RowCount(), LiveTypes());
  EXPECT_EQ(tree.FieldText("FNumber", 1), "1");
  EXPECT_EQ(tree.Kind(), "type-tree");
}

TEST_F(TypeTreeWindowTest, SelectingAGroupRaisesClassGroupSelectedAndListsItsItems) {
  TypeTreeWindow& tree = OpenTree();
  TakeEvents();

  OnSession([&] { tree.TreeGroup(3); });
  EXPECT_EQ(TakeEvents(), Events{"ClassGroupSelected(1,1000207,3,1.01)"});
  EXPECT_EQ(Journal().base->GetSelectedGroupID(), 3);
  EXPECT_EQ(tree.ListedItems(), (std::vector<int32_t>{4, 5}));
  EXPECT_EQ(tree.StatusText(1), "1.01 服务收入");

  OnSession([&] { tree.TreeGroup(1000207); });
  EXPECT_EQ(TakeEvents(), Events{"ClassGroupSelected(1,1000207,1000207,)"});
  EXPECT_EQ(tree.RowCount(), LiveTypes());

  EXPECT_THROW(OnSession([&] { tree.TreeGroup(999); }), ScenarioError);
  EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(TypeTreeWindowTest, SelectingAnItemRaisesAfterGetDataAndFocusesTheItemList) {
  TypeTreeWindow& tree = OpenTree();
  OnSession([&] { tree.TreeGroup(2); });
  TakeEvents();

  OnSession([&] { tree.TreeItem(9); });
  EXPECT_EQ(TakeEvents(), Events{"AfterGetData"});
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 9);
  EXPECT_EQ(Journal().base->GetActiveControl()->Name(), "grid");

  // Only the types under the selected group can be picked, at any depth.
  EXPECT_THROW(OnSession([&] { tree.TreeItem(4); }), ScenarioError);
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 9);
  OnSession([&] { tree.TreeItem(10); });
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 10);
  OnSession([&] { tree.TreeItem(9); });

  // A new group clears the item.
  OnSession([&] { tree.TreeGroup(9); });
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 0);
  EXPECT_EQ(Journal().base->GetActiveControl()->Name(), "tvwGroup");

  OnSession([&] { tree.Focus("grid"); });
  EXPECT_EQ(Journal().base->GetActiveControl()->Name(), "grid");
  OnSession([&] { tree.Focus("GridResult"); });
  EXPECT_EQ(Journal().base->GetActiveControl()->Name(), "GridResult");
  EXPECT_THROW(OnSession([&] { tree.Focus("lvwNothing"); }), ScenarioError);
}

TEST_F(TypeTreeWindowTest, NewItemAndModifyOpenTheCardOnTheSamePluginAsTheCurrentWindow) {
  TypeTreeWindow& tree = OpenTree();
  OnSession([&] { tree.TreeGroup(3); });

  Journal().cancelTools = {"mnuFileNewItem"};
  OnSession([&] { tree.Click("mnuFileNewItem"); });
  EXPECT_EQ(m_Session->Current(), &tree);
  Journal().cancelTools.clear();
  TakeEvents();

  OnSession([&] { tree.Click("mnuFileNewItem"); });
  Window* card = m_Session->Current();
  ASSERT_NE(card, &tree);
  EXPECT_EQ(card->Kind(), "type-card");
  Events events = TakeEvents();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[0], "MenuBarClick mnuFileNewItem");
  EXPECT_EQ(events[1], "Show(BillEvent)");
  for (const std::string& event : events) EXPECT_NE(event.rfind("create", 0), 0u) << event;

  OnSession([&] { m_Session->CloseCurrent(); });
  ASSERT_EQ(m_Session->Current(), &tree);
  OnSession([&] { tree.TreeItem(4); });
  OnSession([&] { tree.Click("mnuEditModify"); });
  card = m_Session->Current();
  ASSERT_NE(card, &tree);
  EXPECT_EQ(card->Kind(), "type-card");
  EXPECT_EQ(qor::CLng(card->FieldValue("FID", 0)), 4);
}

TEST_F(TypeTreeWindowTest, DeleteMarksTheItemAndEverythingUnderItDeleted) {
  TypeTreeWindow& tree = OpenTree();
  int32_t live = LiveTypes();
  OnSession([&] { tree.TreeItem(3); });

  Journal().cancelTools = {"mnuEditDel"};
  OnSession([&] { tree.Click("mnuEditDel"); });
  EXPECT_EQ(LiveTypes(), live);
  Journal().cancelTools.clear();
  TakeEvents();

  OnSession([&] { tree.Click("mnuEditDel"); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuEditDel", "AfterGetData"}));
  EXPECT_EQ(qor::StrOf(SqlValue("SELECT group_concat(FID) FROM (SELECT FID FROM t_RP_InOutType "
                                "WHERE FDeleted = 1 ORDER BY FID)")),
            "3,4,5");
  EXPECT_EQ(tree.RowCount(), live - 3);
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 0);
}

TEST_F(TypeTreeWindowTest, DisableAndEnableChangeTheSelectedItem) {
  TypeTreeWindow& tree = OpenTree();
  OnSession([&] { tree.TreeItem(6); });
  OnSession([&] { tree.Click("mnuEditUnuse"); });
  EXPECT_EQ(qor::CLng(SqlValue("SELECT FDiscontinued FROM t_RP_InOutType WHERE FID = 6")), 1);
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 6);
  OnSession([&] { tree.Click("mnuEditUse"); });
  EXPECT_EQ(qor::CLng(SqlValue("SELECT FDiscontinued FROM t_RP_InOutType WHERE FID = 6")), 0);
}

TEST_F(TypeTreeWindowTest, RefreshRaisesRefreshListAndReadsAnew) {
  TypeTreeWindow& tree = OpenTree();
  int32_t live = LiveTypes();
  Sql("INSERT INTO t_RP_InOutType (FID, FNumber, FName) VALUES (40, '1.04', '利息收入')");
  TakeEvents();
  OnSession([&] { tree.Click("mnuFileRefresh"); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileRefresh", "RefreshList", "AfterGetData"}));
  EXPECT_EQ(tree.RowCount(), live + 1);

  // The object's own refresh raises AfterGetData alone.
  OnSession([&] { Journal().base->RefreshList(); });
  EXPECT_EQ(TakeEvents(), Events{"AfterGetData"});
}

TEST_F(TypeTreeWindowTest, TheBaseObjectKeepsWhatThePluginSets) {
  TypeTreeWindow& tree = OpenTree();
  OnSession([&] {
    Journal().base->SetClassType(1000207, 1000207, 1000207, "");
    Journal().base->SetListOption(1);
  });
  EXPECT_EQ(tree.ClassTypeIds(), (std::vector<int32_t>{1000207, 1000207, 1000207}));
  EXPECT_EQ(tree.ListOption(), std::optional<int32_t>(1));
  EXPECT_EQ(Journal().base->GetToolBarControl().get(), &tree.Toolbar());

  std::shared_ptr<qor::BaseClassEvent> base = Journal().base;
  OnSession([&] { m_Session->CloseCurrent(); });
  EXPECT_EQ(TakeEvents().back(), "terminate clsRPInOutType");
  EXPECT_THROW(base->GetSelectedGroupID(), qor::VbError);
}

TEST_F(TypeTreeWindowTest, TheTypeListIsReadOnlyAndSelectsTypesByNumber) {
  Window& window = OpenView([](Session& session) { return OpenTypeListWindow(session); });
  EXPECT_EQ(TakeEvents(), (Events{"create clsRPInOutTypeView", "Show(BaseClassEvent)",
                                  "BarInitialize", "AfterGetData"}));
  EXPECT_EQ(window.Kind(), "type-list");
  EXPECT_EQ(window.RowCount(), LiveTypes());
  EXPECT_EQ(window.FieldText("FNumber", 2), "1.01");
  EXPECT_EQ(Journal().base->GetActiveControl()->Name(), "grid");

  EXPECT_EQ(Journal().base->GetSelectedItemID(), 0);
  OnSession([&] { window.SelectRows({"2.02"}); });
  EXPECT_EQ(Journal().base->GetSelectedItemID(), 9);
  EXPECT_EQ(Journal().base->GetSelectedGroupID(), 0);
  EXPECT_THROW(OnSession([&] { window.SelectRows({"9.99"}); }), ScenarioError);

  OnSession([&] { window.Click("mnuFileRefresh"); });
  EXPECT_EQ(TakeEvents(), (Events{"MenuBarClick mnuFileRefresh", "RefreshList", "AfterGetData"}));
  // The list opens no card.
  OnSession([&] { window.Click("mnuFileNewItem"); });
  EXPECT_EQ(m_Session->Current(), &window);
  EXPECT_THROW(OnSession([&] { window.Focus("tvwGroup"); }), ScenarioError);
  EXPECT_THROW(OnSession([&] { window.TreeGroup(1); }), ScenarioError);
}

}  // namespace
}  // namespace refhost::viewtest
