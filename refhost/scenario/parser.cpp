#include "refhost/scenario/parser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "core/vb.h"
#include "refhost/scenario/parser_reader.h"
#include "refhost/scenario/value_compare.h"

namespace refhost::scenario {

namespace parsing {

void Reader::RequireArgs(size_t min, size_t max, const std::string& usage) const {
  size_t count = ArgCount();
  if (count >= min && count <= max) return;
  Fail("usage: " + usage, std::to_string(count) + (count == 1 ? " argument" : " arguments"));
}

int32_t Reader::Integer(size_t index, const std::string& what) const {
  const std::string& text = Arg(index).text;
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    Fail(what, "\"" + text + "\"");
  }
  return value;
}

void Reader::Fail(const std::string& expected, const std::string& found) const {
  throw ParseError(m_Line.number, expected, found);
}

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

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

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
// "#<n>" (written apart or attached: "INV0001 #2", "INV0001#2"); or `all`.
std::vector<Pick> ReadPicks(const Reader& reader, size_t first) {
  std::vector<Pick> picks;
  if (reader.IsWord(first, "all")) {
    if (reader.ArgCount() != first + 1) reader.Fail("all alone", reader.Arg(first + 1).text);
    Pick every;
    every.all = true;
    picks.push_back(every);
    return picks;
  }
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

StateCheck ReadState(const Reader& reader, size_t index,
                     const std::vector<std::string_view>& allowed) {
  static const std::vector<std::string_view> valued = {"caption", "value",   "description",
                                                       "tooltip", "picture", "position"};
  const std::string& text = reader.Arg(index).text;
  size_t equals = text.find('=');
  StateCheck state;
  state.name = text.substr(0, equals);
  if (equals != std::string::npos) state.text = text.substr(equals + 1);
  bool known = std::find(allowed.begin(), allowed.end(), state.name) != allowed.end();
  bool takesValue = std::find(valued.begin(), valued.end(), state.name) != valued.end();
  if (!known || takesValue != (equals != std::string::npos)) {
    std::string list;
    for (auto word : allowed) {
      if (!list.empty()) list += ", ";
      bool isText = word == "caption" || word == "description" || word == "tooltip";
      bool isNumber = word == "value" || word == "position";
      list += std::string(word) +
              (isText     ? "=\"<text>\""
               : isNumber ? "=<n>"
                          : "") +
              (word == "picture" ? "=<key>" : "");
    }
    reader.Fail("a state (" + list + ")", "\"" + text + "\"");
  }
  if (state.name == "value" && !ReadNumber(state.text)) {
    reader.Fail("value=<number>", "\"" + text + "\"");
  }
  if (state.name == "position" &&
      (!AllDigits(state.text) || state.text.size() > 9 || std::stoi(state.text) < 1)) {
    reader.Fail("position=<n> from 1", "\"" + text + "\"");
  }
  return state;
}

Handler NoArgs(std::string usage) {
  return [usage](const Reader& reader, Command&) { reader.RequireArgs(0, 0, usage); };
}

}  // namespace parsing

namespace {

using namespace parsing;

constexpr std::array<std::string_view, 4> kBillWindows = {"receipt", "payment", "other-receivable",
                                                          "other-payable"};
constexpr std::array<std::string_view, 9> kViewWindows = {
    "receipt-list",       "payment-list",       "other-receivable-list",
    "other-payable-list", "sales-invoice-list", "purchase-invoice-list",
    "initial-list",       "type-tree",          "type-list"};

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
    // No bill has an id below 1: an error of the scenario, as an unknown id.
    if (command.billId < 1) reader.Fail("a bill id from 1", "\"" + bill + "\"");
  }
  command.editMode = 2;
  if (reader.ArgCount() == 3) {
    if (reader.Arg(2).text != "view") reader.Fail("view", "\"" + reader.Arg(2).text + "\"");
    command.editMode = 0;
  }
}

// Commands that set up the company, the sessions and the day.
FormMap SetupForms() {
  return {
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
  };
}

// Commands that act on the current window as a user does.
FormMap ActionForms() {
  return {
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
      {"press",
       {CommandKind::Press,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, 1, "press <tool>");
          c.name = r.Arg(0).text;
        }}},
      {"select",
       {CommandKind::Select,
        [](const Reader& r, Command& c) {
          r.RequireArgs(1, kAnyCount, "select <tool> <pick>...|all");
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
          r.RequireArgs(1, kAnyCount, "answer <yes|no|ok|cancel>...");
          for (size_t i = 0; i < r.ArgCount(); ++i) c.answers.push_back(AnswerCode(r, i));
        }}},
  };
}

const FormMap& TopForms() {
  static const FormMap forms = [] {
    FormMap all = SetupForms();
    all.merge(ActionForms());
    return all;
  }();
  return forms;
}

// The offset of the first byte that breaks UTF-8 (a stray continuation
// byte, a cut sequence, an overlong form, a surrogate or a code point beyond
// U+10FFFF); nullopt for valid text.
std::optional<size_t> FirstInvalidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 0;
    if (length == 0 || i + length > text.size()) return i;
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return i;
      code = (code << 6) | (byte(i + k) & 0x3F);
    }
    constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
    i += length;
  }
  return std::nullopt;
}

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
  if (std::optional<size_t> bad = FirstInvalidUtf8(text)) {
    int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + *bad, '\n'));
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[*bad]));
    file.error = ParseError(line, "a UTF-8 text file",
                            file.path + " is not UTF-8 (byte " + byte +
                                "); save it as UTF-8, e.g. iconv -f GB18030 -t UTF-8");
    return file;
  }
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
