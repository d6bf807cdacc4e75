#include "common/sql_text.h"

#include <gtest/gtest.h>

#include "common/messages.h"
#include "core/vb.h"

namespace qorarap {
namespace {

TEST(SqlTextTest, QuotesTrimsAndRemovesControlCharacters) {
  EXPECT_EQ(SqlText("O'Neil", true), "'O''Neil'");
  EXPECT_EQ(SqlText("O'Neil", false), "O''Neil");
  EXPECT_EQ(SqlText("  a b  ", true, true), "'a b'");
  EXPECT_EQ(SqlText("  a b  ", true, false), "'  a b  '");
  std::string withControls = std::string("a\r\nb") + '\0' + "c\t";
  EXPECT_EQ(SqlText(withControls, true, false, true), "'abc\t'");
  EXPECT_EQ(SqlText(withControls, false, false, false), withControls);
  EXPECT_EQ(SqlText(qor::Variant::Null(), true), "''");
  EXPECT_EQ(SqlText(12.5, false), "12.5");
}

TEST(SqlValueTest, EmptyIsNullGivesTheWordNull) {
  EXPECT_EQ(SqlValue("", true, true), "Null");
  EXPECT_EQ(SqlValue(qor::Variant::Null(), true, true), "Null");
  EXPECT_EQ(SqlValue("   ", true, true, true), "Null");
  EXPECT_EQ(SqlValue("   ", true, true, false), "'   '");
  EXPECT_EQ(SqlValue("", true, false), "''");
  EXPECT_EQ(SqlValue("O'Neil", true), "'O''Neil'");
  EXPECT_EQ(SqlValue("1'; drop table t_User; --", true), "'1''; drop table t_User; --'");
  EXPECT_EQ(SqlValue(" x ", false, false, true), "x");
}

TEST(FindInVectorTest, FindsTheFirstEqualItem) {
  qor::HostVector vector;
  vector.Add(10);
  vector.Add("20");
  vector.Add(20);
  int32_t index = -1;
  EXPECT_TRUE(FindInVector(20, vector, index));
  EXPECT_EQ(index, 2);
  EXPECT_TRUE(FindInVector(10.0, vector, index));
  EXPECT_EQ(index, 1);
  index = -1;
  EXPECT_FALSE(FindInVector(30, vector, index));
  EXPECT_EQ(index, -1);
}

TEST(FormatTextTest, ReplacesNumberedPlaceholders) {
  EXPECT_EQ(FormatText("第%1行与第%2行重复", 3, 1), "第3行与第1行重复");
  EXPECT_EQ(FormatText("单据[%1]失败!", std::string("SK0002")), "单据[SK0002]失败!");
  EXPECT_EQ(FormatText("%2-%1", "a", "b"), "b-a");
  EXPECT_EQ(FormatText("100% %3 %1", 2.5), "100% %3 2.5");
  EXPECT_EQ(FormatText("不能保存"), "不能保存");
}

}  // namespace
}  // namespace qorarap
