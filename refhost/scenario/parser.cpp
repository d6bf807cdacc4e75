#include "refhost/scenario/parser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "core/vb.h"
#include "refhost/scenario/value_compare.h"

namespace refhost::scenario {

namespace {

constexpr std::array<std::string_view, 4> kBillWindows = {"receipt", "payment", "other-receivable",
                                                          "other-payable"};
constexpr std::array<std::string_view, 9> kViewWindows = {
    "receipt-list",       "payment-list",       "other-receivable-list",
    "other-payable-list", "sales-invoice-list", "purchase-invoice-list",
    "initial-list",       "type-tree",          "type-list"};

// The tokens of a command line and the line's number, with the argument
// readers every command form shares.
class Reader {
 public:
  Reader(const SourceLine& line, size_t wordCount) : m_Line(line), m_WordCount(wordCount) {}

  int LineNumber() const { return m_Line.number; }
  size_t ArgCount() const { return m_Line.tokens.size() - m_WordCount; }
  const Token& Arg(size_t index) const { return m_Line.tokens[m_WordCount + index]; }

  // Wrong number of arguments unless min <= count <= max.
  void RequireArgs(size_t min, size_t max, const std::string& usage) const {
    size_t count = ArgCount();
    if (count >= min && count <= max) return;
    Fail("usage: " + usage, std::to_string(count) + (count == 1 ? " argument" : " arguments"));
  }

  int32_t Integer(size_t index, const std::string& what) const {
    const std::string& text = Arg(index).text;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
      Fail(what, "\"" + text + "\"");
    }
    return value;
  }

  [[noreturn]] void Fail(const std::string& expected, const std::string& found) const {
    throw ParseError(m_Line.number, expected, found);
  }

 private:
  const SourceLine& m_Line;
  size_t m_WordCount;
};

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

int32_t ToInt(std::string_view digits, const Reader& reader, const std::string& what) {
  int32_t value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) {
    reader.Fail(what, "\"" + std::string(digits) + "\"");
  }
  return value;
}

// "FAmount" or "FAmount[3]".
FieldRef ReadField(const Reader& reader, size_t index) {
  const std::string& text = reader.Arg(index).text;
  FieldRef field;
  size_t open = text.find('[');
  if (open == std::string::npos) {
    field.name = text;
  } else {
    std::string_view rowText = std::string_view(text).substr(open + 1);
    if (open == 0 || rowText.size() < 2 || rowText.back() != ']' ||
        !AllDigits(rowText.substr(0, rowText.size() - 1))) {
      reader.Fail("a field as <field> or <field>[<row>]", "\"" + text + "\"");
    }
    field.name = text.substr(0, open);
    field.row = ToInt(rowText.substr(0, rowText.size() - 1), reader, "a row number");
    field.hasRow = true;
    if (field.row < 1) reader.Fail("a row number from 1", "\"" + text + "\"");
  }
  if (field.name.empty()) reader.Fail("a field name", "\"\"");
  return field;
}

// Source-document picks: "INV0001", "id=12", each optionally followed by
// "#<n>" (written apart or attached: "INV0001 #2", "INV0001#2").
std::vector<Pick> ReadPicks(const Reader& reader, size_t first) {
  std::vector<Pick> picks;
  bool lastHasLine = false;
  for (size_t i = first; i < reader.ArgCount(); ++i) {
    std::string text = reader.Arg(i).text;
    if (text.size() > 1 && text[0] == '#' && !reader.Arg(i).quoted) {
      if (picks.empty() || lastHasLine) reader.Fail("a document before \"" + text + "\"", text);
      if (!AllDigits(text.substr(1))) reader.Fail("a line as #<n>", text);
      picks.back().line = ToInt(text.substr(1), reader, "a line number");
      if (picks.back().line < 1) reader.Fail("a line number from 1", text);
      lastHasLine = true;
      continue;
    }
    Pick pick;
    size_t hash = text.rfind('#');
    if (hash != std::string::npos && hash > 0 && AllDigits(text.substr(hash + 1))) {
      pick.line = ToInt(text.substr(hash + 1), reader, "a line number");
      if (pick.line < 1) reader.Fail("a line number from 1", text);
      text.resize(hash);
    }
    if (text.empty()) reader.Fail("a source document", "\"\"");
    if (text.starts_with("id=") && !AllDigits(text.substr(3))) {
      reader.Fail("a bill id as id=<billId>", text);
    }
    pick.document = text;
    lastHasLine = pick.line != 0;
    picks.push_back(std::move(pick));
  }
  return picks;
}

