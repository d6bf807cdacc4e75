#include "core/host_dictionary.h"

#include <gtest/gtest.h>

#include "unit/core/core_test_util.h"

namespace qor {
namespace {

TEST(HostDictionaryTest, KeysIgnoreCaseAndKeepInsertionOrder) {
  HostDictionary fields;
  fields.SetItem("FBillNo", "RB-001");
  fields.SetItem("FAmountFor", 120.5);
  fields.SetItem("FDate", Variant::Date(45292));
  fields.SetItem("fbillno", "RB-002");

  ASSERT_EQ(fields.Count(), 3);
  EXPECT_EQ(fields.Key(1), "FBillNo");
  EXPECT_EQ(fields.Key(2), "FAmountFor");
  EXPECT_EQ(fields.Key(3), "FDate");
  EXPECT_EQ(fields.ItemAt(1).StringValue(), "RB-002");
  EXPECT_EQ(fields.Item("FBILLNO").StringValue(), "RB-002");
  EXPECT_EQ(fields.GetValue("famountfor").DoubleValue(), 120.5);
  EXPECT_TRUE(fields.Lookup("fDate"));
  EXPECT_FALSE(fields.Lookup("FDate2"));
  EXPECT_EQ(fields.Items()[2].first, "FDate");
}

TEST(HostDictionaryTest, MissingKeysReadEmptyAndPositionsAreChecked) {
  HostDictionary fields;
  fields.SetItem("FStatus", 1);
  EXPECT_TRUE(fields.Item("FChecker").IsEmpty());
  EXPECT_FALSE(fields.Lookup("FChecker"));
  EXPECT_EQ(fields.Count(), 1);
  EXPECT_EQ(ErrorOf([&] { fields.Key(0); }), kErrSubscript);
  EXPECT_EQ(ErrorOf([&] { fields.Key(2); }), kErrSubscript);
  EXPECT_EQ(ErrorOf([&] { fields.ItemAt(-1); }), kErrSubscript);
}

TEST(HostDictionaryTest, RemoveAndClear) {
  HostDictionary fields;
  fields.SetItem("a", 1);
  fields.SetItem("b", 2);
  fields.SetItem("c", 3);
  EXPECT_TRUE(fields.Remove("B"));
  EXPECT_FALSE(fields.Remove("b"));
  ASSERT_EQ(fields.Count(), 2);
  EXPECT_EQ(fields.Key(2), "c");
  fields.SetItem("B", 4);
  EXPECT_EQ(fields.Key(3), "B");
  fields.Clear();
  EXPECT_EQ(fields.Count(), 0);
  EXPECT_TRUE(fields.Item("a").IsEmpty());
}

TEST(HostVectorTest, IsOneBasedAndChecksPositions) {
  HostVector rows;
  EXPECT_EQ(ErrorOf([&] { rows.Item(1); }), kErrSubscript);
  rows.Add(10);
  rows.Add("twenty");
  rows.Add(30.5);
  ASSERT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.Item(1).LongValue(), 10);
  EXPECT_EQ(rows.Item(3).DoubleValue(), 30.5);
  rows.SetItem(2, 20);
  EXPECT_EQ(rows.Item(2).LongValue(), 20);
  rows.Remove(1);
  EXPECT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.Item(1).LongValue(), 20);
  EXPECT_EQ(ErrorOf([&] { rows.Item(0); }), kErrSubscript);
  EXPECT_EQ(ErrorOf([&] { rows.Item(3); }), kErrSubscript);
  EXPECT_EQ(ErrorOf([&] { rows.SetItem(3, 1); }), kErrSubscript);
  EXPECT_EQ(ErrorOf([&] { rows.Remove(3); }), kErrSubscript);
  rows.Clear();
  EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
}  // namespace qor
