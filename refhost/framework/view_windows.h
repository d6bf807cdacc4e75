#pragma once

#include <memory>
#include <string>

#include "refhost/framework/window.h"
#include "refhost/session.h"

namespace refhost {

// Opens a list window: "receipt-list", "payment-list", "other-receivable-list",
// "other-payable-list", "sales-invoice-list", "purchase-invoice-list",
// "initial-list", in a show mode (0 normal, 3 picking a bill for another
// window). ScenarioError for another kind. Runs on the session's thread.
std::unique_ptr<Window> OpenListWindow(Session& session, const std::string& kind,
                                       int32_t showMode = 0);

// Opens the base-data window of income/expense types (kind "type-tree").
std::unique_ptr<Window> OpenTypeTreeWindow(Session& session);

// Opens the read-only list of income/expense types (kind "type-list").
std::unique_ptr<Window> OpenTypeListWindow(Session& session);

}  // namespace refhost