// "caption=<text>", "value=<n>" or a plain state word among the allowed.
StateCheck ReadState(const Reader& reader, size_t index,
                     const std::vector<std::string_view>& allowed) {
  const std::string& text = reader.Arg(index).text;
  size_t equals = text.find('=');
  StateCheck state;
  state.name = text.substr(0, equals);
  if (equals != std::string::npos) state.text = text.substr(equals + 1);
  bool known = std::find(allowed.begin(), allowed.end(), state.name) != allowed.end();
  bool takesValue = state.name == "caption" || state.name == "value";
  if (!known || takesValue != (equals != std::string::npos)) {
    std::string list;
    for (auto word : allowed) {
      if (!list.empty()) list += ", ";
      list += word == "caption" ? "caption=\"<text>\"" : word == "value" ? "value=<n>" : word;
    }
    reader.Fail("a state (" + list + ")", "\"" + text + "\"");
  }
  if (state.name == "value" && !ReadNumber(state.text)) {
    reader.Fail("value=<number>", "\"" + text + "\"");
  }
  return state;
}

// "buttons=<n>" and "title=<text>" after a message text, in any order.
void ReadMessageOptions(const Reader& reader, Command& command) {
  for (size_t i = 1; i < reader.ArgCount(); ++i) {
    const std::string& text = reader.Arg(i).text;
    if (text.starts_with("buttons=") && !command.buttons) {
      if (!AllDigits(text.substr(8))) reader.Fail("buttons=<n>", "\"" + text + "\"");
      command.buttons = ToInt(text.substr(8), reader, "buttons=<n>");
    } else if (text.starts_with("title=") && !command.title) {
      command.title = text.substr(6);
    } else {
      reader.Fail("buttons=<n> or title=\"<title>\"", "\"" + text + "\"");
    }
  }
}

int32_t AnswerCode(const Reader& reader, size_t index) {
  const std::string& text = reader.Arg(index).text;
  if (text == "ok") return 1;
  if (text == "cancel") return 2;
  if (text == "yes") return 6;
  if (text == "no") return 7;
  reader.Fail("an answer (yes, no, ok, cancel)", "\"" + text + "\"");
}

void ParseOpen(const Reader& reader, Command& command) {
  const std::string usage =
      "open <window> new | open <window> <billId>|no=<billNo> [view] | open <list-or-tree> | "
      "open <list> pick";
  reader.RequireArgs(1, 3, usage);
  command.name = reader.Arg(0).text;
  if (IsViewWindowName(command.name)) {
    command.target = OpenTarget::View;
    bool isBillList = command.name.ends_with("-list") && command.name != "type-list";
    if (!isBillList) {
      reader.RequireArgs(1, 1, "open " + command.name);
      return;
    }
    reader.RequireArgs(1, 2, "open " + command.name + " [pick]");
    if (reader.ArgCount() == 1) return;
    if (reader.Arg(1).text != "pick") reader.Fail("pick", "\"" + reader.Arg(1).text + "\"");
    // A list opened to pick a bill for another window: its show mode is 3.
    command.editMode = 3;
    return;
  }
  if (!IsBillWindowName(command.name)) reader.Fail("a window name", "\"" + command.name + "\"");
  reader.RequireArgs(2, 3, usage);
  const std::string& bill = reader.Arg(1).text;
  if (bill == "new") {
    reader.RequireArgs(2, 2, "open " + command.name + " new");
    command.target = OpenTarget::New;
    command.editMode = 1;
    return;
  }
  if (bill.starts_with("no=")) {
    command.target = OpenTarget::ByNumber;
    command.billNo = bill.substr(3);
    if (command.billNo.empty()) reader.Fail("no=<billNo>", "\"" + bill + "\"");
  } else {
    command.target = OpenTarget::ById;
    command.billId = reader.Integer(1, "new, a bill id or no=<billNo>");
  }
  command.editMode = 2;
  if (reader.ArgCount() == 3) {
    if (reader.Arg(2).text != "view") reader.Fail("view", "\"" + reader.Arg(2).text + "\"");
    command.editMode = 0;
  }
}

