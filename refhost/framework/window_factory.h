#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "refhost/framework/window.h"

namespace refhost {

class Session;

// What the scenario runner calls to open windows. Each runs on the
// session's thread.

// receipt, payment, other-receivable, other-payable.
bool IsBillWindow(const std::string& kind);
// The lists, type-tree, type-list.
bool IsViewWindow(const std::string& kind);
// The internal id of the stored bill with this number; ScenarioError when
// there is none.
int32_t FindBillId(Session& session, const std::string& kind, const std::string& billNo);
// A bill editor (editMode 1 new, 2 change, 0 view; billId of a stored bill)
// or a view window (billId unused; for a list of bills editMode is the
// list's show mode: 0 normal, 3 picking a bill for another window).
std::unique_ptr<Window> OpenWindow(Session& session, const std::string& kind, int32_t editMode,
                                   int32_t billId);

}  // namespace refhost
