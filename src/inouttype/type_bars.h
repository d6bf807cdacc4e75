#pragma once

#include <initializer_list>

#include "host/toolbar.h"

// The bars of the type windows.
namespace qorarap {

// Hides each tool wherever the bar shows it (tool set and bands). A key the
// bar does not know is error 35601, as the bar's tool collection raises it.
void HideTools(qor::ToolbarControl& bar, std::initializer_list<const char*> keys);

}  // namespace qorarap
