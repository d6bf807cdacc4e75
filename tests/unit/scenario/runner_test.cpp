#include "refhost/scenario/runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "refhost/scenario/database_templates.h"
#include "refhost/scenario/parser.h"
#include "refhost/scenario/scenario_run.h"
#include "refhost/services/host_services.h"
#include "unit/host_registration.h"

namespace refhost::scenario {
namespace {

namespace fs = std::filesystem;

// A scenario file in a private folder, removed with the object.
class TempScenario {
 public:
  explicit TempScenario(const std::string& text)
      : m_Path(fs::temp_directory_path() / ("runner-test-" + std::to_string(getpid()) + "-" +
                                            std::to_string(++s_Count) + ".scn")) {
    std::ofstream(m_Path) << text;
  }
  ~TempScenario() { fs::remove(m_Path); }
  std::string Path() const { return m_Path.string(); }

 private:
  static inline int s_Count = 0;
  fs::path m_Path;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

Command ParseOne(const std::string& text, int number) {
  SourceLine line;
  line.number = number;
  line.text = text;
  line.tokens = TokenizeLine(text, number);
  return ParseCommand(line);
}

TEST(Runner, ReportsEachScenarioAndTheTotals) {
  unit_test::RegisterHostAndPluginClassesOnce();
  TempScenario file(
      "scenario passes\n"
      "open receipt new\n"
      "expect field FBillNo SK0005\n"
      "\n"
      "scenario check fails\n"
      "open receipt new\n"
      "expect field FBillNo SK0009\n"
      "expect field FBillNo SK0005\n"
      "\n"
      "scenario unknown field\n"
      "open receipt new\n"
      "set FNoSuchField 1\n"
      "\n"
      "scenario bad line\n"
      "open receipt new\n"
      "expect frobs 3\n");
  std::ostringstream out;
  Runner runner(out, {});
  EXPECT_EQ(runner.RunFiles({{file.Path(), "x.scn"}}), 3);
  auto lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 5u) << out.str();
  EXPECT_EQ(lines[0], "PASS x.scn: passes");
  EXPECT_EQ(lines[1], "FAIL x.scn: check fails: line 7: FBillNo = SK0009 / \"SK0005\"");
  EXPECT_EQ(lines[2].rfind("FAIL x.scn: unknown field: line 12: set FNoSuchField 1 / ", 0), 0u)
      << lines[2];
  // What the host said names the field.
  EXPECT_NE(lines[2].substr(lines[2].find(" / ")).find("FNoSuchField"), std::string::npos);
  EXPECT_EQ(lines[3], "FAIL x.scn: bad line: line 16: a known check / expect \"frobs\"");
  EXPECT_EQ(lines[4], "1 passed, 3 failed");
}

TEST(Runner, FileErrorsCountAsFailures) {
  std::ostringstream out;
  Runner runner(out, {});
  EXPECT_EQ(runner.RunFiles({{"/nonexistent/x.scn", "x.scn"}}), 1);
  EXPECT_EQ(out.str(),
            "FAIL x.scn: (file): line 0: a readable scenario file / cannot open "
            "\"/nonexistent/x.scn\"\n0 passed, 1 failed\n");
}

TEST(Runner, TraceShowsCommandsEventsAndSql) {
  unit_test::RegisterHostAndPluginClassesOnce();
  TempScenario file("scenario traced\n# explained\nopen payment new\n");
  std::ostringstream traced;
  Runner(traced, {.trace = true}).RunFiles({{file.Path(), "t.scn"}});
  std::string text = traced.str();
  EXPECT_NE(text.find("scenario traced (t.scn)\n"), std::string::npos);
  EXPECT_NE(text.find("\n  3: open payment new\n"), std::string::npos);
  EXPECT_NE(text.find("\n    event BillEvent.AfterNewBill()"), std::string::npos);
  EXPECT_NE(text.find("\n    sql: "), std::string::npos);
  EXPECT_EQ(text.find("# explained"), std::string::npos);
  EXPECT_NE(text.find("PASS t.scn: traced\n"), std::string::npos);

  std::ostringstream tour;
  Runner(tour, {.trace = true, .explain = true, .hideSql = true})
      .RunFiles({{file.Path(), "t.scn"}});
  EXPECT_NE(tour.str().find("  # explained\n  3: open payment new\n"), std::string::npos);
  EXPECT_NE(tour.str().find("event BillEvent.AfterNewBill()"), std::string::npos);
  EXPECT_EQ(tour.str().find("sql:"), std::string::npos);
}

class ScenarioRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unit_test::RegisterHostAndPluginClassesOnce();
    m_Path = m_Templates.NewScenarioFile();
    m_Run = std::make_unique<ScenarioRun>(m_Templates, m_Path, RunOptions{}, m_Out);
  }
  void TearDown() override {
    m_Run.reset();
    DatabaseTemplates::Remove(m_Path);
  }
  // The failure of a check, or nullopt when it held.
  std::optional<CheckFailed> Check(const std::string& text, int line = 1) {
    try {
      m_Run->Execute(ParseOne(text, line));
    } catch (const CheckFailed& failure) {
      return failure;
    }
    return std::nullopt;
  }
  int32_t Show(const std::string& text, int32_t buttons) {
    return m_Run->Run().ShowMessageBox(text, buttons, "青岚提示", "main");
  }