using Handler = std::function<void(const Reader&, Command&)>;

struct Form {
  CommandKind kind;
  Handler handler;
};

// Forms with no argument at all.
Handler NoArgs(std::string usage) {
  return [usage](const Reader& reader, Command&) { reader.RequireArgs(0, 0, usage); };
}

const std::map<std::string, Form, std::less<>>& TopForms() {
  static const std::map<std::string, Form, std::less<>> forms = {
      {"database",
       {CommandKind::Database,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "database demo|empty");
          const std::string& which = r.Arg(0).text;
          if (which != "demo" && which != "empty") r.Fail("demo or empty", "\"" + which + "\"");
          c.emptyDatabase = which == "empty";
        }}},
      {"sql",
       {CommandKind::Sql,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "sql \"<statement>\"");
          c.name = r.Arg(0).text;
        }}},
      {"profile",
       {CommandKind::Profile,
        [](const Reader& r, Command& c) {
          r.RequireArgs(3, 3, "profile <category> <key> <value>");
          c.name = r.Arg(0).text;
          c.key = r.Arg(1).text;
          c.value = r.Arg(2);
        }}},
      {"login",
       {CommandKind::Login,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "login <userId>");
          c.number = r.Integer(0, "a user id");
        }}},
      {"session",
       {CommandKind::Session,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "session <name>");
          c.name = r.Arg(0).text;
          if (c.name.empty()) r.Fail("a session name", "\"\"");
        }}},
      {"today",
       {CommandKind::Today,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "today <yyyy-mm-dd>");
          const std::string& text = r.Arg(0).text;
          if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
              !qor::ParseDate(text, c.date)) {
            r.Fail("a date as yyyy-mm-dd", "\"" + text + "\"");
          }
        }}},
      {"open", {CommandKind::Open, ParseOpen}},
      {"close", {CommandKind::Close, NoArgs("close")}},
      {"set",
       {CommandKind::Set,
        [](const Reader& r, Command& c) {
          r.RequireArgs(2, 2, "set <field>[<row>] <value>");
          c.field = ReadField(r, 0);
          c.value = r.Arg(1);
        }}},
      {"add-row", {CommandKind::AddRow, NoArgs("add-row")}},
      {"delete-row",
       {CommandKind::DeleteRow,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "delete-row <row>");
          c.number = r.Integer(0, "a row number");
          if (c.number < 1) r.Fail("a row number from 1", std::to_string(c.number));
        }}},
      {"click",
       {CommandKind::Click,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "click <tool>");
          c.name = r.Arg(0).text;
        }}},
      {"select",
       {CommandKind::Select,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1000, "select <tool> <pick>...");
          c.name = r.Arg(0).text;
          c.picks = ReadPicks(r, 1);
        }}},
      {"rows",
       {CommandKind::Rows,
        [](const Reader& r, Command& c) {
          for (size_t i = 0; i < r.ArgCount(); ++i) c.names.push_back(r.Arg(i).text);
        }}},
      {"focus",
       {CommandKind::Focus,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "focus <control>");
          c.name = r.Arg(0).text;
        }}},
      {"answer",
       {CommandKind::Answer,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1000, "answer <yes|no|ok|cancel>...");
          for (size_t i = 0; i < r.ArgCount(); ++i) c.answers.push_back(AnswerCode(r, i));
        }}},
  };
  return forms;
}

void ParseToolStates(const Reader& r, Command& c) {
  static const std::vector<std::string_view> allowed = {
      "visible", "hidden", "enabled", "disabled", "checked", "unchecked", "caption", "value"};
  r.RequireArgs(2, 1000, "expect tool <key> <state>... [band=<band>]");
  c.name = r.Arg(0).text;
  for (size_t i = 1; i < r.ArgCount(); ++i) {
    const std::string& text = r.Arg(i).text;
    if (text.starts_with("band=") && !c.band) {
      c.band = text.substr(5);
      continue;
    }
    c.states.push_back(ReadState(r, i, allowed));
  }
  if (c.states.empty()) r.Fail("at least one state", "none");
}

Handler OneNumber(std::string usage, std::string what) {
  return [usage, what](const Reader& r, Command& c) {
    r.RequireArgs(1, 1, usage);
    c.number = r.Integer(0, what);
  };
}

