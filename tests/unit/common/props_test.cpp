#include "common/props.h"

#include <gtest/gtest.h>

#include "core/vb_error.h"

namespace qorarap {
namespace {

int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const qor::VbError& error) {
    return error.Number();
  }
  return 0;
}

TEST(ParsePropsStringTest, BracedValueKeepsItsSemicolons) {
  EXPECT_TRUE(ParsePropsString("UserName=a;Note={x;y};UserID=5"));
  EXPECT_EQ(GetPropValue("UserName"), "a");
  EXPECT_EQ(GetPropValue("Note"), "x;y");
  EXPECT_EQ(GetPropValue("UserID"), "5");
  EXPECT_EQ(GetCachedPropsString(), "UserName=a;Note={x;y};UserID=5");

  // A trailing ";" adds no empty entry.
  ParsePropsString("UserName=a;UserID=7;");
  EXPECT_EQ(GetPropValue("UserID"), "7");
  EXPECT_EQ(ErrorOf([] { GetPropValue(""); }), qor::kErrInvalidCall);
}

TEST(ParsePropsStringTest, TrimsKeysAndValuesAndDropsTextAfterTheBrace) {
  ParsePropsString(
      " UserName = 王会计 ;ConnectString= {Provider=SQLite;Data Source=/tmp/a.db} junk;"
      "UserID=2");
  EXPECT_EQ(GetUserName(), "王会计");
  EXPECT_EQ(GetConnectString(), "Provider=SQLite;Data Source=/tmp/a.db");
  EXPECT_EQ(GetUserID(), 2);
}

TEST(ParsePropsStringTest, EntryWithoutEqualsEndsTheParsing) {
  ParsePropsString("UserName=a;junk;UserID=5");
  EXPECT_EQ(GetUserName(), "a");
  // "junk;UserID" became the last key: no UserID entry follows it.
  EXPECT_EQ(GetPropValue("junk;UserID"), "5");
  EXPECT_EQ(ErrorOf([] { GetPropValue("UserID"); }), qor::kErrInvalidCall);

  ParsePropsString("UserName=b;Language");
  EXPECT_EQ(GetUserName(), "b");
  EXPECT_EQ(GetPropValue("Language"), "");
}

TEST(ParsePropsStringTest, ReplacesTheCollectionAndIgnoresKeyCase) {
  ParsePropsString("UserName=a;UserID=5");
  ParsePropsString("username=b");
  EXPECT_EQ(GetPropValue("USERNAME"), "b");
  EXPECT_EQ(ErrorOf([] { GetUserID(); }), qor::kErrInvalidCall);
  EXPECT_EQ(GetCachedPropsString(), "username=b");
}

TEST(ParsePropsStringTest, UserIdMustBeASmallNumber) {
  ParsePropsString("UserID=abc");
  EXPECT_EQ(ErrorOf([] { GetUserID(); }), qor::kErrTypeMismatch);
  ParsePropsString("UserID=40000");
  EXPECT_EQ(ErrorOf([] { GetUserID(); }), qor::kErrOverflow);
}

TEST(ParsePropsStringTest, PropertiesAreKeptPerThread) {
  ParsePropsString("UserName=main");
  std::string seen;
  std::thread other([&seen] {
    ParsePropsString("UserName=other");
    seen = GetUserName();
  });
  other.join();
  EXPECT_EQ(seen, "other");
  EXPECT_EQ(GetUserName(), "main");
  EXPECT_EQ(GetCachedPropsString(), "UserName=main");
}

}  // namespace
}  // namespace qorarap
