#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "refhost/scenario/runner.h"
#include "refhost/services/host_services.h"
#include "unit/host_registration.h"

// The new checks fail with what they found, a hidden tool cannot be clicked
// but can be pressed, and FAIL lines show long commands shortened.

namespace refhost::scenario {
namespace {

namespace fs = std::filesystem;

// Runs the text as a scenario file; returns the output lines.
std::vector<std::string> RunText(const std::string& text) {
  unit_test::RegisterHostAndPluginClassesOnce();
  fs::path path = fs::temp_directory_path() / ("runner-ext-" + std::to_string(getpid()) + ".scn");
  std::ofstream(path, std::ios::binary) << text;
  std::ostringstream out;
  Runner(out, {}).RunFiles({{path.string(), "x.scn"}});
  fs::remove(path);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(RunnerExtended, NewChecksReportWhatTheyFound) {
  auto lines = RunText(
      "scenario modified\nopen receipt no=SK0002\nexpect modified\n"
      "scenario unmodified field\nopen receipt new\nset FExplanation x\n"
      "expect unmodified FExplanation\n"
      "scenario column\nopen receipt new\nexpect column FInterID visible\n"
      "scenario header is no column\nopen receipt new\nexpect column FAmountFor visible\n"
      "scenario decimals\nopen receipt new\nexpect decimals FAmountFor 2 edit=3\n"
      "scenario active\nopen receipt new\nexpect active FAmountFor\n"
      "scenario order\nopen receipt new\nset FCustomerID 1\nselect mnuSelectBill_2000001\n"
      "expect offered-order INV0002 INV0001\n"
      "scenario tool states\nopen receipt new\n"
      "expect tool mnuFileSave tooltip=\"存\" band=BandToolBar\n"
      "scenario place\nopen receipt new\nexpect tool mnuFileSave position=1 band=BandToolBar\n"
      "scenario none\nopen receipt-list\nrows SK0002\nclick mnuFileView\n"
      "expect bill-shown none\n");
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "FAIL x.scn: modified: line 3: the bill modified / unmodified");
  EXPECT_EQ(lines[1], "FAIL x.scn: unmodified field: line 7: FExplanation unmodified / modified");
  EXPECT_EQ(lines[2], "FAIL x.scn: column: line 10: column FInterID visible / hidden");
  EXPECT_NE(lines[3].find("FAmountFor is not a column of entry page 2"), std::string::npos);
  EXPECT_EQ(lines[4],
            "FAIL x.scn: decimals: line 16: FAmountFor decimals 2 edit=3 / decimals 2 edit=2");
  EXPECT_EQ(lines[5], "FAIL x.scn: active: line 19: active FAmountFor / no active field");
  EXPECT_EQ(lines[6].rfind("FAIL x.scn: order: line 24: offered in this order: INV0002 INV0001 "
                           "/ offered: ",
                           0),
            0u)
      << lines[6];
  EXPECT_EQ(lines[7],
            "FAIL x.scn: tool states: line 27: tool mnuFileSave tooltip=\"存\" in band "
            "BandToolBar / tooltip=\"保存\" in band BandToolBar");
  EXPECT_EQ(lines[8],
            "FAIL x.scn: place: line 30: tool mnuFileSave position=1 in band BandToolBar / "
            "position=2 in band BandToolBar");
  EXPECT_EQ(lines[9], "FAIL x.scn: none: line 35: bill-shown none / bill 2 shown");
  EXPECT_EQ(lines[10], "0 passed, 10 failed");
}

TEST(RunnerExtended, AHiddenToolIsPressedNotClicked) {
  auto lines = RunText(
      "scenario click\nopen receipt new\nclick UnCheck\n"
      "scenario press\nopen receipt new\npress UnCheck\n"
      "scenario unknown\nopen receipt new\npress mnuNoSuchTool\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0],
            "FAIL x.scn: click: line 3: click UnCheck / tool UnCheck is hidden or disabled");
  EXPECT_EQ(lines[1], "PASS x.scn: press");
  EXPECT_EQ(lines[2],
            "FAIL x.scn: unknown: line 9: press mnuNoSuchTool / unknown tool mnuNoSuchTool");
}

TEST(RunnerExtended, ExpectSqlIsReadOnlyAndBillIdsStartAtOne) {
  auto lines = RunText(
      "scenario write\nexpect sql \"delete from t_RP_RBill\" 0\n"
      "scenario unchanged\nexpect sql \"select count(*) from t_RP_RBill where FBillNo like "
      "'SK000_'\" 4\n"
      "scenario zero\nopen receipt 0\n"
      "scenario negative\nopen receipt -2 view\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0],
            "FAIL x.scn: write: line 2: expect sql \"delete from t_RP_RBill\" 0 / expect sql runs "
            "read-only statements only; use sql to change data");
  EXPECT_EQ(lines[1], "PASS x.scn: unchanged");
  EXPECT_EQ(lines[2], "FAIL x.scn: zero: line 6: a bill id from 1 / \"0\"");
  EXPECT_EQ(lines[3], "FAIL x.scn: negative: line 8: a bill id from 1 / \"-2\"");
}

TEST(RunnerExtended, ALongCommandIsShortenedInItsFailLine) {
  std::string longName(200, 'x');
  auto lines = RunText("scenario long\nopen receipt new\nclick " + longName + "\n");
  ASSERT_EQ(lines.size(), 2u);
  std::string shown = ("click " + longName).substr(0, kShownCommandLength) + "...";
  EXPECT_EQ(lines[0].rfind("FAIL x.scn: long: line 3: " + shown + " / unknown tool ", 0), 0u)
      << lines[0];
}

TEST(RunnerExtended, ANonUtf8FileFailsAsAWhole) {
  auto lines = RunText("scenario a\nexpect sql \"select '\xCA\xD5'\" 1\nscenario b\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("FAIL x.scn: (file): line 2: a UTF-8 text file / ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], "0 passed, 1 failed");
}

}  // namespace
}  // namespace refhost::scenario
