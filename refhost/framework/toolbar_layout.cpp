#include "refhost/framework/toolbar_layout.h"

#include <algorithm>
#include <memory>
#include <string>

#include "refhost/host_run.h"

namespace refhost {

qor::ToolPtr AddTool(qor::ToolbarControl& bar, const ToolDef& def, int32_t firstId) {
  qor::ToolPtr tool = bar.Tools().Add(firstId + bar.Tools().Count(), def.key);
  tool->m_Caption = def.caption;
  tool->m_Description = def.description;
  tool->m_ToolTipText = def.caption;
  tool->m_Picture = def.picture;
  return tool;
}

void AddBand(qor::ToolbarControl& bar, const BandDef& def, const MasterToolOf& masterOf) {
  qor::BandPtr band = bar.AddBand(def.name, def.caption);
  for (const char* entry : def.keys) {
    bool groupStart = entry[0] == kGroupMark;
    const char* key = groupStart ? entry + 1 : entry;
    qor::ToolPtr copy = band->Tools().Insert(-1, masterOf(key));
    copy->m_BeginGroup = groupStart;
  }
}

qor::ToolbarControlPtr BuildToolbar(const std::vector<ToolDef>& tools,
                                    const std::vector<BandDef>& bands, int32_t firstId) {
  auto bar = std::make_shared<qor::ToolbarControl>();
  for (const ToolDef& def : tools) AddTool(*bar, def, firstId);
  auto inToolSet = [&bar](std::string_view key) { return bar->Tools().Item(key); };
  for (const BandDef& def : bands) AddBand(*bar, def, inToolSet);
  bar->SyncToolSet();
  return bar;
}

qor::ToolPtr ShortcutTool(const qor::ToolbarControl& bar, const std::string& key) {
  std::vector<qor::ToolPtr> copies = bar.FindAll(key);
  if (copies.empty()) throw ScenarioError("unknown tool " + key);
  // The tool set's copy decides; a tool only in bands is enabled when one
  // of its copies is.
  qor::ToolPtr master = bar.Tools().Find(key);
  bool enabled = master ? master->m_Enabled
                        : std::any_of(copies.begin(), copies.end(),
                                      [](const qor::ToolPtr& copy) { return copy->m_Enabled; });
  if (!enabled) throw ScenarioError("tool " + key + " is disabled");
  return master ? master : copies.front();
}

}  // namespace refhost
