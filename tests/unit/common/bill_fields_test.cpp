#include "common/bill_fields.h"

#include <optional>

#include "common/periods.h"
#include "host_fixture.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/window_factory.h"

namespace common_test {
namespace {

using qorarap::kHeaderRow;

// A receipt bill open in the host's bill editor. SK0002 (id 2): customer 2,
// gross 8000, discount 100, discount account 17, three settlement rows
// (INV0003 lines 1 to 3), not audited.
class BillFieldsTest : public HostTest {
 protected:
  void TearDown() override {
    OnSession([this] { m_Editor.reset(); });
    HostTest::TearDown();
  }

  void Open(int32_t editMode, int32_t billId, const std::string& kind = "receipt") {
    OnSession([&] {
      m_Session->Open(refhost::OpenWindow(*m_Session, kind, editMode, billId));
      auto& window = dynamic_cast<refhost::BillEditorWindow&>(*m_Session->Current());
      m_Editor = std::static_pointer_cast<qor::BillEvent>(window.Editor().shared_from_this());
    });
  }

  refhost::Window& Window() { return *m_Session->Current(); }

  // The field data of the field at the row, read on the session's thread.
  qor::Variant Entry(const std::string& key, int32_t row, const std::string& entry) {
    qor::Variant value;
    OnSession([&] {
      auto data = m_Editor->GetDataFld(m_Editor->GetFieldInfoByKey(key, "", 0), row);
      value = data ? data->Item(entry) : qor::Variant("<no data>");
    });
    return value;
  }
  qor::Variant Stored(const std::string& key, int32_t row = kHeaderRow) {
    return Entry(key, row, "FFLD");
  }
  int32_t Modified(const std::string& key, int32_t row = kHeaderRow) {
    return qor::CLng(Entry(key, row, "FModify"));
  }

  void Write(const std::string& key, int32_t row, const qor::Variant& value, bool refresh = false,
             bool keepUnmodified = false) {
    OnSession(
        [&] { qorarap::SetBillFieldValue(m_Editor, key, row, value, refresh, keepUnmodified); });
  }

  std::string Text(const std::string& key, int32_t row = 0) {
    std::string text;
    OnSession([&] { text = Window().FieldText(key, row); });
    return text;
  }

  // The first tool of the key in the editor's toolbar.
  qor::ToolPtr Tool(const std::string& key) {
    auto tools = Window().Toolbar().FindAll(key);
    return tools.empty() ? nullptr : tools.front();
  }

  void ClearFlags() {
    OnSession([this] { qorarap::ClearModifyFlags(m_Editor); });
  }