Handler FieldAndValue(std::string usage) {
  return [usage](const Reader& r, Command& c) {
    r.RequireArgs(2, 2, usage);
    c.field = ReadField(r, 0);
    c.value = r.Arg(1);
  };
}

Handler FieldOnly(std::string usage) {
  return [usage](const Reader& r, Command& c) {
    r.RequireArgs(1, 1, usage);
    c.field = ReadField(r, 0);
  };
}

Handler Picks(std::string usage) {
  return [usage](const Reader& r, Command& c) {
    r.RequireArgs(1, 1000, usage);
    c.picks = ReadPicks(r, 0);
  };
}

Handler Message(std::string usage) {
  return [usage](const Reader& r, Command& c) {
    r.RequireArgs(1, 3, usage);
    c.value = r.Arg(0);
    ReadMessageOptions(r, c);
  };
}

const std::map<std::string, Form, std::less<>>& ExpectForms() {
  static const std::map<std::string, Form, std::less<>> forms = {
      {"message",
       {CommandKind::ExpectMessage,
        Message("expect message \"<text>\" [buttons=<n>] [title=\"<title>\"]")}},
      {"message-starting",
       {CommandKind::ExpectMessageStarting,
        Message("expect message-starting \"<text>\" [buttons=<n>] [title=\"<title>\"]")}},
      {"no-message", {CommandKind::ExpectNoMessage, NoArgs("expect no-message")}},
      {"field", {CommandKind::ExpectField, FieldAndValue("expect field <field>[<row>] <value>")}},
      {"text", {CommandKind::ExpectText, FieldAndValue("expect text <field>[<row>] \"<text>\"")}},
      {"locked", {CommandKind::ExpectLocked, FieldOnly("expect locked <field>[<row>]")}},
      {"unlocked", {CommandKind::ExpectUnlocked, FieldOnly("expect unlocked <field>[<row>]")}},
      {"rows", {CommandKind::ExpectRows, OneNumber("expect rows <n>", "a number of rows")}},
      {"band",
       {CommandKind::ExpectBand,
        [](const Reader& r, Command& c) {
          static const std::vector<std::string_view> allowed = {"visible", "hidden", "caption"};
          r.RequireArgs(2, 1000, "expect band <band> <state>...");
          c.name = r.Arg(0).text;
          for (size_t i = 1; i < r.ArgCount(); ++i) c.states.push_back(ReadState(r, i, allowed));
        }}},
      {"tool", {CommandKind::ExpectTool, ParseToolStates}},
      {"refused", {CommandKind::ExpectRefused, NoArgs("expect refused")}},
      {"accepted", {CommandKind::ExpectAccepted, NoArgs("expect accepted")}},
      {"cancelled", {CommandKind::ExpectCancelled, NoArgs("expect cancelled")}},
      {"not-cancelled", {CommandKind::ExpectNotCancelled, NoArgs("expect not-cancelled")}},
      {"saved", {CommandKind::ExpectSaved, NoArgs("expect saved")}},
      {"not-saved", {CommandKind::ExpectNotSaved, NoArgs("expect not-saved")}},
      {"error", {CommandKind::ExpectError, OneNumber("expect error <number>", "an error number")}},
      {"status",
       {CommandKind::ExpectStatus,
        [](const Reader& r, Command& c) {
          r.RequireArgs(2, 2, "expect status <panel> \"<text>\"");
          c.number = r.Integer(0, "a panel number");
          c.value = r.Arg(1);
        }}},
      {"sql",
       {CommandKind::ExpectSql,
        [](const Reader& r, Command& c) {
          r.RequireArgs(2, 2, "expect sql \"<query>\" <value>");
          c.name = r.Arg(0).text;
          c.value = r.Arg(1);
        }}},
      {"offered", {CommandKind::ExpectOffered, Picks("expect offered <pick>...")}},
      {"not-offered", {CommandKind::ExpectNotOffered, Picks("expect not-offered <pick>...")}},
      {"help",
       {CommandKind::ExpectHelp,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 2, "expect help <file> [<topic>]");
          c.name = r.Arg(0).text;
          c.hasTopic = r.ArgCount() == 2;
          if (c.hasTopic) c.key = r.Arg(1).text;
        }}},
      {"voucher",
       {CommandKind::ExpectVoucher,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "expect voucher <id>");
          c.value = r.Arg(0);
        }}},
      {"display",
       {CommandKind::ExpectDisplay, OneNumber("expect display <n>", "a number of lines")}},
      {"bill-shown",
       {CommandKind::ExpectBillShown, OneNumber("expect bill-shown <id>", "a bill id")}},
      {"related",
       {CommandKind::ExpectRelated,
        [](const Reader& r, Command& c) {
          r.RequireArgs(2, 2, "expect related <billTypeId> <billId>");
          c.number = r.Integer(0, "a bill type id");
          c.number2 = r.Integer(1, "a bill id");
        }}},
  };
  return forms;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string FieldRef::Describe() const {
  return hasRow ? name + "[" + std::to_string(row) + "]" : name;
}

