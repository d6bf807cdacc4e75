#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "refhost/framework/window.h"
#include "refhost/scenario/tokenizer.h"

namespace refhost::scenario {

enum class CommandKind {
  // Setting up.
  Database,
  Sql,
  Profile,
  Login,
  Session,
  Today,
  // Windows.
  Open,
  Close,
  // Acting.
  Set,
  AddRow,
  DeleteRow,
  Click,
  Press,
  Select,
  Rows,
  TreeGroup,
  TreeItem,
  Focus,
  Answer,
  // Checking.
  ExpectMessage,
  ExpectMessageStarting,
  ExpectNoMessage,
  ExpectField,
  ExpectText,
  ExpectLocked,
  ExpectUnlocked,
  ExpectRows,
  ExpectBand,
  ExpectTool,
  ExpectRefused,
  ExpectAccepted,
  ExpectCancelled,
  ExpectNotCancelled,
  ExpectSaved,
  ExpectNotSaved,
  ExpectError,
  ExpectStatus,
  ExpectSql,
  ExpectOffered,
  ExpectNotOffered,
  ExpectOfferedOrder,
  ExpectModified,
  ExpectUnmodified,
  ExpectColumn,
  ExpectDecimals,
  ExpectActive,
  ExpectHelp,
  ExpectVoucher,
  ExpectDisplay,
  ExpectBillShown,
  ExpectRelated,
};

// "FAmount" or "FAmount[2]"; row 0 is the header.
struct FieldRef {
  std::string name;
  int32_t row = 0;
  bool hasRow = false;

  std::string Describe() const;
};

// How `open` names the bill.
enum class OpenTarget { View, New, ById, ByNumber };

// One state of `expect band` / `expect tool`: visible, hidden, enabled,
// disabled, checked, unchecked, begin-group, or a named one with its text:
// caption, description, tooltip, picture, value, position.
struct StateCheck {
  std::string name;
  std::string text;
};

// One parsed command. Only the members its kind uses are filled.
struct Command {
  CommandKind kind = CommandKind::Close;
  int line = 0;
  std::string text;                   // as written
  std::vector<std::string> comments;  // explanation above it

  std::string name;  // window, tool, band, session, control, SQL, category, file...
  std::string key;   // profile key, help topic
  FieldRef field;
  Token value;  // value of set / expect field / expect sql / profile / voucher; text to match
  int32_t number = 0;  // rows, ids, user, error number, panel, lines
  int32_t number2 = 0;
  bool emptyDatabase = false;
  bool hasTopic = false;
  // `expect help|voucher|display|bill-shown|related none`; `expect column
  // ... visible`; `expect modified` / `unmodified` without a field.
  bool none = false;
  bool visible = false;
  bool wholeBill = false;
  std::optional<int32_t> editDecimals;  // expect decimals ... edit=<m>

  // open
  OpenTarget target = OpenTarget::View;
  int32_t editMode = 0;
  int32_t billId = 0;
  std::string billNo;

  double date = 0;  // today

  std::vector<Pick> picks;
  std::vector<std::string> names;  // rows <billNo>...
  std::vector<int32_t> answers;    // 1 ok, 2 cancel, 6 yes, 7 no
  std::vector<StateCheck> states;
  std::optional<int32_t> buttons;
  std::optional<std::string> title;
  std::optional<std::string> band;
};

struct Scenario {
  std::string name;
  int line = 0;
  std::vector<std::string> comments;  // the "#" lines above the scenario line
  std::vector<Command> commands;
  // A line of the scenario that could not be read: the scenario fails there
  // without running.
  std::optional<ParseError> error;
};

// A scenario file: its scenarios, or an error outside any scenario.
struct ScenarioFile {
  std::string path;
  std::vector<Scenario> scenarios;
  std::optional<ParseError> error;
};

}  // namespace refhost::scenario
