#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "unit/refhost_db/db_test_util.h"

// The boundary between the host and SQLite: the T-SQL functions report their
// failures as the statement's SQL error (never a C++ exception through
// SQLite, never run-time error 6), the owner prefix is dropped however it is
// written, read-only queries cannot write, and the trace quotes parameters.

namespace refhost {
namespace {

using testing::TempDatabaseFile;

// The description of the SQL error the query raises ("" when none).
std::string SqlErrorOf(Database& db, const std::string& sql) {
  try {
    db.Query(sql);
  } catch (const qor::VbError& error) {
    EXPECT_EQ(error.Number(), -2147217900) << sql;
    return error.Description();
  }
  return "";
}

qor::Variant First(const qor::RecordsetPtr& rows) { return rows->Field(rows->Columns().front()); }

TEST(SqlBoundary, OutOfRangeConversionsAreTheSqlOverflowError) {
  TempDatabaseFile file(false);
  auto db = file.Open();
  const std::string intOverflow =
      "Arithmetic overflow error converting expression to data type int.";
  EXPECT_EQ(SqlErrorOf(*db, "select convert(int, 2147483648)"), intOverflow);
  EXPECT_EQ(SqlErrorOf(*db, "select convert(int, -2147483649)"), intOverflow);
  EXPECT_EQ(SqlErrorOf(*db, "select convert(int, '99999999999')"), intOverflow);
  EXPECT_EQ(SqlErrorOf(*db, "select convert(tinyint, -1)"),
            "Arithmetic overflow error converting expression to data type tinyint.");
  EXPECT_EQ(SqlErrorOf(*db, "select convert(bigint, 1e300)"),
            "Arithmetic overflow error converting expression to data type bigint.");
  EXPECT_EQ(SqlErrorOf(*db, "select convert(datetime, 1e12)"),
            "Arithmetic overflow error converting expression to data type datetime.");
  EXPECT_EQ(SqlErrorOf(*db, "select dateadd(day, 99999999, '2026-01-01')"),
            "Adding a value to a 'datetime' column caused an overflow.");
  EXPECT_EQ(SqlErrorOf(*db, "select dateadd(month, 4000000000, '2026-01-01')"), intOverflow);
  EXPECT_EQ(SqlErrorOf(*db, "select dateadd(year, -2000, '2026-01-01')"),
            "Adding a value to a 'datetime' column caused an overflow.");

  // Within range: truncated as T-SQL does, and the edges themselves.
  EXPECT_EQ(qor::CLng(First(db->Query("select convert(int, 2147483647.9)"))), 2147483647);
  EXPECT_EQ(qor::CLng(First(db->Query("select convert(int, -2.7)"))), -2);
  EXPECT_EQ(qor::StrOf(First(db->Query("select dateadd(day, 1, '9999-12-30')"))), "9999-12-31");
}

TEST(SqlBoundary, TheOwnerPrefixIsDroppedQuotedOrNot) {
  TempDatabaseFile file;
  auto db = file.Open();
  for (const char* sql : {"select count(*) from [dbo].t_RP_RBill where FBillNo like 'SK000_'",
                          "select count(*) from dbo.t_RP_RBill where FBillNo like 'SK000_'",
                          "select count(*) from [dbo].[t_RP_RBill] where FBillNo like 'SK000_'",
                          "select count(*) from \"dbo\".t_RP_RBill where FBillNo like 'SK000_'"}) {
    EXPECT_EQ(qor::CLng(First(db->Query(sql))), 4) << sql;
  }
}

TEST(SqlBoundary, ReadOnlyQueriesCannotWrite) {
  TempDatabaseFile file;
  auto db = file.Open();
  EXPECT_THROW(db->QueryReadOnly("delete from t_RP_RBill"), qor::VbError);
  EXPECT_THROW(db->QueryReadOnly("update t_RP_RBill set FExplanation = 'x'; select 1"),
               qor::VbError);
  EXPECT_EQ(qor::CLng(First(
                db->QueryReadOnly("select count(*) from t_RP_RBill where FBillNo like 'SK000_'"))),
            4);
  // The connection writes again afterwards.
  EXPECT_EQ(db->Execute("update t_RP_RBill set FExplanation = 'x' where FBillID = 1"), 1);
}

TEST(SqlBoundary, TheTraceQuotesAndEscapesTextParameters) {
  TempDatabaseFile file(false);
  auto db = file.Open();
  std::vector<std::string> lines;
  db->SetTrace([&](const std::string& line) { lines.push_back(line); });
  db->QueryParams("select ?, ?, ?",
                  {qor::Variant("it's"), qor::Variant("a\r\nb\\c"), qor::Variant(int32_t{7})});
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "select ?, ?, ?  -- 'it''s', 'a\\r\\nb\\\\c', 7");
}

}  // namespace
}  // namespace refhost
