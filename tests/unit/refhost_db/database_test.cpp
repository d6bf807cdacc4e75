#include "refhost/db/database.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/vb.h"
#include "core/vb_error.h"
#include "refhost/db/sql_error.h"
#include "tests/unit/refhost_db/db_test_util.h"

namespace refhost {
namespace {

using testing::TempDatabaseFile;

qor::Variant Scalar(Database& db, const std::string& sql) {
  qor::RecordsetPtr rs = db.Query(sql);
  EXPECT_FALSE(rs->IsEOF()) << sql;
  return rs->Field(rs->Columns().front());
}

TEST(Database, DemoCompanyIsCreatedAndReadable) {
  TempDatabaseFile file;
  auto db = file.Open();
  EXPECT_EQ(Scalar(*db, "select count(*) from t_User").LongValue(), 3);
  EXPECT_EQ(Scalar(*db, "select FName from t_Currency where FCurrencyID=1").StringValue(),
            "人民币");
  qor::RecordsetPtr jpy = db->Query(
      "select FOperator, FExchangeRate, FScale from t_Currency "
      "where FNumber='JPY'");
  EXPECT_EQ(jpy->Field("FOperator").StringValue(), "/");
  EXPECT_DOUBLE_EQ(jpy->Field("FExchangeRate").DoubleValue(), 20.0);
  EXPECT_EQ(jpy->Field("FScale").LongValue(), 0);
  EXPECT_EQ(Scalar(*db, "select count(*) from T_PeriodDate where FYear=2026").LongValue(), 12);
  EXPECT_EQ(Scalar(*db,
                   "select FValue from t_SystemProfile where FCategory='IC' and "
                   "FKey='CurrentPeriod'")
                .StringValue(),
            "12");
  EXPECT_EQ(Scalar(*db, "select count(*) from t_BillTemplate").LongValue(), 5);
  EXPECT_EQ(
      Scalar(*db, "select FWindow from t_BillTemplate where FBillTypeID=1000201").StringValue(),
      "receipt");
}

TEST(Database, EmptyDatabaseHasTemplatesButNoCompanyData) {
  TempDatabaseFile file(false);
  auto db = file.Open();
  EXPECT_EQ(Scalar(*db, "select count(*) from t_RP_RBill").LongValue(), 0);
  EXPECT_EQ(Scalar(*db, "select count(*) from t_Organization").LongValue(), 0);
  EXPECT_EQ(Scalar(*db, "select count(*) from t_User").LongValue(), 1);
  EXPECT_GT(Scalar(*db, "select count(*) from t_BillTemplateField").LongValue(), 100);
  EXPECT_EQ(Scalar(*db, "select count(*) from t_ListTemplate").LongValue(), 8);
}

TEST(Database, ColumnValuesMapToVariantTypes) {
  TempDatabaseFile file;
  auto db = file.Open();
  qor::RecordsetPtr rs = db->Query(
      "select FDate, FDate || '' as FDateText, FInterID, FAmountFor, FBillNo, FCheckerID, "
      "FCheckDate, 3000000000 as FBig from ICSale where FBillNo='INV0006'");
  ASSERT_FALSE(rs->IsEOF());
  EXPECT_TRUE(rs->Field("FDate").IsDate());
  EXPECT_DOUBLE_EQ(rs->Field("FDate").DoubleValue(), qor::DateSerial(2026, 12, 8));
  EXPECT_EQ(rs->Field("FDateText").StringValue(), "2026-12-08");
  EXPECT_EQ(rs->Field("FInterID").Type(), qor::VarType::Long);
  EXPECT_EQ(rs->Field("FAmountFor").Type(), qor::VarType::Double);
  EXPECT_EQ(rs->Field("FBillNo").StringValue(), "INV0006");
  EXPECT_TRUE(rs->Field("FCheckerID").IsNull());
  EXPECT_TRUE(rs->Field("FCheckDate").IsNull());
  EXPECT_EQ(rs->Field("FBig").Type(), qor::VarType::Double);
  EXPECT_DOUBLE_EQ(rs->Field("FBig").DoubleValue(), 3000000000.0);
}

TEST(Database, DatesThroughViewsStayDates) {
  TempDatabaseFile file;
  auto db = file.Open();
  qor::RecordsetPtr rs = db->Query(
      "select FDate from vw_arap_RBillList where FInvoiceBillNo='INV0003' order by "
      "FEntryID_HXD_SRC");
  ASSERT_EQ(rs->RecordCount(), 3);
  EXPECT_TRUE(rs->Field("FDate").IsDate());
  EXPECT_DOUBLE_EQ(rs->Field("FDate").DoubleValue(), qor::DateSerial(2026, 12, 2));
}

TEST(Database, ParametersCarryQuotesDatesAndBooleans) {
  TempDatabaseFile file;
  auto db = file.Open();
  EXPECT_EQ(
      db->ExecuteParams("insert into t_Department (FItemID, FNumber, FName, FDeleted) "
                        "values (?, ?, ?, ?)",
                        {qor::Variant(int32_t{50}), qor::Variant("99"),
                         qor::Variant("O'Neil's'; drop table t_User; --"), qor::Variant(true)}),
      1);
  qor::RecordsetPtr rs = db->QueryParams("select FName, FDeleted from t_Department where FItemID=?",
                                         {qor::Variant(int32_t{50})});
  EXPECT_EQ(rs->Field("FName").StringValue(), "O'Neil's'; drop table t_User; --");
  EXPECT_EQ(rs->Field("FDeleted").LongValue(), 1);
  EXPECT_EQ(db->QueryValue("select count(*) from t_User").LongValue(), 3);

  db->ExecuteParams("update ICSale set FCheckDate=? where FInterID=6",
                    {qor::Variant::Date(qor::DateSerial(2026, 12, 9))});
  EXPECT_EQ(db->QueryValue("select FCheckDate || '' from ICSale where FInterID=6").StringValue(),
            "2026-12-09");
  db->ExecuteParams("update ICSale set FCheckDate=? where FInterID=6",
                    {qor::Variant::Date(qor::DateSerial(2026, 12, 9) + 0.5)});
  EXPECT_EQ(db->QueryValue("select FCheckDate || '' from ICSale where FInterID=6").StringValue(),
            "2026-12-09 12:00:00");
  EXPECT_TRUE(
      db->QueryValue("select FName from t_Department where FItemID=?", {qor::Variant(int32_t{999})})
          .IsEmpty());
}

TEST(Database, FailuresRaiseTheProvidersSqlError) {
  TempDatabaseFile file;
  auto db = file.Open();
  try {
    db->Query("Select * from  Where FInterId=5");
    FAIL() << "no error raised";
  } catch (const qor::VbError& e) {
    EXPECT_EQ(e.Number(), -2147217900);
    EXPECT_EQ(e.Source(), "Database");
    EXPECT_NE(e.Description().find("syntax error"), std::string::npos);
    // The statement is for the trace, never for a message box.
    EXPECT_EQ(e.Description().find("Select"), std::string::npos);
  }
  EXPECT_THROW(db->Execute("update t_NoSuchTable set FName='x'"), qor::VbError);
  EXPECT_THROW(db->QueryParams("select ? , ?", {qor::Variant(int32_t{1})}), qor::VbError);
  EXPECT_THROW(db->QueryParams("select 1; select 2", {}), qor::VbError);
  EXPECT_THROW(
      db->ExecuteParams("insert into t_RP_RBill (FBillID, FBillNo) values (99, 'SK0001')", {}),
      qor::VbError);  // bill numbers are unique
  EXPECT_THROW(Database::Open("/nonexistent/folder/none.db"), qor::VbError);
}

TEST(Database, ConnectionsOnOneFileSeeEachOthersCommittedRows) {
  TempDatabaseFile file;
  auto first = file.Open();
  auto second = file.Open();
  first->Begin();
  first->Execute("insert into t_Department (FItemID, FNumber, FName) values (60, '60', '质检部')");
  EXPECT_EQ(second->QueryValue("select count(*) from t_Department where FItemID=60").LongValue(),
            0);
  first->Commit();
  EXPECT_EQ(second->QueryValue("select FName from t_Department where FItemID=60").StringValue(),
            "质检部");
  second->Execute("update t_Department set FName='品管部' where FItemID=60");
  EXPECT_EQ(first->QueryValue("select FName from t_Department where FItemID=60").StringValue(),
            "品管部");
}

TEST(Database, TransactionsNestAndRollBackUnlessCommitted) {
  TempDatabaseFile file;
  auto db = file.Open();
  auto count = [&] {
    return db->QueryValue("select count(*) from t_Department where FItemID>=70").LongValue();
  };
  db->Begin();
  db->Execute("insert into t_Department (FItemID, FNumber, FName) values (70, '70', 'A')");
  db->Begin();
  db->Execute("insert into t_Department (FItemID, FNumber, FName) values (71, '71', 'B')");
  EXPECT_EQ(db->TransactionDepth(), 2);
  db->Rollback();  // only the inner level
  EXPECT_EQ(count(), 1);
  db->Commit();
  EXPECT_EQ(db->TransactionDepth(), 0);
  EXPECT_EQ(count(), 1);
  {
    Transaction abandoned(*db);
    db->Execute("insert into t_Department (FItemID, FNumber, FName) values (72, '72', 'C')");
  }
  EXPECT_EQ(count(), 1);
  {
    Transaction kept(*db);
    db->Execute("insert into t_Department (FItemID, FNumber, FName) values (73, '73', 'D')");
    kept.Commit();
  }
  EXPECT_EQ(count(), 2);
  EXPECT_THROW(db->Commit(), qor::VbError);
  db->Execute("begin tran");
  db->Execute("delete from t_Department where FItemID>=70");
  db->Execute("rollback transaction");
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(db->TransactionDepth(), 0);
}

TEST(Database, TraceReportsEveryStatement) {
  TempDatabaseFile file;
  auto db = file.Open();
  std::vector<std::string> traced;
  db->SetTrace([&](const std::string& line) { traced.push_back(line); });
  db->Query("declare @a int\r\nselect @a=1\r\nselect @a as FValue");
  db->QueryParams("select ?", {qor::Variant("x")});
  ASSERT_EQ(traced.size(), 4u);
  EXPECT_EQ(traced[0], "declare @a int");
  EXPECT_EQ(traced[2], "select @a as FValue");
  EXPECT_EQ(traced[3], "select ?  -- 'x'");
}

TEST(Database, ChangedRowsAndInsertIdsAreReported) {
  TempDatabaseFile file;
  auto db = file.Open();
  EXPECT_EQ(db->Execute("update t_Emp set FDeleted=0 where FDepartmentID=1"), 2);
  EXPECT_EQ(db->Execute("update t_Emp set FDeleted=0 where FItemID=1\r\n"
                        "update t_Emp set FDeleted=0 where FItemID in (2,3)"),
            3);
  db->ExecuteParams("insert into t_BusinessLog (FUserID, FText) values (1, 'x')", {});
  EXPECT_EQ(db->LastInsertId(), 1);
  db->ExecuteParams("insert into t_BusinessLog (FUserID, FText) values (1, 'y')", {});
  EXPECT_EQ(db->LastInsertId(), 2);
}

TEST(Database, CachedStatementsStayCorrectWhenEvicted) {
  TempDatabaseFile file;
  auto db = file.Open();
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 300; ++i) {
      ASSERT_EQ(db->QueryValue("select " + std::to_string(i) +
                               " + FItemID from t_Emp "
                               "where FItemID=1")
                    .LongValue(),
                i + 1);
    }
  }
}

