#pragma once

#include <string>

#include "host/toolbar.h"

namespace refhost {

// The menu bar and toolbar of the bill editors before any plug-in changes
// them, one layout per window kind ("receipt", "payment", "other-receivable",
// "other-payable", "type-card"). Every tool is in the control's tool set
// and, as its own copy, in each band that shows it; a few tools are kept in
// the tool set only (hidden) for the plug-in to show.
qor::ToolbarControlPtr BuildEditorToolbar(const std::string& kind);

// Every bill shown (loaded or new) starts with the editor's own bill commands
// available; the plug-in then withdraws what the bill's state forbids (an
// audited bill's delete), so that a command withdrawn for one bill does not
// stay so for the next one, or for the same bill reloaded after an uncheck.
void EnableHostBillCommands(qor::ToolbarControl& bar);

// The tool a user can press under this key: a visible, enabled copy lies in
// a visible band or in a pop-up band (the source-selection menu), and the
// tool-set copy, when there is one, is enabled. Returns the tool-set copy
// when there is one (what the click event carries). ScenarioError when the
// key is unknown or the tool cannot be reached.
qor::ToolPtr ReachableEditorTool(const qor::ToolbarControl& bar, const std::string& key);

// True when the tool can be pressed (as ReachableEditorTool, without errors).
bool IsEditorToolAvailable(const qor::ToolbarControl& bar, const std::string& key);

}  // namespace refhost
