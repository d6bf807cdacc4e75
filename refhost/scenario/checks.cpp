#include <algorithm>

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/scenario/scenario_run.h"
#include "refhost/scenario/value_compare.h"
#include "refhost/session.h"

// The checks of a scenario: each compares what the user would see, or what
// the database holds, with the expected value, and throws CheckFailed when
// they differ.

namespace refhost::scenario {

namespace {

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string Expected(const Token& token) { return token.quoted ? Quote(token.text) : token.text; }

std::string YesNo(bool value, const char* yes, const char* no) { return value ? yes : no; }

std::string DescribePick(const Pick& pick) {
  return pick.line ? pick.document + "#" + std::to_string(pick.line) : pick.document;
}

std::string DescribePicks(const std::vector<Pick>& picks) {
  if (picks.empty()) return "nothing";
  std::string text;
  for (const Pick& pick : picks) text += (text.empty() ? "" : " ") + DescribePick(pick);
  return text;
}

// Whether the offered lines hold the pick: a pick without a line is held
// when any line of its document is offered.
bool Holds(const std::vector<Pick>& offered, const Pick& pick) {
  return std::any_of(offered.begin(), offered.end(), [&](const Pick& line) {
    return qor::EqualsNoCase(line.document, pick.document) &&
           (pick.line == 0 || line.line == pick.line);
  });
}

// The state of one tool (or band) against one expected state; "" when it
// holds, else what was found.
std::string ToolStateMismatch(const qor::Tool& tool, const StateCheck& state) {
  if (state.name == "visible" && !tool.m_Visible) return "hidden";
  if (state.name == "hidden" && tool.m_Visible) return "visible";
  if (state.name == "enabled" && !tool.m_Enabled) return "disabled";
  if (state.name == "disabled" && tool.m_Enabled) return "enabled";
  if (state.name == "checked" && !tool.m_Checked) return "unchecked";
  if (state.name == "unchecked" && tool.m_Checked) return "checked";
  if (state.name == "caption" && tool.m_Caption != state.text) {
    return "caption=" + Quote(tool.m_Caption);
  }
  if (state.name == "value" && !ValueMatches(tool.m_Value, Token{state.text, false})) {
    return "value=" + DescribeStored(tool.m_Value);
  }
  if (state.name == "description" && tool.m_Description != state.text) {
    return "description=" + Quote(tool.m_Description);
  }
  if (state.name == "tooltip" && tool.m_ToolTipText != state.text) {
    return "tooltip=" + Quote(tool.m_ToolTipText);
  }
  std::string picture = tool.m_Picture.empty() ? "none" : tool.m_Picture;
  if (state.name == "picture" && picture != state.text) return "picture=" + picture;
  if (state.name == "begin-group" && !tool.m_BeginGroup) return "no begin-group";
  return "";
}

std::string DescribeState(const StateCheck& state) {
  if (state.name == "caption" || state.name == "description" || state.name == "tooltip") {
    return state.name + "=" + Quote(state.text);
  }
  if (state.name == "value" || state.name == "picture" || state.name == "position") {
    return state.name + "=" + state.text;
  }
  return state.name;
}

// position=<n>: the 1-based place of the tool among the band's tools.
std::string PositionMismatch(const qor::Band& band, const std::string& key,
                             const StateCheck& state) {
  if (state.name != "position") return "";
  int32_t place = band.Tools().IndexOf(key) + 1;
  return std::to_string(place) == state.text ? "" : "position=" + std::to_string(place);
}

}  // namespace

void ScenarioRun::Check(const Command& command) {
  switch (command.kind) {
    case CommandKind::ExpectMessage:
      return CheckMessage(command, false);
    case CommandKind::ExpectMessageStarting:
      return CheckMessage(command, true);
    case CommandKind::ExpectNoMessage:
      return CheckNoMessage();
    case CommandKind::ExpectField:
      return CheckField(command);
    case CommandKind::ExpectText:
      return CheckText(command);
    case CommandKind::ExpectLocked:
      return CheckLocked(command, true);
    case CommandKind::ExpectUnlocked:
      return CheckLocked(command, false);
    case CommandKind::ExpectRows:
      return CheckRows(command);
    case CommandKind::ExpectBand:
      return CheckBand(command);
    case CommandKind::ExpectTool:
      return CheckTool(command);
    case CommandKind::ExpectRefused:
    case CommandKind::ExpectAccepted:
    case CommandKind::ExpectCancelled:
    case CommandKind::ExpectNotCancelled:
    case CommandKind::ExpectSaved:
    case CommandKind::ExpectNotSaved:
      return CheckOutcome(command);
    case CommandKind::ExpectError:
      return CheckError(command);
    case CommandKind::ExpectStatus:
      return CheckStatus(command);
    case CommandKind::ExpectSql:
      return CheckSql(command);
    default:
      return CheckEditor(command);
  }
}

// Checks of what an editor offers and shows.
void ScenarioRun::CheckEditor(const Command& command) {
  switch (command.kind) {
    case CommandKind::ExpectOffered:
      return CheckOffered(command, true);
    case CommandKind::ExpectNotOffered:
      return CheckOffered(command, false);
    case CommandKind::ExpectOfferedOrder:
      return CheckOfferedOrder(command);
    case CommandKind::ExpectModified:
      return CheckModified(command, true);
    case CommandKind::ExpectUnmodified:
      return CheckModified(command, false);
    case CommandKind::ExpectColumn:
      return CheckColumn(command);
    case CommandKind::ExpectDecimals:
      return CheckDecimals(command);
    case CommandKind::ExpectActive:
      return CheckActive(command);
    case CommandKind::ExpectHelp:
    case CommandKind::ExpectVoucher:
    case CommandKind::ExpectDisplay:
    case CommandKind::ExpectBillShown:
    case CommandKind::ExpectRelated:
      return CheckShown(command);
    default:
      throw ScenarioError("command not implemented: " + command.text);
  }
}

void ScenarioRun::CheckMessage(const Command& command, bool prefix) {
  std::string expected =
      std::string(prefix ? "message starting " : "message ") + Quote(command.value.text);
  if (command.buttons) expected += " buttons=" + std::to_string(*command.buttons);
  if (command.title) expected += " title=" + Quote(*command.title);
  auto& boxes = m_Run.Messages();
  auto box = std::find_if(boxes.begin(), boxes.end(), [](const auto& b) { return !b.checked; });
  if (box == boxes.end()) throw CheckFailed{expected, "no message box"};
  bool textMatches =
      prefix ? box->text.starts_with(command.value.text) : box->text == command.value.text;
  bool matches = textMatches && (!command.buttons || *command.buttons == box->buttons) &&
                 (!command.title || *command.title == box->title);
  if (!matches) throw CheckFailed{expected, "message " + DescribeMessage(*box)};
  box->checked = true;
}

void ScenarioRun::CheckNoMessage() {
  if (auto box = FirstUnchecked()) {
    throw CheckFailed{"no message box", "message " + DescribeMessage(box->box) + " shown at line " +
                                            std::to_string(box->line)};
  }
}

void ScenarioRun::CheckField(const Command& command) {
  qor::Variant stored;
  OnSession([&] { stored = CurrentWindow().FieldValue(command.field.name, command.field.row); });
  if (!ValueMatches(stored, command.value)) {
    throw CheckFailed{command.field.Describe() + " = " + Expected(command.value),
                      DescribeStored(stored)};
  }
}

void ScenarioRun::CheckText(const Command& command) {
  std::string shown;
  OnSession([&] { shown = CurrentWindow().FieldText(command.field.name, command.field.row); });
  if (shown != command.value.text) {
    throw CheckFailed{command.field.Describe() + " shows " + Quote(command.value.text),
                      Quote(shown)};
  }
}

void ScenarioRun::CheckLocked(const Command& command, bool locked) {
  bool isLocked = false;
  std::optional<int32_t> row;
  if (command.field.hasRow) row = command.field.row;
  OnSession([&] { isLocked = CurrentWindow().IsLocked(command.field.name, row); });
  if (isLocked != locked) {
    throw CheckFailed{command.field.Describe() + YesNo(locked, " locked", " unlocked"),
                      YesNo(isLocked, "locked", "unlocked")};
  }
}

void ScenarioRun::CheckRows(const Command& command) {
  int32_t rows = 0;
  OnSession([&] { rows = CurrentWindow().RowCount(); });
  if (rows != command.number) {
    throw CheckFailed{std::to_string(command.number) + " rows", std::to_string(rows) + " rows"};
  }
}

void ScenarioRun::CheckBand(const Command& command) {
  OnSession([&] {
    qor::BandPtr band = CurrentWindow().Toolbar().FindBand(command.name);
    if (!band) throw ScenarioError("unknown band " + command.name);
    for (const StateCheck& state : command.states) {
      std::string found;
      if (state.name == "visible" && !band->m_Visible) found = "hidden";
      if (state.name == "hidden" && band->m_Visible) found = "visible";
      if (state.name == "caption" && band->m_Caption != state.text) {
        found = "caption=" + Quote(band->m_Caption);
      }
      if (!found.empty()) {
        throw CheckFailed{"band " + command.name + " " + DescribeState(state),
                          "band " + command.name + " " + found};
      }
    }
  });
}

void ScenarioRun::CheckTool(const Command& command) {
  OnSession([&] {
    qor::ToolbarControl& toolbar = CurrentWindow().Toolbar();
    // Every place the key appears (or the one band named), with its name.
    std::vector<std::pair<std::string, qor::ToolPtr>> places;
    if (command.band) {
      qor::BandPtr band = toolbar.FindBand(*command.band);
      if (!band) throw ScenarioError("unknown band " + *command.band);
      qor::ToolPtr tool = band->Tools().Find(command.name);
      if (!tool) throw ScenarioError("no tool " + command.name + " in band " + *command.band);
      places.emplace_back("band " + band->m_Name, tool);
    } else {
      if (qor::ToolPtr tool = toolbar.Tools().Find(command.name)) {
        places.emplace_back("the tool set", tool);
      }
      for (const qor::BandPtr& band : toolbar.AllBands()) {
        if (qor::ToolPtr tool = band->Tools().Find(command.name)) {
          places.emplace_back("band " + band->m_Name, tool);
        }
      }
      if (places.empty()) throw ScenarioError("unknown tool " + command.name);
    }
    for (const auto& [place, tool] : places) {
      for (const StateCheck& state : command.states) {
        std::string found = ToolStateMismatch(*tool, state);
        if (command.band && found.empty()) {
          found = PositionMismatch(*toolbar.FindBand(*command.band), command.name, state);
        }
        if (found.empty()) continue;
        std::string where = command.band ? " in band " + *command.band : "";
        throw CheckFailed{"tool " + command.name + " " + DescribeState(state) + where,
                          found + " in " + place};
      }
    }
  });
}

void ScenarioRun::CheckOutcome(const Command& command) {
  std::optional<bool> outcome;
  bool wanted = true;
  std::string what;
  std::string yes;
  std::string no;
  OnSession([&] {
    Window& window = CurrentWindow();
    switch (command.kind) {
      case CommandKind::ExpectRefused:
      case CommandKind::ExpectAccepted:
        outcome = window.m_LastSetAccepted;
        wanted = command.kind == CommandKind::ExpectAccepted;
        what = "set";
        yes = "accepted";
        no = "refused";
        break;
      case CommandKind::ExpectCancelled:
      case CommandKind::ExpectNotCancelled:
        outcome = window.m_LastClickCancelled;
        wanted = command.kind == CommandKind::ExpectCancelled;
        what = "click";
        yes = "cancelled";
        no = "not cancelled";
        break;
      default:
        outcome = window.m_LastSaved;
        wanted = command.kind == CommandKind::ExpectSaved;
        what = "save";
        yes = "saved";
        no = "not saved";
        break;
    }
  });
  std::string expected = "the last " + what + " " + (wanted ? yes : no);
  if (!outcome) throw CheckFailed{expected, "no " + what + " in this window"};
  if (*outcome != wanted) throw CheckFailed{expected, *outcome ? yes : no};
}

void ScenarioRun::CheckError(const Command& command) {
  const std::optional<qor::VbError>& error = m_Current->lastError;
  int32_t found = error ? error->Number() : 0;
  if (found == command.number) return;
  std::string expected = command.number ? "run-time error " + std::to_string(command.number)
                                        : std::string("no run-time error");
  throw CheckFailed{expected, error ? DescribeError(*error) : "no run-time error"};
}

void ScenarioRun::CheckStatus(const Command& command) {
  std::string shown;
  OnSession([&] { shown = CurrentWindow().StatusText(command.number); });
  if (shown != command.value.text) {
    throw CheckFailed{
        "status panel " + std::to_string(command.number) + " shows " + Quote(command.value.text),
        Quote(shown)};
  }
}

void ScenarioRun::CheckSql(const Command& command) {
  qor::Variant value = std::string();
  OnSession([&] {
    qor::RecordsetPtr rows;
    try {
      rows = Current().Db().QueryReadOnly(command.name);
    } catch (const qor::VbError& error) {
      if (error.Description().find("readonly") == std::string::npos) throw;
      throw ScenarioError("expect sql runs read-only statements only; use sql to change data");
    }
    if (rows && !rows->IsEOF() && !rows->Columns().empty()) {
      value = rows->Field(rows->Columns().front());
    }
  });
  if (!ValueMatches(value, command.value)) {
    throw CheckFailed{Expected(command.value), DescribeStored(value)};
  }
}

void ScenarioRun::CheckOffered(const Command& command, bool offered) {
  std::vector<Pick> lines;
  OnSession([&] { lines = CurrentWindow().LastOffered(); });
  for (const Pick& pick : command.picks) {
    if (Holds(lines, pick) == offered) continue;
    throw CheckFailed{DescribePick(pick) + (offered ? " offered" : " not offered"),
                      "offered: " + DescribePicks(lines)};
  }
}

void ScenarioRun::CheckShown(const Command& command) {
  if (command.none) return CheckNothingShown(command);
  const ShownRecords shown = TakeShown(command.kind);
  switch (command.kind) {
    case CommandKind::ExpectHelp: {
      std::string expected = "help " + command.name + (command.hasTopic ? " " + command.key : "");
      if (!shown.helpFile) throw CheckFailed{expected, "no help shown"};
      if (*shown.helpFile != command.name || (command.hasTopic && shown.helpTopic != command.key)) {
        throw CheckFailed{expected, "help " + *shown.helpFile + " " + shown.helpTopic};
      }
      return;
    }
    case CommandKind::ExpectVoucher:
      if (shown.voucher.IsEmpty())
        throw CheckFailed{"voucher " + Expected(command.value), "no voucher opened"};
      if (!ValueMatches(shown.voucher, command.value)) {
        throw CheckFailed{"voucher " + Expected(command.value),
                          "voucher " + DescribeStored(shown.voucher)};
      }
      return;
    case CommandKind::ExpectDisplay:
      if (!shown.displayLines) {
        throw CheckFailed{std::to_string(command.number) + " lines displayed", "no result display"};
      }
      if (*shown.displayLines != command.number) {
        throw CheckFailed{std::to_string(command.number) + " lines displayed",
                          std::to_string(*shown.displayLines) + " lines displayed"};
      }
      return;
    case CommandKind::ExpectBillShown:
      if (!shown.billShown)
        throw CheckFailed{"bill " + std::to_string(command.number) + " shown", "no bill shown"};
      if (*shown.billShown != command.number) {
        throw CheckFailed{"bill " + std::to_string(command.number) + " shown",
                          "bill " + std::to_string(*shown.billShown) + " shown"};
      }
      return;
    default: {
      std::string expected = "related bills of type " + std::to_string(command.number) + " bill " +
                             std::to_string(command.number2);
      if (!shown.related) throw CheckFailed{expected, "no related bills asked for"};
      if (shown.related->first != command.number || shown.related->second != command.number2) {
        throw CheckFailed{expected, "related bills of type " +
                                        std::to_string(shown.related->first) + " bill " +
                                        std::to_string(shown.related->second)};
      }
      return;
    }
  }
}

}  // namespace refhost::scenario