TEST(Database, GetDateFollowsTheHostsClock) {
  TempDatabaseFile file;
  auto db = file.Open();
  db->SetClock([] { return qor::DateSerial(2026, 12, 15) + 0.25; });
  EXPECT_EQ(Scalar(*db, "select getdate()").StringValue(), "2026-12-15 06:00:00");
  EXPECT_EQ(Scalar(*db,
                   "select count(*) from T_PeriodDate where GetDate() between FStartDate "
                   "and FEndDate || ' 23:59:59'")
                .LongValue(),
            1);
}

TEST(Database, EveryViewCanBeSelectedFrom) {
  TempDatabaseFile file;
  auto db = file.Open();
  qor::RecordsetPtr views =
      db->Query("select name from sqlite_master where type='view' order by name");
  int checked = 0;
  for (; !views->IsEOF(); views->MoveNext()) {
    const std::string name = views->Field("name").StringValue();
    qor::RecordsetPtr rows;
    ASSERT_NO_THROW(rows = db->Query("select * from " + name)) << name;
    EXPECT_FALSE(rows->Columns().empty()) << name;
    ++checked;
  }
  EXPECT_GE(checked, 19);
}

TEST(Database, SelectionViewsOfferOpenLinesUnderSettlementRowNames) {
  TempDatabaseFile file;
  auto db = file.Open();
  qor::RecordsetPtr rs = db->Query(
      "select * from vw_arap_RBillList where  1=1  and vw_arap_RBillList.FOriCustID =1 "
      "order by FDate, FBillNo, FEntryID_HXD_SRC");
  std::set<std::string> numbers;
  for (; !rs->IsEOF(); rs->MoveNext()) numbers.insert(rs->Field("FInvoiceBillNo").StringValue());
  EXPECT_EQ(numbers, (std::set<std::string>{"INV0001", "INV0002", "INV0005", "QYS0001"}));
  rs = db->Query(
      "select FBillAmountFor, FBillReceiveAmountFor, FBillUnReceiveAmountFor, "
      "FBillSettleAmountFor, FClassID_SRC, FInterID from vw_arap_RBillList "
      "where FInvoiceBillNo='INV0001' and FEntryID_HXD_SRC=1");
  EXPECT_DOUBLE_EQ(rs->Field("FBillAmountFor").DoubleValue(), 5000);
  EXPECT_DOUBLE_EQ(rs->Field("FBillReceiveAmountFor").DoubleValue(), 3000);
  EXPECT_DOUBLE_EQ(rs->Field("FBillUnReceiveAmountFor").DoubleValue(), 2000);
  EXPECT_DOUBLE_EQ(rs->Field("FBillSettleAmountFor").DoubleValue(), 2000);
  EXPECT_EQ(rs->Field("FClassID_SRC").LongValue(), 1000000);
  EXPECT_EQ(rs->Field("FInterID").LongValue(), 1);
  // Auditing a receipt settles its lines: SK0004 pays INV0002 in full.
  db->Execute("update t_RP_RBill set FStatus=1, FCheckerID=1 where FBillNo='SK0004'");
  EXPECT_EQ(db->QueryValue("select count(*) from vw_arap_RBillList where FInvoiceBillNo='INV0002'")
                .LongValue(),
            0);
  EXPECT_EQ(
      db->QueryValue("select count(*) from vw_arap_PBackBillList where FSupplyID=21").LongValue(),
      1);
}

}  // namespace
}  // namespace refhost
