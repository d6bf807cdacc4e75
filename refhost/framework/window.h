#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/variant.h"
#include "core/vb_error.h"
#include "host/toolbar.h"

namespace refhost {

// A line picked in the source-selection window: a document number (or
// "id=<billId>") and optionally the n-th line of it (0 = every line of it).
struct Pick {
  std::string document;
  int32_t line = 0;
  bool all = false;  // every line the window offers (`select <tool> all`)
};

// A window of the host as the user drives it. Every user action runs on the
// session's thread (the caller uses Session::Invoke). An action a window
// kind does not offer raises ScenarioError.
class Window {
 public:
  virtual ~Window() = default;

  // "receipt", "receipt-list", "type-tree", "type-card"...
  virtual std::string Kind() const = 0;

  // Acting. row 0 is the header; rows 1..n the rows of entry page 2.
  virtual void SetField(const std::string& field, int32_t row, const std::string& value);
  virtual void AddRow();
  virtual void DeleteRow(int32_t row);
  // Presses a menu or toolbar item; runs the host's own action when the
  // plug-in does not cancel. May open a new window (the type card) through
  // the session.
  virtual void Click(const std::string& tool);
  // Presses a tool of the tool set through its keyboard shortcut: it works
  // while the tool is hidden, as long as it exists and is enabled.
  virtual void Press(const std::string& tool);
  virtual void Select(const std::string& tool, const std::vector<Pick>& picks);
  virtual void SelectRows(const std::vector<std::string>& billNumbers);
  virtual void TreeGroup(int32_t id);
  virtual void TreeItem(int32_t id);
  virtual void Focus(const std::string& control);
  // Called by the session before the window is dropped: destroys the plug-in
  // object (its terminator runs) and releases what the window holds.
  virtual void Close() = 0;

  // Checking.
  virtual qor::Variant FieldValue(const std::string& field, int32_t row);
  virtual std::string FieldText(const std::string& field, int32_t row);
  // row: nullopt for a header field or a whole entry column.
  virtual bool IsLocked(const std::string& field, std::optional<int32_t> row);
  virtual int32_t RowCount();
  // The modify flag of a field (row 0 the header) or, for field "", of the
  // bill as a whole.
  virtual bool IsModified(const std::string& field, int32_t row);
  // Whether an entry column of page 2 is shown.
  virtual bool IsColumnVisible(const std::string& field);
  // The decimals a field shows (at the row) and accepts when typed.
  virtual int32_t ShownDecimals(const std::string& field, int32_t row);
  virtual int32_t EditDecimals(const std::string& field);
  // The field that has the focus and its row (0 the header); nullopt when
  // no field has had it yet.
  virtual std::optional<std::pair<std::string, int32_t>> ActiveCell();
  virtual std::string StatusText(int32_t panel);
  virtual qor::ToolbarControl& Toolbar() = 0;
  // Lines offered by the last selection window, as picks.
  virtual std::vector<Pick> LastOffered();

  // Outcome of the last actions.
  std::optional<bool> m_LastSetAccepted;
  std::optional<bool> m_LastClickCancelled;
  std::optional<bool> m_LastSaved;
  // The last run-time error a handler raised to the host (cleared at the
  // start of every user action).
  std::optional<qor::VbError> m_LastError;

 protected:
  [[noreturn]] void NotOffered(const std::string& action) const;
};

}  // namespace refhost
