#include "refhost/db/tsql_batch.h"

#include <gtest/gtest.h>

#include <string>

#include "core/vb.h"
#include "core/vb_error.h"
#include "refhost/db/database.h"
#include "tests/unit/refhost_db/db_test_util.h"

namespace refhost {
namespace {

using testing::TempDatabaseFile;

const char* const kCrLf = "\r\n";

class TsqlOnDemo : public ::testing::Test {
 protected:
  TsqlOnDemo() : m_Db(m_File.Open()) {}

  qor::Variant Value(const std::string& sql) {
    qor::RecordsetPtr rs = m_Db->Query(sql);
    if (rs->IsEOF()) return qor::Variant();
    return rs->Field(rs->Columns().front());
  }
  std::string Text(const std::string& sql) { return qor::StrOf(Value(sql)); }
  double Number(const std::string& sql) { return qor::CDbl(Value(sql)); }

  std::string PeriodBatch() {
    return std::string("declare @Per int,@Year int ") + kCrLf +
           "select @Per=Fvalue From t_systemprofile where FCategory='IC' and "
           "FKey='CurrentPeriod' " +
           kCrLf +
           "select @Year=Fvalue From t_systemprofile where FCategory='IC' and "
           "FKey='CurrentYear' " +
           kCrLf +
           "Select FStartDate,FEndDate From T_PeriodDate where FYear=@Year And FPeriod=@Per ";
  }