bool IsBillWindowName(std::string_view name) {
  return std::find(kBillWindows.begin(), kBillWindows.end(), name) != kBillWindows.end();
}

bool IsViewWindowName(std::string_view name) {
  return std::find(kViewWindows.begin(), kViewWindows.end(), name) != kViewWindows.end();
}

Command ParseCommand(const SourceLine& line) {
  if (line.tokens.empty()) throw ParseError(line.number, "a command", "an empty line");
  Command command;
  command.line = line.number;
  command.text = line.text;
  command.comments = line.comments;
  const std::string& word = line.tokens[0].text;
  if (line.tokens[0].quoted) throw ParseError(line.number, "a command", Quoted(word));
  if (word == "expect" || word == "tree") {
    if (line.tokens.size() < 2) {
      throw ParseError(line.number, "usage: " + word + " <what> ...", "nothing after " + word);
    }
    const std::string& what = line.tokens[1].text;
    Reader reader(line, 2);
    if (word == "tree") {
      if (what != "group" && what != "item") {
        throw ParseError(line.number, "tree group <id> or tree item <id>", Quoted(what));
      }
      command.kind = what == "group" ? CommandKind::TreeGroup : CommandKind::TreeItem;
      reader.RequireArgs(1, 1, "tree " + what + " <id>");
      command.number = reader.Integer(0, "an id");
      return command;
    }
    auto found = ExpectForms().find(what);
    if (found == ExpectForms().end()) {
      throw ParseError(line.number, "a known check", "expect " + Quoted(what));
    }
    command.kind = found->second.kind;
    found->second.handler(reader, command);
    return command;
  }
  auto found = TopForms().find(word);
  if (found == TopForms().end()) throw ParseError(line.number, "a known command", Quoted(word));
  command.kind = found->second.kind;
  found->second.handler(Reader(line, 1), command);
  return command;
}

ScenarioFile ParseScenarioText(std::string_view text, std::string path) {
  ScenarioFile file;
  file.path = std::move(path);
  for (const SourceLine& line : TokenizeText(text)) {
    if (!line.error && !line.tokens.empty() && line.tokens[0].text == "scenario" &&
        !line.tokens[0].quoted) {
      Scenario scenario;
      scenario.line = line.number;
      scenario.comments = line.comments;
      // The name may be written without quotes: the rest of the line.
      for (size_t i = 1; i < line.tokens.size(); ++i) {
        scenario.name += (i > 1 ? " " : "") + line.tokens[i].text;
      }
      if (line.tokens.size() < 2) {
        scenario.error = ParseError(line.number, "usage: scenario <name>", "0 arguments");
      }
      file.scenarios.push_back(std::move(scenario));
      continue;
    }
    if (file.scenarios.empty()) {
      file.error = line.error ? *line.error
                              : ParseError(line.number, "scenario <name> first", Quoted(line.text));
      return file;
    }
    Scenario& current = file.scenarios.back();
    if (current.error) continue;
    if (line.error) {
      current.error = line.error;
      continue;
    }
    try {
      current.commands.push_back(ParseCommand(line));
    } catch (const ParseError& error) {
      current.error = error;
    }
  }
  if (file.scenarios.empty() && !file.error) file.error = ParseError(0, "a scenario", "none");
  return file;
}

ScenarioFile ReadScenarioFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ScenarioFile file;
    file.path = path;
    file.error = ParseError(0, "a readable scenario file", "cannot open " + Quoted(path));
    return file;
  }
  std::ostringstream content;
  content << in.rdbuf();
  return ParseScenarioText(content.str(), path);
}

}  // namespace refhost::scenario
