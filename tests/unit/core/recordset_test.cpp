#include "core/recordset.h"

#include <gtest/gtest.h>

#include "core/vb.h"
#include "unit/core/core_test_util.h"

namespace qor {
namespace {

// Income/expense types as the type component returns them.
Recordset Types() {
  return Recordset({"FId", "FNumber", "FName", "FIsLeaf", "FDate", "FParentID"},
                   {{1, "1", "Sales", 0, Variant::Date(45292), 0},
                    {2, "1.01", "Goods", 1, Variant::Date(45300), 1},
                    {3, "1.02", "O'Brien fees", 1, Variant::Null(), 1},
                    {4, "2", "Services", 0, Variant::Date(45351), Variant::Null()},
                    {5, "2.01", "services abroad", 1, Variant::Date(45352.5), 4}});
}

// Ids of the rows visible through the filter, in order.
std::vector<int32_t> VisibleIds(Recordset& rs, const std::string& filter) {
  rs.SetFilter(filter);
  std::vector<int32_t> ids;
  for (; !rs.IsEOF(); rs.MoveNext()) ids.push_back(CLng(rs.Field("FId")));
  EXPECT_EQ(static_cast<size_t>(rs.RecordCount()), ids.size()) << filter;
  return ids;
}

using Ids = std::vector<int32_t>;

TEST(RecordsetTest, ReadsForwardWithFieldsByName) {
  Recordset rs = Types();
  EXPECT_EQ(rs.RecordCount(), 5);
  EXPECT_FALSE(rs.IsBOF());
  EXPECT_FALSE(rs.IsEOF());
  EXPECT_EQ(rs.Field("fnumber").StringValue(), "1");
  EXPECT_EQ(rs.ColumnIndex("FNAME"), 2);
  EXPECT_EQ(rs.ColumnIndex("FMissing"), -1);
  EXPECT_TRUE(rs.HasField("fisleaf"));
  rs.MoveNext();
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  EXPECT_EQ(rs.Field("FName").StringValue(), "Goods");
  rs.MoveLast();
  EXPECT_EQ(rs.Field("FId").LongValue(), 5);
  rs.MoveNext();
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(ErrorOf([&] { rs.Field("FId"); }), 3265);
  EXPECT_EQ(ErrorOf([&] { rs.MoveNext(); }), 3021);
  rs.MoveFirst();
  EXPECT_EQ(rs.Field("FId").LongValue(), 1);
  EXPECT_EQ(ErrorOf([&] { rs.Field("FNope"); }), 3265);
}

TEST(RecordsetTest, EmptyRecordsetIsBothEofAndBof) {
  Recordset rs({"FId"}, {});
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_TRUE(rs.IsBOF());
  EXPECT_EQ(rs.RecordCount(), 0);
  rs.MoveFirst();
  rs.MoveLast();
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(ErrorOf([&] { rs.Field("FId"); }), 3265);
  rs.AddRow({7});
  EXPECT_FALSE(rs.IsEOF());
  EXPECT_EQ(rs.Field("FId").LongValue(), 7);
  EXPECT_EQ(ErrorOf([&] { rs.AddRow({1, 2}); }), kErrInvalidCall);
}

TEST(RecordsetFilterTest, ComparesNumbersTextsAndDates) {
  Recordset rs = Types();
  EXPECT_EQ(VisibleIds(rs, " FId=3"), Ids({3}));
  EXPECT_EQ(VisibleIds(rs, "FId <> 3"), Ids({1, 2, 4, 5}));
  EXPECT_EQ(VisibleIds(rs, "FId >= 4"), Ids({4, 5}));
  EXPECT_EQ(VisibleIds(rs, "FId < 2.5"), Ids({1, 2}));
  EXPECT_EQ(VisibleIds(rs, "FId > -1e1"), Ids({1, 2, 3, 4, 5}));
  EXPECT_EQ(VisibleIds(rs, "FId <= '2'"), Ids({1, 2}));
  // Texts holding numbers compare as numbers against a number.
  EXPECT_EQ(VisibleIds(rs, "FNumber = 1.010"), Ids({2}));
  EXPECT_EQ(VisibleIds(rs, "FNumber = '1.01'"), Ids({2}));
  EXPECT_EQ(VisibleIds(rs, "FName = 'SERVICES'"), Ids({4}));
  EXPECT_EQ(VisibleIds(rs, "FName > 'r'"), Ids({1, 4, 5}));
  EXPECT_EQ(VisibleIds(rs, "FName < 'h'"), Ids({2}));
  EXPECT_EQ(VisibleIds(rs, "FName = 'O''Brien fees'"), Ids({3}));
  EXPECT_EQ(VisibleIds(rs, "FDate = #2024-02-29#"), Ids({4}));
  EXPECT_EQ(VisibleIds(rs, "FDate > #01/31/2024#"), Ids({4, 5}));
  EXPECT_EQ(VisibleIds(rs, "FDate < '2024-01-10'"), Ids({1, 2}));
  EXPECT_EQ(VisibleIds(rs, "[FId] = 9"), Ids({}));
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_TRUE(rs.IsBOF());
}

TEST(RecordsetFilterTest, JoinsClausesWithAndOrAndParentheses) {
  Recordset rs = Types();
  EXPECT_EQ(VisibleIds(rs, "FIsLeaf = 1 And FParentID = 1"), Ids({2, 3}));
  EXPECT_EQ(VisibleIds(rs, "FId = 1 or FId = 5"), Ids({1, 5}));
  // And binds tighter than Or.
  EXPECT_EQ(VisibleIds(rs, "FId = 1 OR FIsLeaf = 1 AND FParentID = 4"), Ids({1, 5}));
  EXPECT_EQ(VisibleIds(rs, "(FId = 1 Or FIsLeaf = 1) And FParentID = 1"), Ids({2, 3}));
  EXPECT_EQ(VisibleIds(rs, "(FId = 1 And FIsLeaf = 0) Or (FId = 2 And FIsLeaf = 1)"), Ids({1, 2}));
  EXPECT_EQ(VisibleIds(rs, "((FId > 1)) and (FId < 4 and (FNumber <> '1.02'))"), Ids({2}));
  EXPECT_EQ(VisibleIds(rs, "FNumber='1.01' And FNumber <> ''"), Ids({2}));
}

TEST(RecordsetFilterTest, LikeAndNull) {
  Recordset rs = Types();
  EXPECT_EQ(VisibleIds(rs, "FName Like 'serv*'"), Ids({4, 5}));
  EXPECT_EQ(VisibleIds(rs, "FName like '%FEES'"), Ids({3}));
  EXPECT_EQ(VisibleIds(rs, "FName LIKE '*o*'"), Ids({2, 3, 5}));
  EXPECT_EQ(VisibleIds(rs, "FNumber Like '1.0*'"), Ids({2, 3}));
  EXPECT_EQ(VisibleIds(rs, "FName Like 'Goods'"), Ids({2}));
  EXPECT_EQ(VisibleIds(rs, "FName Like 'Good'"), Ids({}));
  EXPECT_EQ(VisibleIds(rs, "FDate = Null"), Ids({3}));
  EXPECT_EQ(VisibleIds(rs, "FDate <> NULL"), Ids({1, 2, 4, 5}));
  // Null matches no comparison but "= Null".
  EXPECT_EQ(VisibleIds(rs, "FParentID <> 1"), Ids({1, 5}));
  EXPECT_EQ(VisibleIds(rs, "FParentID = Null Or FParentID = 0"), Ids({1, 4}));
}

TEST(RecordsetFilterTest, ClearingAndRepositioning) {
  Recordset rs = Types();
  rs.MoveLast();
  rs.SetFilter("FIsLeaf = 1");
  EXPECT_EQ(rs.AbsolutePosition(), 0);
  EXPECT_EQ(rs.Field("FId").LongValue(), 2);
  EXPECT_EQ(rs.Filter(), "FIsLeaf = 1");
  rs.AddRow({6, "3.01", "Interest", 1, Variant::Date(45400), 0});
  rs.AddRow({7, "4", "Other", 0, Variant::Date(45400), 0});
  EXPECT_EQ(rs.RecordCount(), 4);
  rs.SetFilter("");
  EXPECT_EQ(rs.RecordCount(), 7);
  EXPECT_EQ(rs.Filter(), "");
  EXPECT_EQ(VisibleIds(rs, "FId = 4"), Ids({4}));
  EXPECT_EQ(VisibleIds(rs, " 0 "), Ids({1, 2, 3, 4, 5, 6, 7}));
}

TEST(RecordsetFilterTest, MalformedFilterIsRefusedAndChangesNothing) {
  Recordset rs = Types();
  rs.SetFilter("FId > 2");
  rs.MoveNext();
  for (const char* filter :
       {"FId", "FId =", "FId = 1 And", "(FId = 1", "FId = 1)", "FId == 1", "FMissing = 1",
        "FName = 'open", "FId = 1 Xor FId = 2", "FId < Null", "FName Like Null", "FId = 5abc",
        "[FId = 1", "FDate = #2024-02-30#", "= 1", "FId 1", "And = 1", "FId = 1.2.3"}) {
    EXPECT_EQ(ErrorOf([&] { rs.SetFilter(filter); }), 3001) << filter;
  }
  EXPECT_EQ(rs.Filter(), "FId > 2");
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(rs.Field("FId").LongValue(), 4);
}

}  // namespace
}  // namespace qor
