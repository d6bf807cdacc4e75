#include <gtest/gtest.h>

#include "refhost/scenario/parser.h"
#include "refhost/scenario/runner.h"

// The commands and states the language gained: press, the new tool states,
// "none" checks, modify flags, columns, decimals, the active cell, ordered
// offers, pick mode, `select ... all`, escapes, and the file-level rules.

namespace refhost::scenario {
namespace {

Command Parse(const std::string& text) {
  SourceLine line;
  line.number = 5;
  line.text = text;
  line.tokens = TokenizeLine(text, 5);
  return ParseCommand(line);
}

std::string FoundIn(const std::string& text) {
  try {
    Parse(text);
  } catch (const ParseError& error) {
    return error.Found();
  }
  return "no error";
}

TEST(ParseExtended, PressAndToolStates) {
  Command press = Parse("press mnuEditUnCheck");
  EXPECT_EQ(press.kind, CommandKind::Press);
  EXPECT_EQ(press.name, "mnuEditUnCheck");
  EXPECT_EQ(FoundIn("press"), "0 arguments");

  Command tool = Parse(
      "expect tool mnuFileSave description=\"保存 单据\" tooltip=\"\" picture=none begin-group "
      "position=2 band=BandToolBar");
  ASSERT_EQ(tool.states.size(), 5u);
  EXPECT_EQ(tool.states[0].name, "description");
  EXPECT_EQ(tool.states[0].text, "保存 单据");
  EXPECT_EQ(tool.states[1].text, "");
  EXPECT_EQ(tool.states[2].text, "none");
  EXPECT_EQ(tool.states[3].name, "begin-group");
  EXPECT_EQ(tool.states[4].text, "2");
  EXPECT_EQ(tool.band, std::optional<std::string>("BandToolBar"));

  // position needs a band; named states need their value, plain ones none.
  EXPECT_EQ(FoundIn("expect tool mnuFileSave position=2"), "no band");
  EXPECT_EQ(FoundIn("expect tool mnuFileSave position=0 band=x"), "\"position=0\"");
  EXPECT_EQ(FoundIn("expect tool mnuFileSave tooltip"), "\"tooltip\"");
  EXPECT_EQ(FoundIn("expect tool mnuFileSave begin-group=1"), "\"begin-group=1\"");
}

TEST(ParseExtended, NothingShownChecks) {
  for (const char* kind : {"help", "voucher", "display", "bill-shown", "related"}) {
    Command none = Parse(std::string("expect ") + kind + " none");
    EXPECT_TRUE(none.none) << kind;
  }
  // A quoted "none" is a help file of that name.
  Command file = Parse("expect help \"none\"");
  EXPECT_FALSE(file.none);
  EXPECT_EQ(file.name, "none");
  Command related = Parse("expect related 1000005 12");
  EXPECT_FALSE(related.none);
  EXPECT_EQ(related.number2, 12);
  EXPECT_EQ(FoundIn("expect related 1000005"), "1 argument");
  EXPECT_EQ(FoundIn("expect display some"), "\"some\"");
}

TEST(ParseExtended, EditorChecks) {
  Command whole = Parse("expect modified");
  EXPECT_EQ(whole.kind, CommandKind::ExpectModified);
  EXPECT_TRUE(whole.wholeBill);
  Command cell = Parse("expect unmodified FAmountFor[2]");
  EXPECT_EQ(cell.kind, CommandKind::ExpectUnmodified);
  EXPECT_FALSE(cell.wholeBill);
  EXPECT_EQ(cell.field.row, 2);

  Command column = Parse("expect column FBillAmountFor hidden");
  EXPECT_EQ(column.kind, CommandKind::ExpectColumn);
  EXPECT_FALSE(column.visible);
  EXPECT_TRUE(Parse("expect column FBillAmountFor visible").visible);
  EXPECT_EQ(FoundIn("expect column FBillAmountFor shown"), "\"shown\"");
  EXPECT_EQ(FoundIn("expect column FBillAmountFor[1] hidden"), "\"FBillAmountFor[1]\"");

  Command decimals = Parse("expect decimals FAmountFor 2 edit=4");
  EXPECT_EQ(decimals.number, 2);
  EXPECT_EQ(decimals.editDecimals, std::optional<int32_t>(4));
  EXPECT_FALSE(Parse("expect decimals FAmountFor 2").editDecimals.has_value());
  EXPECT_EQ(FoundIn("expect decimals FAmountFor 2 shown=4"), "\"shown=4\"");

  Command active = Parse("expect active FBillSettleAmountFor[3]");
  EXPECT_EQ(active.kind, CommandKind::ExpectActive);
  EXPECT_EQ(active.field.row, 3);
}

TEST(ParseExtended, PicksWithoutLimitAllAndOrder) {
  std::string line = "select mnuSelectBill_1000000";
  std::string answers = "answer";
  for (int i = 1; i <= 1500; ++i) {
    line += " INV" + std::to_string(i);
    answers += " yes";
  }
  EXPECT_EQ(Parse(line).picks.size(), 1500u);
  EXPECT_EQ(Parse(answers).answers.size(), 1500u);

  Command all = Parse("select mnuSelectBill_1000000 all");
  ASSERT_EQ(all.picks.size(), 1u);
  EXPECT_TRUE(all.picks[0].all);
  // A quoted "all" is a document number; all stands alone.
  EXPECT_FALSE(Parse("select mnuSelectBill_1000000 \"all\"").picks[0].all);
  EXPECT_EQ(FoundIn("select mnuSelectBill_1000000 all INV0001"), "INV0001");
  EXPECT_EQ(FoundIn("expect offered all"), "all");

  Command order = Parse("expect offered-order INV0002#1 INV0001");
  EXPECT_EQ(order.kind, CommandKind::ExpectOfferedOrder);
  ASSERT_EQ(order.picks.size(), 2u);
  EXPECT_EQ(order.picks[0].line, 1);
}

TEST(ParseExtended, PickModeOfLists) {
  Command pick = Parse("open receipt-list pick");
  EXPECT_EQ(pick.target, OpenTarget::View);
  EXPECT_EQ(pick.editMode, 3);
  EXPECT_EQ(Parse("open receipt-list").editMode, 0);
  EXPECT_EQ(FoundIn("open receipt-list choose"), "\"choose\"");
}

TEST(ParseExtended, EscapesForLineBreaks) {
  std::vector<Token> tokens = TokenizeLine(R"(expect message "第一行\r\n第二行\\n" x\ny)", 1);
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[2].text, "第一行\r\n第二行\\n");
  // Outside quotes a backslash is an ordinary character.
  EXPECT_EQ(tokens[3].text, "x\\ny");
}

TEST(ParseExtended, FilesThatAreNotUtf8AreRefusedWhole) {
  // "收款" in GB18030, on the third line.
  ScenarioFile file = ParseScenarioText("scenario a\nclose\nsql \"\xCA\xD5\xBF\xEE\"\n", "gb.scn");
  ASSERT_TRUE(file.error.has_value());
  EXPECT_TRUE(file.scenarios.empty());
  EXPECT_EQ(file.error->Line(), 3);
  EXPECT_NE(file.error->Found().find("gb.scn"), std::string::npos);
  EXPECT_NE(file.error->Found().find("UTF-8"), std::string::npos);
  EXPECT_NE(file.error->Found().find("iconv"), std::string::npos);
  // Overlong forms and surrogates are not UTF-8 either; real text is.
  EXPECT_TRUE(ParseScenarioText("scenario \xC0\xAF\n", "x.scn").error.has_value());
  EXPECT_TRUE(ParseScenarioText("scenario \xED\xA0\x80\n", "x.scn").error.has_value());
  EXPECT_FALSE(ParseScenarioText("scenario 收款 \xF0\x9F\x98\x80\n", "x.scn").error.has_value());
}

TEST(ShortenCommand, LongCommandsAreCutAtACharacter) {
  EXPECT_EQ(ShortenCommand("close", 10), "close");
  EXPECT_EQ(ShortenCommand("0123456789", 10), "0123456789");
  EXPECT_EQ(ShortenCommand("0123456789A", 10), "0123456789...");
  // Chinese characters are never cut in half.
  EXPECT_EQ(ShortenCommand("sql 收款单据", 6), "sql 收款...");
}

}  // namespace
}  // namespace refhost::scenario