  std::shared_ptr<qor::BillEvent> m_Editor;
};

TEST_F(BillFieldsTest, ReadsStoredValuesOfHeaderAndRows) {
  Open(2, 2);
  qor::Variant billNo;
  qor::Variant firstSource;
  qor::Variant missingRow;
  int32_t unknownKey = 0;
  OnSession([&] {
    billNo = qorarap::GetBillFieldValue(m_Editor, "FBillNo");
    firstSource = qorarap::GetBillFieldValue(m_Editor, "FInvoiceBillNo", 1);
    missingRow = qorarap::GetBillFieldValue(m_Editor, "FInvoiceBillNo", 9);
    unknownKey = ErrorOf([this] { qorarap::GetBillFieldValue(m_Editor, "FNoSuchField"); });
  });
  EXPECT_EQ(qor::StrOf(billNo), "SK0002");
  EXPECT_EQ(qor::StrOf(firstSource), "INV0003");
  EXPECT_TRUE(missingRow.IsString());
  EXPECT_EQ(qor::StrOf(missingRow), "");
  EXPECT_NE(unknownKey, 0);
}

TEST_F(BillFieldsTest, AnEqualNumberIsNoChangeButTheCellIsStillRedrawn) {
  Open(2, 2);
  ClearFlags();
  ASSERT_EQ(qor::CDbl(Stored("FDiscountAmountFor")), 100);
  std::string shownBefore = Text("FDiscountAmountFor");
  ASSERT_NE(shownBefore, "100");

  Write("FDiscountAmountFor", kHeaderRow, 100);
  EXPECT_EQ(Text("FDiscountAmountFor"), shownBefore);  // no refresh, no redraw

  Write("FDiscountAmountFor", kHeaderRow, 100, true);
  EXPECT_EQ(Stored("FDiscountAmountFor").Type(), qor::VarType::Double);
  EXPECT_EQ(Modified("FDiscountAmountFor"), 0);
  EXPECT_EQ(Text("FDiscountAmountFor"), "100");

  Write("FDiscountAmountFor", kHeaderRow, "100.00", true);
  EXPECT_EQ(Stored("FDiscountAmountFor").Type(), qor::VarType::Double);
  EXPECT_EQ(Modified("FDiscountAmountFor"), 0);
  EXPECT_EQ(Text("FDiscountAmountFor"), "100.00");

  // Numeric texts compare as numbers too, even in a text field.
  Write("FSettleIDNo", kHeaderRow, "100", false, true);
  Write("FSettleIDNo", kHeaderRow, "100.00");
  EXPECT_EQ(qor::StrOf(Stored("FSettleIDNo")), "100");
  EXPECT_EQ(Modified("FSettleIDNo"), 0);
}

TEST_F(BillFieldsTest, RowMinusOneWritesEveryEntryRowButOnlyTheHeaderOfAHeaderField) {
  Open(2, 2);
  ClearFlags();
  Write("FFKDBillNo", kHeaderRow, "FKD-1");
  for (int32_t row = 1; row <= 3; ++row) {
    EXPECT_EQ(qor::StrOf(Stored("FFKDBillNo", row)), "FKD-1") << row;
    EXPECT_EQ(Modified("FFKDBillNo", row), 1) << row;
  }

  Write("FBillSettleAmountFor", 2, 999);
  EXPECT_EQ(qor::CDbl(Stored("FBillSettleAmountFor", 1)), 2000);
  EXPECT_EQ(qor::CDbl(Stored("FBillSettleAmountFor", 2)), 999);
  EXPECT_EQ(qor::CDbl(Stored("FBillSettleAmountFor", 3)), 1500);

  Write("FExplanation", kHeaderRow, "表头");
  EXPECT_EQ(qor::StrOf(Stored("FExplanation")), "表头");
  for (int32_t row = 1; row <= 3; ++row) {
    EXPECT_EQ(qor::StrOf(Stored("FFKDBillNo", row)), "FKD-1") << row;
  }
}

TEST_F(BillFieldsTest, BaseDataReferencesTakeTheNameAndNumberOfTheOneMatchingRecord) {
  Open(2, 2);
  Write("FCustomerID", kHeaderRow, 4, true);
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FDSP")), "太平洋贸易(美国)公司");
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FFND")), "C004");
  EXPECT_EQ(Text("FCustomerID"), "太平洋贸易(美国)公司");

  // The code lists show their FID as the number.
  Write("FReceiveTypeID", kHeaderRow, 1002);
  EXPECT_EQ(qor::StrOf(Entry("FReceiveTypeID", kHeaderRow, "FDSP")), "预收款");
  EXPECT_EQ(qor::StrOf(Entry("FReceiveTypeID", kHeaderRow, "FFND")), "02");

  // No record: name and number are emptied.
  Write("FCustomerID", kHeaderRow, 99);
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FDSP")), "");
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FFND")), "");
}

TEST_F(BillFieldsTest, TypedTextCannotWidenTheLookup) {
  Open(2, 2);
  // Unquoted, the text would select customer 2 and show its name.
  Write("FCustomerID", kHeaderRow, "99 or FItemID=2");
  EXPECT_EQ(qor::StrOf(Stored("FCustomerID")), "99 or FItemID=2");
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FDSP")), "");
  Write("FCustomerID", kHeaderRow, "2' or '1'='1");
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FDSP")), "");
  // A numeric text is looked up as its number.
  Write("FCustomerID", kHeaderRow, " 2 ");
  EXPECT_EQ(qor::StrOf(Entry("FCustomerID", kHeaderRow, "FFND")), "C002");
}

TEST_F(BillFieldsTest, TwoMatchingRecordsEmptyNameAndNumber) {
  // The department field looks employees up by their department: department 1
  // has two employees, department 3 one.
  Sql("UPDATE t_BillTemplateField SET FSRCTableName = 't_Emp', FSRCFieldName = 'FDepartmentID' "
      "WHERE FBillTypeID = 1000201 AND FKey = 'FDepartmentID'");
  Open(2, 2);
  Write("FDepartmentID", kHeaderRow, 3);
  EXPECT_EQ(qor::StrOf(Entry("FDepartmentID", kHeaderRow, "FDSP")), "刘洋");
  EXPECT_EQ(qor::StrOf(Entry("FDepartmentID", kHeaderRow, "FFND")), "E004");
  Write("FDepartmentID", kHeaderRow, 1);
  EXPECT_EQ(qor::StrOf(Entry("FDepartmentID", kHeaderRow, "FDSP")), "");
  EXPECT_EQ(qor::StrOf(Entry("FDepartmentID", kHeaderRow, "FFND")), "");
}

TEST_F(BillFieldsTest, ClearModifyFlagsMarksHeaderAndRowsUnchanged) {
  Open(2, 2);
  Write("FExplanation", kHeaderRow, "x");
  Write("FFKDBillNo", kHeaderRow, "y");
  ASSERT_EQ(Modified("FExplanation"), 1);
  ASSERT_EQ(Modified("FFKDBillNo", 3), 1);
  ClearFlags();
  EXPECT_EQ(Modified("FExplanation"), 0);
  for (int32_t row = 1; row <= 3; ++row) EXPECT_EQ(Modified("FFKDBillNo", row), 0) << row;
  EXPECT_EQ(qor::StrOf(Stored("FFKDBillNo", 2)), "y");
}

TEST_F(BillFieldsTest, LockBillFieldClearsAndLocks) {
  Open(2, 2);
  ClearFlags();
  ASSERT_EQ(qor::CLng(Stored("FDiscountAcctID")), 17);
  OnSession([this] { qorarap::LockBillField(m_Editor, "FDiscountAcctID", true, true, 0); });
  EXPECT_EQ(qor::CLng(Stored("FDiscountAcctID")), 0);
  EXPECT_EQ(qor::StrOf(Entry("FDiscountAcctID", kHeaderRow, "FDSP")), "");
  EXPECT_EQ(Modified("FDiscountAcctID"), 0);
  EXPECT_TRUE(Window().IsLocked("FDiscountAcctID", std::nullopt));

  OnSession([this] { qorarap::LockBillField(m_Editor, "FDiscountAcctID", false, true, 1); });
  EXPECT_EQ(Modified("FDiscountAcctID"), 1);
  EXPECT_FALSE(Window().IsLocked("FDiscountAcctID", std::nullopt));

  // Without clearing, the value stays.
  Write("FExplanation", kHeaderRow, "kept");
  OnSession([this] { qorarap::LockBillField(m_Editor, "FExplanation", true); });
  EXPECT_EQ(qor::StrOf(Stored("FExplanation")), "kept");
  EXPECT_TRUE(Window().IsLocked("FExplanation", std::nullopt));
}

TEST_F(BillFieldsTest, RunFieldActionRunsTheEditorsFormulas) {
  Open(2, 2);
  ClearFlags();
  Write("FAmountFor", kHeaderRow, 10000.0, false, true);
  ASSERT_EQ(qor::CDbl(Stored("FAmount")), 8000);
  OnSession([this] { qorarap::RunFieldAction(m_Editor, "FAmountFor", kHeaderRow, false); });
  EXPECT_EQ(qor::CDbl(Stored("FAmount")), 10000);
  EXPECT_EQ(Modified("FAmountFor"), 0);
  OnSession([this] { qorarap::RunFieldAction(m_Editor, "FAmountFor", kHeaderRow, true); });
  EXPECT_EQ(Modified("FAmountFor"), 1);
}

TEST_F(BillFieldsTest, EntryRowCountCountsFilledKeyFields) {
  Open(2, 2);
  int32_t filled = 0;
  int32_t all = 0;
  OnSession([&] {
    filled = qorarap::GetEntryRowCount(m_Editor, 1);
    all = qorarap::GetEntryRowCount(m_Editor, 1, true);
  });
  EXPECT_EQ(filled, 3);
  EXPECT_EQ(all, 3);
  Write("FInvoiceBillNo", 2, "   ");
  OnSession([&] {
    filled = qorarap::GetEntryRowCount(m_Editor, 1);
    all = qorarap::GetEntryRowCount(m_Editor, 1, true);
  });
  EXPECT_EQ(filled, 2);
  EXPECT_EQ(all, 3);
}

TEST_F(BillFieldsTest, EntryRowCountWithoutKeyFieldCountsBlankRows) {
  // A new bill has one blank row.
  Open(1, 0);
  int32_t withKey = -1;
  OnSession([&] { withKey = qorarap::GetEntryRowCount(m_Editor, 1); });
  EXPECT_EQ(withKey, 0);

  Sql("UPDATE t_BillTemplateEntry SET FKeyField = '' WHERE FBillTypeID = 1000201");
  Open(1, 0);
  int32_t withoutKey = -1;
  OnSession([&] { withoutKey = qorarap::GetEntryRowCount(m_Editor, 1); });
  EXPECT_EQ(withoutKey, 1);
}

TEST_F(BillFieldsTest, FindToolIndexScansTheBandWithoutRegardToCase) {
  Open(2, 2);
  int16_t preview = -1;
  int16_t upper = -1;
  int16_t missing = -1;
  int32_t expected = -2;
  OnSession([&] {
    qor::ToolbarControlPtr bar = m_Editor->GetToolBarControl();
    expected = bar->Bands("BandToolBar")->Tools().IndexOf("mnuFilePreview");
    preview = qorarap::FindToolIndex(bar, "BandToolBar", "mnuFilePreview");
    upper = qorarap::FindToolIndex(bar, "bandtoolbar", "MNUFILEPREVIEW");
    missing = qorarap::FindToolIndex(bar, "BandToolBar", "mnuNoSuchTool");
  });
  ASSERT_GT(expected, 0);
  EXPECT_EQ(preview, expected);
  EXPECT_EQ(upper, expected);
  EXPECT_EQ(missing, 0);
}

TEST_F(BillFieldsTest, EditMenusFollowTheActionAndAlwaysHideCopyAndBatchFill) {
  Open(2, 2);
  auto setAll = [this](const char* property, bool value) {
    OnSession([&] {
      for (const char* item :
           {"mnuEditDelRow", "mnuEditAddRow", "mnuDataLookUp", "mnuCopyRow", "mnuBatchFillField"}) {
        m_Editor->SetBarStatus(item, property, value);
      }
    });
  };
  setAll("Visible", true);
  setAll("Enabled", false);
  OnSession([this] { qorarap::SetEditMenus(m_Editor, "EnableSel"); });
  EXPECT_FALSE(Tool("mnuCopyRow")->m_Visible);
  EXPECT_FALSE(Tool("mnuBatchFillField")->m_Visible);
  EXPECT_FALSE(Tool("mnuEditDelRow")->m_Enabled);
  EXPECT_TRUE(Tool("mnuEditDelRow")->m_Visible);

  OnSession([this] { qorarap::SetEditMenus(m_Editor, "mnuedituncheck"); });
  EXPECT_TRUE(Tool("mnuEditDelRow")->m_Enabled);
  EXPECT_TRUE(Tool("mnuEditAddRow")->m_Enabled);
  EXPECT_FALSE(Tool("mnuDataLookUp")->m_Enabled);

  OnSession([this] { qorarap::SetEditMenus(m_Editor, "miDisable"); });
  EXPECT_FALSE(Tool("mnuEditDelRow")->m_Enabled);
  EXPECT_FALSE(Tool("mnuEditAddRow")->m_Enabled);

  setAll("Enabled", true);
  OnSession([this] { qorarap::SetEditMenus(m_Editor, "DisableEdit"); });
  EXPECT_FALSE(Tool("mnuEditDelRow")->m_Visible);
  EXPECT_FALSE(Tool("mnuEditAddRow")->m_Visible);
  EXPECT_TRUE(Tool("mnuEditAddRow")->m_Enabled);
  EXPECT_FALSE(Tool("mnuDataLookUp")->m_Enabled);

  OnSession([this] { qorarap::SetEditMenus(m_Editor, "EnableEdit"); });
  EXPECT_TRUE(Tool("mnuEditDelRow")->m_Visible);
  EXPECT_TRUE(Tool("mnuEditAddRow")->m_Visible);
  EXPECT_TRUE(Tool("mnuDataLookUp")->m_Enabled);
  EXPECT_FALSE(Tool("mnuCopyRow")->m_Visible);
}

TEST_F(BillFieldsTest, RowMenusAreDisabledOnlyInAReadOnlyEditor) {
  const std::vector<std::string> items{"mnuEditDelRow", "mnuEditAddRow", "mnuBatchFillField",
                                       "mnuDataLookUp"};
  auto enableThenApply = [&] {
    OnSession([&] {
      for (const auto& item : items) m_Editor->SetBarStatus(item, "Enabled", true);
      qorarap::DisableRowMenusOnStatus(m_Editor);
    });
  };
  Open(2, 2);
  enableThenApply();
  for (const auto& item : items) EXPECT_TRUE(Tool(item)->m_Enabled) << item;
  Open(0, 1);  // SK0001 for viewing
  enableThenApply();
  for (const auto& item : items) EXPECT_FALSE(Tool(item)->m_Enabled) << item;
}

class CheckBillDateTest : public BillFieldsTest {
 protected:
  bool Check() {
    bool result = false;
    OnSession([&] { result = qorarap::CheckBillDate(m_Editor); });
    return result;
  }
};

TEST_F(CheckBillDateTest, ABillBeforeTheCurrentPeriodIsRefused) {
  Open(2, 2);
  size_t shown = Messages().size();
  Write("FDate", kHeaderRow, qor::Variant::Date(qor::DateSerial(2026, 12, 1)));
  EXPECT_TRUE(Check());
  EXPECT_EQ(Messages().size(), shown);

  Write("FDate", kHeaderRow, qor::Variant::Date(qor::DateSerial(2026, 11, 30)));
  EXPECT_FALSE(Check());
  ASSERT_EQ(Messages().size(), shown + 1);
  EXPECT_EQ(Messages().back().text, "不能保存业务系统当前使用期间之前的单据,请修改单据日期。");
  EXPECT_EQ(Messages().back().buttons, 48);
  EXPECT_EQ(Messages().back().title, "青岚提示");
}

TEST_F(CheckBillDateTest, AFailingCheckLetsTheBillPass) {
  Open(2, 2);
  Write("FDate", kHeaderRow, qor::Variant::Date(qor::DateSerial(2025, 1, 1)));
  // A current period without dates: the period service fails.
  Sql("UPDATE t_SystemProfile SET FValue = '13' WHERE FCategory = 'IC' AND FKey = 'CurrentPeriod'");
  size_t shown = Messages().size();
  EXPECT_TRUE(Check());
  EXPECT_EQ(Messages().size(), shown);
}

}  // namespace
}  // namespace common_test
