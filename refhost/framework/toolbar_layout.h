#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/toolbar.h"

namespace refhost {

// A band entry starting with this mark starts a group (a separator before it).
inline constexpr char kGroupMark = '|';

// One command of a window's tool set; the caption is also its tooltip.
struct ToolDef {
  const char* key;
  const char* caption;
  const char* description;
  const char* picture;
};

// A menu or toolbar band and the tools it shows, in order.
struct BandDef {
  const char* name;
  const char* caption;
  std::vector<const char*> keys;
  bool popup = false;  // shown from its menu item, whatever the band's own visible flag
};

// The tool-set copy of the tool a band entry names.
using MasterToolOf = std::function<qor::ToolPtr(std::string_view key)>;

// Adds the tool to the control's tool set, numbered on from firstId.
qor::ToolPtr AddTool(qor::ToolbarControl& bar, const ToolDef& def, int32_t firstId);

// Adds the band with its own copy of each tool it names, marking group starts.
void AddBand(qor::ToolbarControl& bar, const BandDef& def, const MasterToolOf& masterOf);

// A control with every tool of the table in its tool set, then the bands.
qor::ToolbarControlPtr BuildToolbar(const std::vector<ToolDef>& tools,
                                    const std::vector<BandDef>& bands, int32_t firstId);

// A tool pressed through its keyboard shortcut: it must exist and be
// enabled (the tool-set copy when there is one), visible or not. Returns the
// tool-set copy when there is one; ScenarioError otherwise.
qor::ToolPtr ShortcutTool(const qor::ToolbarControl& bar, const std::string& key);

}  // namespace refhost