  DatabaseTemplates m_Templates;
  std::string m_Path;
  std::ostringstream m_Out;
  std::unique_ptr<ScenarioRun> m_Run;
};

TEST_F(ScenarioRunTest, MessagesAreCheckedOffOldestFirst) {
  Show("第一条", 64);
  Show("第二条 消息", 48);
  EXPECT_FALSE(Check("expect message \"第一条\" buttons=64 title=\"青岚提示\""));
  auto wrong = Check("expect message \"第二条\"");
  ASSERT_TRUE(wrong);
  EXPECT_EQ(wrong->found, "message \"第二条 消息\" buttons=48 title=\"青岚提示\"");
  EXPECT_TRUE(Check("expect message-starting \"第二条\" buttons=64"));
  EXPECT_TRUE(Check("expect no-message"));
  EXPECT_FALSE(Check("expect message-starting \"第二条\" buttons=48"));
  EXPECT_FALSE(Check("expect no-message"));
  auto none = Check("expect message \"x\"");
  ASSERT_TRUE(none);
  EXPECT_EQ(none->found, "no message box");
}

TEST_F(ScenarioRunTest, UncheckedBoxKeepsTheLineThatShowedIt) {
  m_Run->Execute(ParseOne("answer yes no", 4));
  EXPECT_FALSE(m_Run->FirstUnchecked());
  EXPECT_EQ(Show("保存吗?", 36), 6);
  EXPECT_EQ(Show("删除吗?", 36), 7);
  m_Run->Execute(ParseOne("expect message \"保存吗?\" buttons=36", 9));
  auto left = m_Run->FirstUnchecked();
  ASSERT_TRUE(left);
  EXPECT_EQ(left->box.text, "删除吗?");
  EXPECT_THROW(Show("再问一次?", 36), ScenarioError);
}

TEST_F(ScenarioRunTest, ChecksNeedAWindowAndKnownNames) {
  EXPECT_THROW(Check("expect field FBillNo SK0005"), ScenarioError);
  EXPECT_THROW(Check("close"), ScenarioError);
  m_Run->Execute(ParseOne("open receipt new", 1));
  EXPECT_FALSE(Check("expect tool mnuFileSave visible enabled band=BandToolBar"));
  EXPECT_THROW(Check("expect tool mnuNoSuchTool visible"), ScenarioError);
  EXPECT_THROW(Check("expect tool mnuFileSave visible band=NoSuchBand"), ScenarioError);
  EXPECT_THROW(Check("expect band NoSuchBand visible"), ScenarioError);
  auto hidden = Check("expect tool mnuFileSave hidden");
  ASSERT_TRUE(hidden);
  EXPECT_EQ(hidden->found, "visible in the tool set");
  EXPECT_FALSE(Check("expect error 0"));
  auto error = Check("expect error 13");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->found, "no run-time error");
  auto outcome = Check("expect accepted");
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->found, "no set in this window");
}

}  // namespace
}  // namespace refhost::scenario
