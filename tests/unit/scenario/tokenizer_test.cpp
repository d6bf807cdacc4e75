#include "refhost/scenario/tokenizer.h"

#include <gtest/gtest.h>

namespace refhost::scenario {
namespace {

std::vector<std::string> Texts(const std::vector<Token>& tokens) {
  std::vector<std::string> texts;
  for (const Token& token : tokens) texts.push_back(token.text);
  return texts;
}

TEST(TokenizeLine, SplitsOnBlanksAndKeepsQuotedBlanks) {
  auto tokens = TokenizeLine("set  FNote\t\"two words\"  x", 1);
  EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"set", "FNote", "two words", "x"}));
  EXPECT_FALSE(tokens[0].quoted);
  EXPECT_TRUE(tokens[2].quoted);
}

TEST(TokenizeLine, EscapesInsideQuotes) {
  auto tokens = TokenizeLine(R"(expect message "say \"hi\" \\ back" a\b "c\d")", 1);
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[2].text, "say \"hi\" \\ back");
  // Outside quotes, and before other characters, a backslash is itself.
  EXPECT_EQ(tokens[3].text, "a\\b");
  EXPECT_EQ(tokens[4].text, "c\\d");
}

TEST(TokenizeLine, EmptyQuotedTokenIsAToken) {
  auto tokens = TokenizeLine(R"(set FNote "")", 1);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[2].text, "");
  EXPECT_TRUE(tokens[2].quoted);
}

TEST(TokenizeLine, QuotedPartInsideAWord) {
  auto tokens = TokenizeLine(R"(expect tool mnuSave caption="保 存" band=mnuFile)", 1);
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[3].text, "caption=保 存");
  EXPECT_TRUE(tokens[3].quoted);
  EXPECT_EQ(tokens[4].text, "band=mnuFile");
  EXPECT_FALSE(tokens[4].quoted);
}

TEST(TokenizeLine, UnterminatedQuoteNamesTheLine) {
  try {
    TokenizeLine(R"(expect message "open \")", 7);
    FAIL() << "no error";
  } catch (const ParseError& error) {
    EXPECT_EQ(error.Line(), 7);
    EXPECT_EQ(error.Found(), "end of line");
  }
}

TEST(TokenizeText, DropsBlankAndCommentLinesAndCountsLines) {
  const char* text =
      "\xEF\xBB\xBF# tour\n"
      "scenario one\n"
      "\n"
      "   # 打开收款单 / open a receipt\n"
      "\r\n"
      "  open receipt new  \r\n"
      "click mnuSave # not a comment";
  auto lines = TokenizeText(text);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].number, 2);
  EXPECT_EQ(lines[0].comments, (std::vector<std::string>{"tour"}));
  EXPECT_EQ(lines[1].number, 6);
  EXPECT_EQ(lines[1].text, "open receipt new");
  EXPECT_EQ(lines[1].comments, (std::vector<std::string>{"打开收款单 / open a receipt"}));
  EXPECT_EQ(Texts(lines[1].tokens), (std::vector<std::string>{"open", "receipt", "new"}));
  EXPECT_EQ(lines[2].number, 7);
  EXPECT_TRUE(lines[2].comments.empty());
  EXPECT_EQ(lines[2].tokens.size(), 6u);  // "#" inside a line is a word
}

TEST(TokenizeText, BadLineCarriesItsErrorAndTheRestIsRead) {
  auto lines = TokenizeText("scenario a\nset F \"x\nclose\n");
  ASSERT_EQ(lines.size(), 3u);
  ASSERT_TRUE(lines[1].error.has_value());
  EXPECT_EQ(lines[1].error->Line(), 2);
  EXPECT_FALSE(lines[2].error.has_value());
}

}  // namespace
}  // namespace refhost::scenario
