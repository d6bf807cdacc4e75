#include "refhost/db/tsql.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vb_error.h"

namespace refhost::tsql {
namespace {

std::vector<std::string> Statements(const std::string& batch) {
  std::vector<std::string> result;
  for (const Tokens& statement : SplitBatch(Tokenize(batch))) {
    result.push_back(RenderTrimmed(statement));
  }
  return result;
}

std::string Sql(const std::string& statement) { return Translate(Tokenize(statement)).sql; }

TEST(TsqlSplit, LinesOfABatchBecomeStatementsButMultiLineStatementsStayWhole) {
  EXPECT_EQ(
      Statements("declare @Per int,@Year int \r\n"
                 "select @Per=Fvalue From t_systemprofile where FCategory='IC' and "
                 "FKey='CurrentPeriod' \r\n"
                 "select @Year=Fvalue From t_systemprofile where FCategory='IC' and "
                 "FKey='CurrentYear' \r\n"
                 "Select FStartDate,FEndDate From T_PeriodDate where FYear=@Year And "
                 "FPeriod=@Per "),
      (std::vector<std::string>{
          "declare @Per int,@Year int",
          "select @Per=Fvalue From t_systemprofile where FCategory='IC' and "
          "FKey='CurrentPeriod'",
          "select @Year=Fvalue From t_systemprofile where FCategory='IC' and "
          "FKey='CurrentYear'",
          "Select FStartDate,FEndDate From T_PeriodDate where FYear=@Year And FPeriod=@Per"}));
  EXPECT_EQ(Statements(" Select t2.FType From t_Organization t1 \r\n Left Join t_SetDl t2 ON "
                       "t1.FPayMentTime=t2.FItemID Where t1.FItemID=1")
                .size(),
            1u);
  EXPECT_EQ(Statements("UPDATE t SET a=1 WHERE b=2").size(), 1u);
  EXPECT_EQ(Statements("insert into t (a)\r\nselect a from u").size(), 1u);
  EXPECT_EQ(Statements("select a from t\r\nunion all\r\nselect b from u").size(), 1u);
  EXPECT_EQ(Statements("select a from t where a in (select b from u)").size(), 1u);
  EXPECT_EQ(Statements("Set NoCount On select 1 update t set a=2 select 3").size(), 4u);
  EXPECT_EQ(Statements("select 1; ; select 'a;b'  -- select 3\r\n").size(), 2u);
  EXPECT_EQ(Statements("create view v as select a from t").size(), 1u);
}

TEST(TsqlSplit, UnterminatedTextIsAnSqlError) {
  try {
    Tokenize("select 'abc");
    FAIL() << "no error";
  } catch (const qor::VbError& e) {
    EXPECT_EQ(e.Number(), -2147217900);
    EXPECT_NE(e.Description().find("Unclosed quotation mark"), std::string::npos);
  }
  EXPECT_THROW(Tokenize("select [abc"), qor::VbError);
  EXPECT_THROW(Tokenize("select 1 /* open"), qor::VbError);
}

TEST(TsqlTranslate, RewritesTsqlConstructsForSqlite) {
  EXPECT_EQ(Sql("select top 5 FName from t order by FName"),
            "select FName from t order by FName LIMIT 5");
  EXPECT_EQ(Sql("select distinct top (2) a from t"), "select distinct a from t LIMIT 2");
  EXPECT_EQ(Sql("select a from t where b=(select top 1 c from u order by c)"),
            "select a from t where b=(select c from u order by c LIMIT 1)");
  EXPECT_EQ(Sql("select IsNull(FCheckerID,0) from dbo.ICSale"),
            "select qor_isnull(FCheckerID,0) from ICSale");
  EXPECT_EQ(Sql("select N'收款' + FName + 'x', a + b"), "select '收款' || FName || 'x', a + b");
  EXPECT_EQ(Sql("select datediff(day, a, b), dateadd(mm,1,a)"),
            "select datediff('day', a, b), dateadd('mm',1,a)");
  EXPECT_EQ(Sql("select convert(varchar(10), FDate, 120)"),
            "select qor_convert('varchar(10)', FDate, 120)");
  EXPECT_EQ(Sql("select left(a,2), right(a, 1) from t left join u on 1=1"),
            "select qor_left(a,2), qor_right(a, 1) from t left join u on 1=1");
  EXPECT_EQ(Sql("select a from t with (nolock) where b=1"), "select a from t  where b=1");
  EXPECT_THROW(Sql("select top 10 percent a from t"), qor::VbError);
}

TEST(TsqlTranslate, VariablesBecomeParametersInOrder) {
  Translation t = Translate(Tokenize("select a from t where y=@Year and p=@per and q=@YEAR"));
  EXPECT_EQ(t.sql, "select a from t where y=? and p=? and q=?");
  EXPECT_EQ(t.variables, (std::vector<std::string>{"@YEAR", "@PER", "@YEAR"}));
  EXPECT_EQ(Translate(Tokenize("select '@notAVariable'")).variables.size(), 0u);
}

TEST(TsqlParse, DeclarationsAndAssignments) {
  std::vector<Declaration> d =
      ParseDeclare(Tokenize("declare @Per int, @Name nvarchar(20) = 'a,b', @D as datetime"));
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].name, "@PER");
  EXPECT_EQ(d[0].type, "int");
  EXPECT_TRUE(d[0].initial.empty());
  EXPECT_EQ(d[1].type, "nvarchar");
  EXPECT_EQ(RenderTrimmed(d[1].initial), "'a,b'");
  EXPECT_EQ(d[2].type, "datetime");
  EXPECT_THROW(ParseDeclare(Tokenize("declare @t table (a int)")), qor::VbError);

  std::vector<Assignment> assignments;
  Tokens select;
  ASSERT_TRUE(SplitSelectAssignments(
      Tokenize("select @a = max(x), @b=isnull(y,0) From t where z=1"), assignments, select));
  ASSERT_EQ(assignments.size(), 2u);
  EXPECT_EQ(assignments[1].name, "@B");
  const std::string rewritten = RenderTrimmed(select);
  EXPECT_EQ(rewritten.substr(0, 6), "select");
  EXPECT_NE(rewritten.find(" max(x),isnull(y,0) "), std::string::npos);
  EXPECT_EQ(rewritten.substr(rewritten.size() - 16), "From t where z=1");
  EXPECT_FALSE(SplitSelectAssignments(Tokenize("select a, @b from t"), assignments, select));
  EXPECT_THROW(SplitSelectAssignments(Tokenize("select @a = 1, b from t"), assignments, select),
               qor::VbError);

  Assignment set;
  EXPECT_TRUE(ParseSetVariable(Tokenize("SET @v = (select 1)"), set));
  EXPECT_EQ(set.name, "@V");
  EXPECT_FALSE(ParseSetVariable(Tokenize("Set NoCount On"), set));
}

}  // namespace
}  // namespace refhost::tsql
