#include <algorithm>

#include "core/vb.h"
#include "refhost/framework/window.h"
#include "refhost/scenario/scenario_run.h"

// The checks of what the bill editor shows besides values (modify flags,
// columns, decimals, the active cell), of the order of the lines a selection
// window offered, and of "nothing shown" for the viewers.

namespace refhost::scenario {

namespace {

std::string DescribeCell(const std::string& field, int32_t row) {
  return row > 0 ? field + "[" + std::to_string(row) + "]" : field;
}

std::string DescribePick(const Pick& pick) {
  return pick.line ? pick.document + "#" + std::to_string(pick.line) : pick.document;
}

bool SameLine(const Pick& offered, const Pick& pick) {
  return qor::EqualsNoCase(offered.document, pick.document) &&
         (pick.line == 0 || offered.line == pick.line);
}

}  // namespace

void ScenarioRun::CheckModified(const Command& command, bool modified) {
  std::string field = command.wholeBill ? "" : command.field.name;
  bool isModified = false;
  OnSession([&] { isModified = CurrentWindow().IsModified(field, command.field.row); });
  if (isModified == modified) return;
  std::string what = command.wholeBill ? "the bill" : command.field.Describe();
  throw CheckFailed{what + (modified ? " modified" : " unmodified"),
                    isModified ? "modified" : "unmodified"};
}

void ScenarioRun::CheckColumn(const Command& command) {
  bool visible = false;
  OnSession([&] { visible = CurrentWindow().IsColumnVisible(command.field.name); });
  if (visible == command.visible) return;
  throw CheckFailed{"column " + command.field.name + (command.visible ? " visible" : " hidden"),
                    visible ? "visible" : "hidden"};
}

void ScenarioRun::CheckDecimals(const Command& command) {
  int32_t shown = 0;
  int32_t typed = 0;
  OnSession([&] {
    shown = CurrentWindow().ShownDecimals(command.field.name, command.field.row);
    typed = CurrentWindow().EditDecimals(command.field.name);
  });
  bool matches =
      shown == command.number && (!command.editDecimals || typed == *command.editDecimals);
  if (matches) return;
  std::string expected = command.field.Describe() + " decimals " + std::to_string(command.number);
  std::string found = "decimals " + std::to_string(shown);
  if (command.editDecimals) {
    expected += " edit=" + std::to_string(*command.editDecimals);
    found += " edit=" + std::to_string(typed);
  }
  throw CheckFailed{expected, found};
}

void ScenarioRun::CheckActive(const Command& command) {
  std::optional<std::pair<std::string, int32_t>> active;
  OnSession([&] { active = CurrentWindow().ActiveCell(); });
  std::string expected = "active " + command.field.Describe();
  if (!active) throw CheckFailed{expected, "no active field"};
  if (qor::EqualsNoCase(active->first, command.field.name) && active->second == command.field.row) {
    return;
  }
  throw CheckFailed{expected, "active " + DescribeCell(active->first, active->second)};
}

void ScenarioRun::CheckOfferedOrder(const Command& command) {
  std::vector<Pick> lines;
  OnSession([&] { lines = CurrentWindow().LastOffered(); });
  std::string expected = "offered in this order:";
  for (const Pick& pick : command.picks) expected.append(" ").append(DescribePick(pick));
  // Each pick must match a line after the one the pick before it matched.
  bool inOrder = true;
  auto from = lines.begin();
  for (const Pick& pick : command.picks) {
    from = std::find_if(from, lines.end(), [&](const Pick& line) { return SameLine(line, pick); });
    if (from == lines.end()) {
      inOrder = false;
      break;
    }
    ++from;
  }
  if (inOrder) return;
  std::string found = "offered:";
  for (const Pick& line : lines) found.append(" ").append(DescribePick(line));
  throw CheckFailed{expected, lines.empty() ? std::string("nothing offered") : found};
}

ShownRecords ScenarioRun::TakeShown(CommandKind kind) {
  ShownRecords& live = m_Run.Shown();
  ShownRecords& checked = m_CheckedShown;
  switch (kind) {
    case CommandKind::ExpectHelp:
      if (live.helpFile) {
        checked.helpFile = live.helpFile;
        checked.helpTopic = live.helpTopic;
      }
      live.helpFile.reset();
      live.helpTopic.clear();
      break;
    case CommandKind::ExpectVoucher:
      if (!live.voucher.IsEmpty()) checked.voucher = live.voucher;
      live.voucher = qor::Variant();
      break;
    case CommandKind::ExpectDisplay:
      if (live.displayLines) checked.displayLines = live.displayLines;
      live.displayLines.reset();
      break;
    case CommandKind::ExpectBillShown:
      if (live.billShown) checked.billShown = live.billShown;
      live.billShown.reset();
      break;
    default:
      if (live.related) checked.related = live.related;
      live.related.reset();
      break;
  }
  return checked;
}

void ScenarioRun::CheckNothingShown(const Command& command) {
  const ShownRecords& live = m_Run.Shown();
  std::string found;
  switch (command.kind) {
    case CommandKind::ExpectHelp:
      if (live.helpFile) found = "help " + *live.helpFile + " " + live.helpTopic;
      break;
    case CommandKind::ExpectVoucher:
      if (!live.voucher.IsEmpty()) found = "voucher " + qor::StrOf(live.voucher);
      break;
    case CommandKind::ExpectDisplay:
      if (live.displayLines) found = std::to_string(*live.displayLines) + " lines displayed";
      break;
    case CommandKind::ExpectBillShown:
      if (live.billShown) found = "bill " + std::to_string(*live.billShown) + " shown";
      break;
    default:
      if (live.related) {
        found = "related bills of type " + std::to_string(live.related->first) + " bill " +
                std::to_string(live.related->second);
      }
      break;
  }
  TakeShown(command.kind);
  if (found.empty()) return;
  const std::string& text = command.text;
  throw CheckFailed{text.starts_with("expect ") ? text.substr(7) : text, found};
}

}  // namespace refhost::scenario
