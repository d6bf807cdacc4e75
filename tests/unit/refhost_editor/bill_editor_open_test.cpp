#include <gtest/gtest.h>

#include "unit/refhost_editor/editor_test_support.h"

namespace refhost::editortest {
namespace {

using Events = std::vector<std::string>;
using qor::HostDictionaryPtr;

HostDictionaryPtr Dictionary(const qor::Variant& value) {
  return std::dynamic_pointer_cast<qor::HostDictionary>(value.ObjectValue());
}

TEST_F(BillEditorTest, OpeningAStoredBillRaisesTheLoadEventsInOrderAndFillsThePages) {
  // SK0002: customer 2, rows INV0003 lines 1-3 (2000, 4500, 1500).
  BillEditorWindow& window = Open("receipt", 2, 2);
  EXPECT_EQ(TakeEvents(), (Events{"create clsReceiveBill", "Show(BillEvent)", "MenuBarInitialize",
                                  "BarInitialize", "BeforeLoadBill", "BeforLoadBillFillData",
                                  "AfterLoadBill", "SetCurrencyState"}));
  EXPECT_EQ(Journal().mutexAtLoad, std::vector<bool>{true});

  BillEditorEvent& editor = window.Editor();
  On([&] {
    EXPECT_EQ(editor.GetEditMode(), 2);
    EXPECT_EQ(editor.GetBillInterID(), 2);
    EXPECT_EQ(editor.BillCtl()->BillStatus(), 2);
    auto header = Dictionary(editor.Data("Page1"));
    ASSERT_NE(header, nullptr);
    auto customer = Dictionary(header->Item("FCustomerID"));
    EXPECT_EQ(qor::CLng(customer->Item("FFLD")), 2);
    EXPECT_EQ(qor::StrOf(customer->Item("FDSP")), "上海东方电子有限公司");
    EXPECT_EQ(qor::StrOf(customer->Item("FFND")), "C002");
    EXPECT_EQ(qor::CLng(customer->Item("FModify")), 0);
    EXPECT_EQ(qor::StrOf(editor.GetFieldValue("FCustomerID", -1, 2)), "C002");
    EXPECT_EQ(qor::StrOf(editor.GetFieldValue("FBillNo", 0)), "SK0002");

    auto rows = qor::As<qor::HostVector>(editor.Data("Page2"));
    ASSERT_EQ(rows->Count(), 3);
    auto third = Dictionary(rows->Item(3));
    EXPECT_EQ(qor::StrOf(Dictionary(third->Item("FInvoiceBillNo"))->Item("FFLD")), "INV0003");
    EXPECT_DOUBLE_EQ(qor::CDbl(editor.GetFieldValue("FBillSettleAmountFor", 3)), 1500);
    EXPECT_EQ(editor.Data("Page3"), nullptr);
    EXPECT_EQ(editor.BillEntrys(1)->KeyField(), "FInvoiceBillNo");
    EXPECT_EQ(editor.ClassTypeEntrySize(), 1);
    auto detail = editor.GetDataService()->GetBillDetail(2);
    EXPECT_EQ(detail->RecordCount(), 3);
    EXPECT_EQ(qor::StrOf(detail->Field("FBillNo")), "SK0002");
    EXPECT_EQ(qor::CLng(detail->Field("FClassID_SRC")), 1000000);
  });
  EXPECT_EQ(window.RowCount(), 3);
  EXPECT_EQ(window.FieldText("FCustomerID", 0), "上海东方电子有限公司");
  EXPECT_EQ(window.FieldText("FBillSettleAmountFor", 2), "4500.00");
  EXPECT_THROW(window.FieldValue("FBillSettleAmountFor", 4), ScenarioError);
  EXPECT_THROW(window.FieldValue("FCustomerID", 1), ScenarioError);
  EXPECT_THROW(window.FieldValue("FNoSuchField", 0), ScenarioError);

  // The modify lock of the receipt is held for the bill.
  EXPECT_EQ(qor::CLng(SqlValue("SELECT COUNT(*) FROM t_FuncLock WHERE FFuncCode = 'AR0224' "
                               "AND FKey = '2' AND FSession = 'main'")),
            1);
}

TEST_F(BillEditorTest, ACancelledLoadLeavesTheEditorEmptyAndViewModeTakesNoLock) {
  Journal().cancelLoad = true;
  BillEditorWindow& window = Open("payment", 2, 2);
  EXPECT_EQ(TakeEvents(), (Events{"create clsPayBill", "Show(BillEvent)", "MenuBarInitialize",
                                  "BarInitialize", "BeforeLoadBill"}));
  EXPECT_EQ(qor::StrOf(window.FieldValue("FBillNo", 0)), "");
  EXPECT_EQ(window.RowCount(), 0);

  Journal().cancelLoad = false;
  BillEditorWindow& view = Open("payment", 0, 2);
  EXPECT_EQ(qor::StrOf(view.FieldValue("FBillNo", 0)), "FK0002");
  EXPECT_EQ(Journal().mutexAtLoad, std::vector<bool>{false});
  EXPECT_TRUE(view.IsLocked("FExplanation", std::nullopt));
  On([&] { EXPECT_EQ(view.Editor().BillCtl()->BillStatus(), 3); });
  EXPECT_THROW(Open("payment", 2, 999), ScenarioError);
}

TEST_F(BillEditorTest, ANewBillGetsItsNumberAndDefaultsAndRaisesTheNewBillEvents) {
  BillEditorWindow& receipt = Open("receipt", 1, 0);
  EXPECT_EQ(TakeEvents(),
            (Events{"create clsReceiveBill", "Show(BillEvent)", "MenuBarInitialize",
                    "BarInitialize", "AfterNewBill", "AfterNewEmptyData", "SetCurrencyState"}));
  EXPECT_EQ(qor::StrOf(receipt.FieldValue("FBillNo", 0)), "SK0005");
  EXPECT_EQ(receipt.FieldText("FDate", 0), "2026-12-15");
  EXPECT_EQ(qor::CLng(receipt.FieldValue("FCurrencyID", 0)), 1);
  EXPECT_EQ(receipt.FieldText("FCurrencyID", 0), "人民币");
  EXPECT_DOUBLE_EQ(qor::CDbl(receipt.FieldValue("FExchangeRate", 0)), 1);
  EXPECT_DOUBLE_EQ(qor::CDbl(receipt.FieldValue("FDiscount", 0)), 100);
  EXPECT_EQ(qor::CLng(receipt.FieldValue("FReceiveTypeID", 0)), 1001);
  EXPECT_EQ(qor::StrOf(receipt.FieldValue("FCustomerID", 0)), "");
  EXPECT_EQ(qor::CLng(receipt.FieldValue("FPreparer", 0)), 1);
  // Settlement rows come from the source selection only.
  EXPECT_EQ(receipt.RowCount(), 0);
  On([&] {
    EXPECT_EQ(receipt.Editor().GetEditMode(), 1);
    EXPECT_TRUE(receipt.Editor().MutexSuccess());
    EXPECT_EQ(receipt.Editor().GetBillInterID(), 0);
  });

  BillEditorWindow& other = Open("other-payable", 1, 0);
  EXPECT_EQ(qor::StrOf(other.FieldValue("FBillNo", 0)), "QYF0003");
  EXPECT_EQ(other.RowCount(), 1);  // a blank row to type into
  EXPECT_EQ(qor::CLng(other.FieldValue("FBillTypeID", 0)), 1008);
  EXPECT_EQ(other.FieldText("FLimitDate", 0), "2026-12-15");
}

}  // namespace
}  // namespace refhost::editortest
