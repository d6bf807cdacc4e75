#pragma once

#include <string>

#include "host/toolbar.h"

namespace refhost {

// The standard menu bar and toolbar of the host's list windows and of its
// base-data window of income/expense types, before any plug-in changes them.
// Every tool is in the control's tool set and, as its own copy, in each band
// that shows it.

// The list windows ("receipt-list", "sales-invoice-list"...). The two
// settlement lists also carry "viewBill".
qor::ToolbarControlPtr BuildListToolbar(const std::string& kind);

// The base-data window: the type tree and the read-only type list.
qor::ToolbarControlPtr BuildBaseDataToolbar();

// The tool a user can press under this key: some visible band holds a
// visible, enabled copy of it. Returns the tool-set copy when there is one
// (what the click event carries), else that band copy. ScenarioError when
// the key is unknown or every copy is hidden or disabled.
qor::ToolPtr ClickableTool(const qor::ToolbarControl& bar, const std::string& key);

}  // namespace refhost