  TempDatabaseFile m_File;
  std::shared_ptr<Database> m_Db;
};

TEST_F(TsqlOnDemo, PeriodBatchGivesTheCurrentPeriodsDates) {
  qor::RecordsetPtr rs = m_Db->Query(PeriodBatch());
  ASSERT_EQ(rs->RecordCount(), 1);
  EXPECT_TRUE(rs->Field("FStartDate").IsDate());
  EXPECT_EQ(qor::FormatDate(rs->Field("FStartDate").DoubleValue()), "2026-12-01");
  EXPECT_EQ(qor::FormatDate(rs->Field("FEndDate").DoubleValue()), "2026-12-31");

  m_Db->Execute(
      "update t_SystemProfile set FValue='11' where FCategory='IC' and "
      "FKey='CurrentPeriod'");
  rs = m_Db->Query(PeriodBatch());
  EXPECT_EQ(qor::FormatDate(rs->Field("FStartDate").DoubleValue()), "2026-11-01");

  m_Db->Execute("delete from t_SystemProfile where FKey='CurrentYear'");
  rs = m_Db->Query(PeriodBatch());  // the year stays Null: no period matches
  EXPECT_EQ(rs->RecordCount(), 0);
  EXPECT_EQ(rs->Columns().size(), 2u);
}

TEST_F(TsqlOnDemo, VariablesFollowTsqlRules) {
  EXPECT_EQ(Number("declare @a int = 5\r\nset @a = @a * 2\r\nselect @a + 1"), 11);
  EXPECT_EQ(Text("declare @s varchar(10)\r\nselect @s = FNumber From t_Organization where "
                 "FItemID<=3 order by FItemID\r\nselect @s"),
            "C003");  // the last row's value
  EXPECT_EQ(Number("declare @n int\r\nset @n = 7\r\nselect @n = FItemID From t_Organization "
                   "where FItemID = -1\r\nselect @n"),
            7);  // no row keeps the value
  EXPECT_EQ(Number("declare @x decimal(10,2) = '12.5'\r\nselect @x * 2"), 25);
  EXPECT_EQ(Text("declare @d datetime = '2026-12-31'\r\nselect dateadd(day, 1, @d)"), "2027-01-01");
  EXPECT_EQ(Number("update t_Emp set FDeleted=0 where FDepartmentID=1\r\nselect @@ROWCOUNT"), 2);
  EXPECT_THROW(m_Db->Query("select @undeclared"), qor::VbError);
  EXPECT_THROW(m_Db->Query("declare @i int = 'abc'"), qor::VbError);
  EXPECT_THROW(m_Db->Query("IF 1=1 select 1"), qor::VbError);
  EXPECT_THROW(m_Db->Query("exec sp_who"), qor::VbError);
  EXPECT_EQ(Number("Set NoCount On\r\nselect count(*) from t_User"), 3);
}

TEST_F(TsqlOnDemo, IsNullAndCharIndex) {
  EXPECT_EQ(Number("select IsNull(FCheckerID,0) As FCheckerID From ICSale Where FInterID= 6"), 0);
  EXPECT_EQ(Number("select isnull(FCheckerID,0) From ICSale Where FInterID= 1"), 1);
  EXPECT_EQ(Text("select ISNULL(null, 'x')"), "x");
  EXPECT_EQ(Number("select CharIndex('b', 'abcb')"), 2);
  EXPECT_EQ(Number("select CharIndex('B', 'abcb', 3)"), 4);  // case-insensitive, from 3
  EXPECT_EQ(Number("select CharIndex('z', 'abc')"), 0);
  EXPECT_EQ(Number("select charindex('账款', '应收账款')"), 3);  // characters, not bytes
  EXPECT_EQ(Number("select charindex('3', FRightUserID) from t_Account where FAccountID=1"), 5);
  EXPECT_TRUE(Value("select charindex('1', null)").IsNull());
}

TEST_F(TsqlOnDemo, TextDateAndConversionFunctions) {
  EXPECT_EQ(Number("select len('ab  ')"), 2);
  EXPECT_EQ(Number("select len(N'收款单')"), 3);
  EXPECT_EQ(Text("select left('应收账款', 2) + 'x' + right('abc', 2)"), "应收xbc");
  EXPECT_EQ(Number("select left('12', 1) + right('34', 1)"), 5);  // no text literal: a sum
  EXPECT_EQ(Number("select datediff(day, '2026-12-01', '2026-12-31')"), 30);
  EXPECT_EQ(Number("select datediff(month, '2026-11-30', '2026-12-01')"), 1);
  EXPECT_EQ(Number("select datediff(yy, '2026-12-31', '2027-01-01')"), 1);
  EXPECT_EQ(Text("select dateadd(month, 1, '2026-01-31')"), "2026-02-28");
  EXPECT_EQ(Text("select dateadd(hh, 6, '2026-12-01')"), "2026-12-01 06:00:00");
  EXPECT_EQ(Number("select datepart(weekday, '2026-12-06')"), 1);  // a Sunday
  EXPECT_EQ(Number("select year(FDate) * 100 + month(FDate) from ICSale where FInterID=1"), 202611);
  EXPECT_EQ(Text("select convert(varchar(10), FDate, 120) from ICSale where FInterID=1"),
            "2026-11-05");
  EXPECT_EQ(Text("select convert(varchar(8), '2026-11-05', 112)"), "20261105");
  EXPECT_EQ(Number("select convert(int, '42')"), 42);
  EXPECT_EQ(Number("select convert(decimal(10,2), 2.345)"), 2.35);
  EXPECT_EQ(Text("select convert(varchar, 2.5)"), "2.5");
  EXPECT_THROW(m_Db->Query("select convert(int, 'x1')"), qor::VbError);
  EXPECT_EQ(Number("select top 1 FItemID from t_Organization order by FItemID desc"), 5);
}

TEST_F(TsqlOnDemo, LibraryQueriesRunUnchanged) {
  // Payment terms of a customer (two lines joined by CR LF).
  qor::RecordsetPtr rs =
      m_Db->Query(std::string(" Select t2.FType,t2.FStandDays,t2.FMonthPayDay,t2.FBeforeDays From "
                              "t_Organization t1 ") +
                  kCrLf +
                  " Left Join t_SetDl t2 ON t1.FPayMentTime=t2.FItemID Where t2.Fdeleted=0 and "
                  "t1.FItemID=2");
  ASSERT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(rs->Field("FType").LongValue(), 2);
  EXPECT_EQ(rs->Field("FMonthPayDay").LongValue(), 25);
  // Settlement account currency.
  rs = m_Db->Query(
      "Select  a.FCurrencyID,isnull(b.FNumber,'') from t_account a left join "
      "t_currency b on a.FCurrencyID=b.FCurrencyID where FAccountID=4");
  EXPECT_EQ(rs->Field("FCurrencyID").LongValue(), 2);
  EXPECT_EQ(rs->Field(rs->Columns()[1]).StringValue(), "USD");
  // Counterparty defaults; a deleted department gives no row.
  EXPECT_EQ(Text("Select FNumber From t_Department Where FItemID=(Select FDepartment From "
                 "t_Organization Where FItemID=1) and FDeleted=0"),
            "01");
  EXPECT_TRUE(Value("Select FNumber From t_Department Where FItemID=(Select FDepartment From "
                    "t_Organization Where FItemID=3) and FDeleted=0")
                  .IsEmpty());
  EXPECT_EQ(Text("Select FNumber From t_Account Where FAccountID=(Select FAcctID From "
                 "t_Supplier Where FItemID=23)"),
            "1002.02");
  // Employees without a department or of department 1.
  EXPECT_EQ(Number("select count(*) from t_Emp where  (IsNull(FDepartmentID,'')='' or "
                   "IsNull(FDepartmentID,'')=1)"),
            3);
  // Account rights on a voucher: user 3 may not see account 13 of voucher 4.
  const std::string rights =
      "select FVoucherID from t_VoucherEntry e left join (select case when CharIndex('%U',"
      "FRightUserID)>0 then 1 else 0 end as FHaveRight,FAccountID from t_Account) a on "
      "e.FAccountID=a.FAccountID where a.FHaveRight = 0 and  e.FVoucherID = 4";
  EXPECT_EQ(m_Db->Query(qor::ReplaceAll(rights, "%U", "3"))->RecordCount(), 1);
  EXPECT_EQ(m_Db->Query(qor::ReplaceAll(rights, "%U", "2"))->RecordCount(), 0);
  // Source audit states, settle fields, credit data.
  EXPECT_EQ(Number("Select IsNull(FCheckerID,0) As FCheckerID From t_Rp_RotherBill Where "
                   "FBillID= 2"),
            0);
  EXPECT_EQ(Number("Select IsNull(FCheckerID,0) As FCheckerID from ICOutExpense Where "
                   "FInterID= 1"),
            2);
  EXPECT_EQ(m_Db->Execute(" UPDATE t_RP_RBill SET FSettleID=3,FSettleIDNo='O''Neil' WHERE "
                          "FBillID=2"),
            1);
  EXPECT_EQ(Text("select FSettleIDNo from t_RP_RBill where FBillID=2"), "O'Neil");
  EXPECT_EQ(Text("Select FValue From t_SystemProfile Where FCategory='IC' And "
                 "FKey='CreditDegree'"),
            "1");
  EXPECT_EQ(Number("Select FCreditDegree,FNumber From t_Organization Where FItemID=2"), 50000);
  EXPECT_EQ(Number("Select FBillTypeId,FAmount From t_RP_ROtherBill Where FBillID=1"), 1006);
  EXPECT_EQ(Number("select FVoucherID from t_RP_RBill where FBillID=1"), 1);
  EXPECT_EQ(m_Db->Query("Select * from ICSale Where FInterId=2")->RecordCount(), 1);
}

TEST(ConvertToSqlType, ConvertsAsTsqlAssignmentsDo) {
  EXPECT_EQ(ConvertToSqlType(qor::Variant("12"), "int", "").LongValue(), 12);
  EXPECT_EQ(ConvertToSqlType(qor::Variant(12.9), "int", "").LongValue(), 12);
  EXPECT_EQ(ConvertToSqlType(qor::Variant(int32_t{3}), "varchar", "").StringValue(), "3");
  EXPECT_TRUE(ConvertToSqlType(qor::Variant("2026-12-01"), "datetime", "").IsDate());
  EXPECT_TRUE(ConvertToSqlType(qor::Variant(), "int", "").IsNull());
  EXPECT_EQ(ConvertToSqlType(qor::Variant(int32_t{5}), "bit", "").LongValue(), 1);
  EXPECT_THROW(ConvertToSqlType(qor::Variant("x"), "int", ""), qor::VbError);
  EXPECT_THROW(ConvertToSqlType(qor::Variant("x"), "datetime", ""), qor::VbError);
}

}  // namespace
}  // namespace refhost
