#include <algorithm>
#include <string>
#include <vector>

#include "refhost/scenario/parser_reader.h"

// The forms of `expect <what> ...`.

namespace refhost::scenario::parsing {

namespace {

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

void ParseToolStates(const Reader& r, Command& c) {
  static const std::vector<std::string_view> allowed = {
      "visible", "hidden",      "enabled", "disabled", "checked",     "unchecked", "caption",
      "value",   "description", "tooltip", "picture",  "begin-group", "position"};
  r.RequireArgs(2, kAnyCount, "expect tool <key> <state>... [band=<band>]");
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
  bool hasPosition = std::any_of(c.states.begin(), c.states.end(),
                                 [](const StateCheck& s) { return s.name == "position"; });
  if (hasPosition && !c.band) r.Fail("band=<band> with position=<n>", "no band");
}

// `expect <what> none`: nothing of that kind shown since the last check.
bool ReadNone(const Reader& r, Command& c) {
  if (r.ArgCount() != 1 || !r.IsWord(0, "none")) return false;
  c.none = true;
  return true;
}

Handler OneNumber(std::string usage, std::string what, bool allowNone = false) {
  return [usage, what, allowNone](const Reader& r, Command& c) {
    r.RequireArgs(1, 1, usage);
    if (allowNone && ReadNone(r, c)) return;
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

// `expect modified` / `expect unmodified`, with or without a field.
Handler OptionalField(std::string usage) {
  return [usage](const Reader& r, Command& c) {
    r.RequireArgs(0, 1, usage);
    c.wholeBill = r.ArgCount() == 0;
    if (!c.wholeBill) c.field = ReadField(r, 0);
  };
}

Handler Picks(std::string usage) {
  return [usage](const Reader& r, Command& c) {
    r.RequireArgs(1, kAnyCount, usage);
    if (r.IsWord(0, "all")) r.Fail("a source document", "all");
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

void ParseColumn(const Reader& r, Command& c) {
  r.RequireArgs(2, 2, "expect column <field> visible|hidden");
  c.field = ReadField(r, 0);
  if (c.field.hasRow) r.Fail("a column without a row", "\"" + c.field.Describe() + "\"");
  if (!r.IsWord(1, "visible") && !r.IsWord(1, "hidden")) {
    r.Fail("visible or hidden", "\"" + r.Arg(1).text + "\"");
  }
  c.visible = r.IsWord(1, "visible");
}

void ParseDecimals(const Reader& r, Command& c) {
  r.RequireArgs(2, 3, "expect decimals <field>[<row>] <n> [edit=<m>]");
  c.field = ReadField(r, 0);
  c.number = r.Integer(1, "a number of decimals");
  if (r.ArgCount() < 3) return;
  const std::string& text = r.Arg(2).text;
  if (!text.starts_with("edit=") || !AllDigits(text.substr(5))) {
    r.Fail("edit=<m>", "\"" + text + "\"");
  }
  c.editDecimals = ToInt(text.substr(5), r, "edit=<m>");
}

void ParseHelp(const Reader& r, Command& c) {
  r.RequireArgs(1, 2, "expect help <file> [<topic>] | expect help none");
  if (ReadNone(r, c)) return;
  c.name = r.Arg(0).text;
  c.hasTopic = r.ArgCount() == 2;
  if (c.hasTopic) c.key = r.Arg(1).text;
}

void ParseVoucher(const Reader& r, Command& c) {
  r.RequireArgs(1, 1, "expect voucher <id> | expect voucher none");
  if (ReadNone(r, c)) return;
  c.value = r.Arg(0);
}

void ParseRelated(const Reader& r, Command& c) {
  r.RequireArgs(1, 2, "expect related <billTypeId> <billId> | expect related none");
  if (ReadNone(r, c)) return;
  r.RequireArgs(2, 2, "expect related <billTypeId> <billId>");
  c.number = r.Integer(0, "a bill type id");
  c.number2 = r.Integer(1, "a bill id");
}

void ParseBand(const Reader& r, Command& c) {
  static const std::vector<std::string_view> allowed = {"visible", "hidden", "caption"};
  r.RequireArgs(2, kAnyCount, "expect band <band> <state>...");
  c.name = r.Arg(0).text;
  for (size_t i = 1; i < r.ArgCount(); ++i) c.states.push_back(ReadState(r, i, allowed));
}

void ParseStatus(const Reader& r, Command& c) {
  r.RequireArgs(2, 2, "expect status <panel> \"<text>\"");
  c.number = r.Integer(0, "a panel number");
  c.value = r.Arg(1);
}

void ParseSql(const Reader& r, Command& c) {
  r.RequireArgs(2, 2, "expect sql \"<query>\" <value>");
  c.name = r.Arg(0).text;
  c.value = r.Arg(1);
}

}  // namespace

const FormMap& ExpectForms() {
  static const FormMap forms = {
      {"message",
       {CommandKind::ExpectMessage,
        Message("expect message \"<text>\" [buttons=<n>] [title=\"<title>\"]")}},
      {"message-starting",
       {CommandKind::ExpectMessageStarting,
        Message("expect message-starting \"<text>\" [buttons=<n>] [title=\"<title>\"]")}},
      {"no-message", {CommandKind::ExpectNoMessage, NoArgs("expect no-message")}},
      {"field", {CommandKind::ExpectField, FieldAndValue("expect field <field>[<row>] <value>")}},
      {"text", {CommandKind::ExpectText, FieldAndValue("expect text <field>[<row>] \"<text>\"")}},
      {"modified",
       {CommandKind::ExpectModified, OptionalField("expect modified [<field>[<row>]]")}},
      {"unmodified",
       {CommandKind::ExpectUnmodified, OptionalField("expect unmodified [<field>[<row>]]")}},
      {"column", {CommandKind::ExpectColumn, ParseColumn}},
      {"decimals", {CommandKind::ExpectDecimals, ParseDecimals}},
      {"active", {CommandKind::ExpectActive, FieldOnly("expect active <field>[<row>]")}},
      {"locked", {CommandKind::ExpectLocked, FieldOnly("expect locked <field>[<row>]")}},
      {"unlocked", {CommandKind::ExpectUnlocked, FieldOnly("expect unlocked <field>[<row>]")}},
      {"rows", {CommandKind::ExpectRows, OneNumber("expect rows <n>", "a number of rows")}},
      {"band", {CommandKind::ExpectBand, ParseBand}},
      {"tool", {CommandKind::ExpectTool, ParseToolStates}},
      {"refused", {CommandKind::ExpectRefused, NoArgs("expect refused")}},
      {"accepted", {CommandKind::ExpectAccepted, NoArgs("expect accepted")}},
      {"cancelled", {CommandKind::ExpectCancelled, NoArgs("expect cancelled")}},
      {"not-cancelled", {CommandKind::ExpectNotCancelled, NoArgs("expect not-cancelled")}},
      {"saved", {CommandKind::ExpectSaved, NoArgs("expect saved")}},
      {"not-saved", {CommandKind::ExpectNotSaved, NoArgs("expect not-saved")}},
      {"error", {CommandKind::ExpectError, OneNumber("expect error <number>", "an error number")}},
      {"status", {CommandKind::ExpectStatus, ParseStatus}},
      {"sql", {CommandKind::ExpectSql, ParseSql}},
      {"offered", {CommandKind::ExpectOffered, Picks("expect offered <pick>...")}},
      {"not-offered", {CommandKind::ExpectNotOffered, Picks("expect not-offered <pick>...")}},
      {"offered-order", {CommandKind::ExpectOfferedOrder, Picks("expect offered-order <pick>...")}},
      {"help", {CommandKind::ExpectHelp, ParseHelp}},
      {"voucher", {CommandKind::ExpectVoucher, ParseVoucher}},
      {"display",
       {CommandKind::ExpectDisplay,
        OneNumber("expect display <n> | expect display none", "a number of lines", true)}},
      {"bill-shown",
       {CommandKind::ExpectBillShown,
        OneNumber("expect bill-shown <id> | expect bill-shown none", "a bill id", true)}},
      {"related", {CommandKind::ExpectRelated, ParseRelated}},
  };
  return forms;
}

}  // namespace refhost::scenario::parsing
