#include "refhost/scenario/parser.h"

#include <gtest/gtest.h>

namespace refhost::scenario {
namespace {

Command Parse(const std::string& text, int number = 3) {
  SourceLine line;
  line.number = number;
  line.text = text;
  line.tokens = TokenizeLine(text, number);
  return ParseCommand(line);
}

// The parse error of a line: its line number and what was found.
ParseError ErrorOf(const std::string& text, int number = 3) {
  try {
    Parse(text, number);
  } catch (const ParseError& error) {
    return error;
  }
  ADD_FAILURE() << "no parse error for: " << text;
  return ParseError(0, "", "");
}

TEST(ParseCommand, OpenForms) {
  Command fresh = Parse("open receipt new");
  EXPECT_EQ(fresh.kind, CommandKind::Open);
  EXPECT_EQ(fresh.target, OpenTarget::New);
  EXPECT_EQ(fresh.editMode, 1);

  Command stored = Parse("open payment 12");
  EXPECT_EQ(stored.target, OpenTarget::ById);
  EXPECT_EQ(stored.billId, 12);
  EXPECT_EQ(stored.editMode, 2);

  Command byNumber = Parse("open other-payable no=QTYF0002 view");
  EXPECT_EQ(byNumber.target, OpenTarget::ByNumber);
  EXPECT_EQ(byNumber.billNo, "QTYF0002");
  EXPECT_EQ(byNumber.editMode, 0);

  Command list = Parse("open type-tree");
  EXPECT_EQ(list.target, OpenTarget::View);
  EXPECT_EQ(list.name, "type-tree");
  EXPECT_EQ(list.editMode, 0);

  // A list of bills opened to pick a bill has the show mode 3.
  Command pick = Parse("open payment-list pick");
  EXPECT_EQ(pick.target, OpenTarget::View);
  EXPECT_EQ(pick.editMode, 3);
}

TEST(ParseCommand, OpenRefusesUnknownWindowsAndWrongForms) {
  EXPECT_EQ(ErrorOf("open invoice new").Found(), "\"invoice\"");
  EXPECT_EQ(ErrorOf("open type-card").Found(), "\"type-card\"");
  EXPECT_EQ(ErrorOf("open receipt").Found(), "1 argument");
  EXPECT_EQ(ErrorOf("open receipt-list new").Found(), "\"new\"");
  EXPECT_EQ(ErrorOf("open receipt-list pick now").Found(), "3 arguments");
  EXPECT_EQ(ErrorOf("open type-tree pick").Found(), "2 arguments");
  EXPECT_EQ(ErrorOf("open type-list pick").Found(), "2 arguments");
  EXPECT_EQ(ErrorOf("open receipt new view").Found(), "3 arguments");
  EXPECT_EQ(ErrorOf("open receipt 5 edit").Found(), "\"edit\"");
  EXPECT_EQ(ErrorOf("open receipt five").Found(), "\"five\"");
}

TEST(ParseCommand, FieldsWithRows) {
  Command header = Parse("set FAmountFor 100");
  EXPECT_EQ(header.field.name, "FAmountFor");
  EXPECT_FALSE(header.field.hasRow);
  EXPECT_EQ(header.value.text, "100");

  Command row = Parse(R"(expect field FBillNo_SRC[2] "")");
  EXPECT_EQ(row.kind, CommandKind::ExpectField);
  EXPECT_EQ(row.field.name, "FBillNo_SRC");
  EXPECT_EQ(row.field.row, 2);
  EXPECT_TRUE(row.value.quoted);
  EXPECT_EQ(row.value.text, "");

  Command cell = Parse("expect locked FAmount[1]");
  EXPECT_TRUE(cell.field.hasRow);
  EXPECT_EQ(Parse("expect unlocked FAmount").kind, CommandKind::ExpectUnlocked);

  EXPECT_EQ(ErrorOf("set F[0] 1").Found(), "\"F[0]\"");
  EXPECT_EQ(ErrorOf("set F[x] 1").Found(), "\"F[x]\"");
  EXPECT_EQ(ErrorOf("set [2] 1").Found(), "\"[2]\"");
  EXPECT_EQ(ErrorOf("set F").Found(), "1 argument");
}

TEST(ParseCommand, PicksApartAndAttached) {
  Command select = Parse("select miSelSale INV0001 #2 id=14 INV0003#1");
  EXPECT_EQ(select.kind, CommandKind::Select);
  EXPECT_EQ(select.name, "miSelSale");
  ASSERT_EQ(select.picks.size(), 3u);
  EXPECT_EQ(select.picks[0].document, "INV0001");
  EXPECT_EQ(select.picks[0].line, 2);
  EXPECT_EQ(select.picks[1].document, "id=14");
  EXPECT_EQ(select.picks[1].line, 0);
  EXPECT_EQ(select.picks[2].document, "INV0003");
  EXPECT_EQ(select.picks[2].line, 1);
  EXPECT_TRUE(Parse("select miSelSale").picks.empty());

  EXPECT_EQ(ErrorOf("select miSel #2").Found(), "#2");
  EXPECT_EQ(ErrorOf("select miSel INV1 #2 #3").Found(), "#3");
  EXPECT_EQ(ErrorOf("select miSel id=x").Found(), "id=x");
  EXPECT_EQ(ErrorOf("expect offered").Found(), "0 arguments");
}

TEST(ParseCommand, MessageOptionsInAnyOrder) {
  Command message = Parse(R"(expect message "单据已保存" title="青岚提示" buttons=64)");
  EXPECT_EQ(message.kind, CommandKind::ExpectMessage);
  EXPECT_EQ(message.value.text, "单据已保存");
  EXPECT_EQ(message.buttons, 64);
  EXPECT_EQ(message.title, "青岚提示");

  Command starting = Parse(R"(expect message-starting "第")");
  EXPECT_EQ(starting.kind, CommandKind::ExpectMessageStarting);
  EXPECT_FALSE(starting.buttons.has_value());
  EXPECT_FALSE(starting.title.has_value());

  EXPECT_EQ(ErrorOf(R"(expect message "x" buttons=4 buttons=4)").Found(), "\"buttons=4\"");
  EXPECT_EQ(ErrorOf(R"(expect message "x" buttons=yes)").Found(), "\"buttons=yes\"");
  EXPECT_EQ(ErrorOf(R"(expect message "x" colour=red)").Found(), "\"colour=red\"");
}

TEST(ParseCommand, ToolAndBandStates) {
  Command tool = Parse(R"(expect tool mnuCheck enabled caption="审核" value=3 band=BandToolBar)");
  EXPECT_EQ(tool.name, "mnuCheck");
  EXPECT_EQ(tool.band, "BandToolBar");
  ASSERT_EQ(tool.states.size(), 3u);
  EXPECT_EQ(tool.states[1].name, "caption");
  EXPECT_EQ(tool.states[1].text, "审核");
  EXPECT_EQ(tool.states[2].text, "3");

  Command band = Parse("expect band mnuOption hidden");
  EXPECT_EQ(band.kind, CommandKind::ExpectBand);
  EXPECT_EQ(band.states.front().name, "hidden");

  EXPECT_EQ(ErrorOf("expect tool mnuCheck").Found(), "1 argument");
  EXPECT_EQ(ErrorOf("expect tool mnuCheck band=X").Found(), "none");
  EXPECT_EQ(ErrorOf("expect tool mnuCheck greyed").Found(), "\"greyed\"");
  EXPECT_EQ(ErrorOf("expect tool mnuCheck value=abc").Found(), "\"value=abc\"");
  EXPECT_EQ(ErrorOf("expect tool mnuCheck caption").Found(), "\"caption\"");
  EXPECT_EQ(ErrorOf("expect band mnuOption enabled").Found(), "\"enabled\"");
}

TEST(ParseCommand, SetupAndAnswers) {
  EXPECT_TRUE(Parse("database empty").emptyDatabase);
  EXPECT_FALSE(Parse("database demo").emptyDatabase);
  Command profile = Parse("profile IC CreditDegree 3");
  EXPECT_EQ(profile.name, "IC");
  EXPECT_EQ(profile.key, "CreditDegree");
  EXPECT_EQ(profile.value.text, "3");
  EXPECT_EQ(Parse("login 2").number, 2);
  EXPECT_GT(Parse("today 2024-03-31").date, 0);
  Command answer = Parse("answer yes no ok cancel");
  EXPECT_EQ(answer.answers, (std::vector<int32_t>{6, 7, 1, 2}));
  Command related = Parse("expect related 1000201 5");
  EXPECT_EQ(related.number, 1000201);
  EXPECT_EQ(related.number2, 5);
  Command help = Parse("expect help QORV11.chm 12");
  EXPECT_TRUE(help.hasTopic);
  EXPECT_EQ(help.key, "12");
  EXPECT_EQ(Parse("tree item 7").kind, CommandKind::TreeItem);

  EXPECT_EQ(ErrorOf("database full").Found(), "\"full\"");
  EXPECT_EQ(ErrorOf("today 31/03/2024").Found(), "\"31/03/2024\"");
  EXPECT_EQ(ErrorOf("today 2024-02-30").Found(), "\"2024-02-30\"");
  EXPECT_EQ(ErrorOf("answer maybe").Found(), "\"maybe\"");
  EXPECT_EQ(ErrorOf("answer").Found(), "0 arguments");
  EXPECT_EQ(ErrorOf("sql select 1").Found(), "2 arguments");
  EXPECT_EQ(ErrorOf("tree branch 1").Found(), "\"branch\"");
  EXPECT_EQ(ErrorOf("login 99999999999").Found(), "\"99999999999\"");
}

TEST(ParseCommand, UnknownCommandsAndArgumentCounts) {
  ParseError unknown = ErrorOf("press mnuSave", 11);
  EXPECT_EQ(unknown.Line(), 11);
  EXPECT_EQ(unknown.Found(), "\"press\"");
  EXPECT_EQ(ErrorOf("expect colour red").Found(), "expect \"colour\"");
  EXPECT_EQ(ErrorOf("expect").Found(), "nothing after expect");
  EXPECT_EQ(ErrorOf("close now").Found(), "1 argument");
  EXPECT_EQ(ErrorOf("expect saved yes").Found(), "1 argument");
  EXPECT_EQ(ErrorOf("click").Found(), "0 arguments");
  EXPECT_EQ(ErrorOf("\"click\" mnuSave").Found(), "\"click\"");
}

TEST(ParseScenarioText, ScenariosAndTheirLines) {
  ScenarioFile file = ParseScenarioText(
      "# header\n"
      "scenario \"first one\"\n"
      "open receipt new\n"
      "close\n"
      "scenario second  one\n"
      "expect no-message\n",
      "x.scn");
  ASSERT_FALSE(file.error.has_value());
  ASSERT_EQ(file.scenarios.size(), 2u);
  EXPECT_EQ(file.scenarios[0].name, "first one");
  EXPECT_EQ(file.scenarios[0].line, 2);
  EXPECT_EQ(file.scenarios[0].comments, (std::vector<std::string>{"header"}));
  ASSERT_EQ(file.scenarios[0].commands.size(), 2u);
  EXPECT_EQ(file.scenarios[0].commands[1].line, 4);
  EXPECT_EQ(file.scenarios[0].commands[1].text, "close");
  // An unquoted name is the rest of the line.
  EXPECT_EQ(file.scenarios[1].name, "second one");
  EXPECT_EQ(file.scenarios[1].commands.front().kind, CommandKind::ExpectNoMessage);
}

TEST(ParseScenarioText, ABadLineFailsOnlyItsScenario) {
  ScenarioFile file = ParseScenarioText(
      "scenario a\n"
      "open receipt new\n"
      "frobnicate\n"
      "close\n"
      "scenario b\n"
      "set F \"open\n"
      "scenario c\n"
      "close\n",
      "x.scn");
  ASSERT_EQ(file.scenarios.size(), 3u);
  ASSERT_TRUE(file.scenarios[0].error.has_value());
  EXPECT_EQ(file.scenarios[0].error->Line(), 3);
  ASSERT_TRUE(file.scenarios[1].error.has_value());
  EXPECT_EQ(file.scenarios[1].error->Line(), 6);
  EXPECT_FALSE(file.scenarios[2].error.has_value());
  EXPECT_EQ(file.scenarios[2].commands.size(), 1u);
}

TEST(ParseScenarioText, FileErrors) {
  ScenarioFile before = ParseScenarioText("\nopen receipt new\nscenario a\n", "x.scn");
  ASSERT_TRUE(before.error.has_value());
  EXPECT_EQ(before.error->Line(), 2);

  ScenarioFile none = ParseScenarioText("# nothing here\n", "x.scn");
  ASSERT_TRUE(none.error.has_value());
  EXPECT_EQ(none.error->Found(), "none");

  ScenarioFile unnamed = ParseScenarioText("scenario\nclose\n", "x.scn");
  ASSERT_EQ(unnamed.scenarios.size(), 1u);
  ASSERT_TRUE(unnamed.scenarios[0].error.has_value());
  EXPECT_EQ(unnamed.scenarios[0].error->Line(), 1);

  ScenarioFile missing = ReadScenarioFile("/nonexistent/dir/x.scn");
  ASSERT_TRUE(missing.error.has_value());
  EXPECT_EQ(missing.error->Line(), 0);
}

}  // namespace
}  // namespace refhost::scenario
