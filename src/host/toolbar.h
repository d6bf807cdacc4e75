#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/variant.h"

namespace qor {

// One tool of a toolbar control: a menu item or a toolbar button, keyed by
// its name. A band holds its own copy of each tool inserted into it.
class Tool : public Object {
 public:
  explicit Tool(std::string name = "", int32_t id = 0) : m_Name(std::move(name)), m_Id(id) {}
  std::string TypeName() const override { return "Tool"; }

  std::shared_ptr<Tool> Clone() const { return std::make_shared<Tool>(*this); }

  std::string m_Name;  // the key
  int32_t m_Id = 0;
  std::string m_Caption;
  std::string m_Description;  // status-bar text
  std::string m_ToolTipText;
  std::string m_Picture;  // picture key of the image list, "" for none
  int32_t m_MaskColor = 0;
  bool m_Visible = true;
  bool m_Enabled = true;
  bool m_Checked = false;  // ticked
  bool m_BeginGroup = false;
  int32_t m_Style = 0;
  Variant m_Value;         // numeric value a command may carry
  Variant m_DefaultValue;  // text default value
  Variant m_Tag;
};

using ToolPtr = std::shared_ptr<Tool>;

// A keyed, 0-based collection of tools.
class ToolCollection : public Object {
 public:
  std::string TypeName() const override { return "Tools"; }

  int32_t Count() const { return static_cast<int32_t>(m_Tools.size()); }
  // Tool at 0-based index; error 9 out of range.
  ToolPtr ItemAt(int32_t index) const;
  // Tool by key (without regard to case); error 9 when absent.
  ToolPtr Item(std::string_view key) const;
  ToolPtr Find(std::string_view key) const;  // nullptr when absent
  // Index of the key, -1 when absent.
  int32_t IndexOf(std::string_view key) const;
  // Adds a new tool with this key at the end (error 35 when the key exists).
  ToolPtr Add(int32_t id, std::string_view key);
  // Inserts a copy of the tool at 0-based position (clamped to the end; -1
  // means the end). A tool of the same key already here is replaced.
  ToolPtr Insert(int32_t position, const ToolPtr& tool);
  void Remove(std::string_view key);
  const std::vector<ToolPtr>& All() const { return m_Tools; }

 private:
  std::vector<ToolPtr> m_Tools;
};

// A menu or the toolbar: "mnuEdit", "mnuData", "BandToolBar"...
class Band : public Object {
 public:
  explicit Band(std::string name) : m_Name(std::move(name)) {}
  std::string TypeName() const override { return "Band"; }

  std::string m_Name;
  std::string m_Caption;
  bool m_Visible = true;
  ToolCollection& Tools() { return m_Tools; }
  const ToolCollection& Tools() const { return m_Tools; }

 private:
  ToolCollection m_Tools;
};

using BandPtr = std::shared_ptr<Band>;

// A picture store keyed by name (the tool pictures).
class ImageList : public Object {
 public:
  std::string TypeName() const override { return "ImageList"; }
  void Add(std::string key, std::string picture);
  bool Has(std::string_view key) const;
  // The picture of a key; error 35601 "Element not found" when absent.
  std::string Picture(std::string_view key) const;
  int32_t Count() const { return static_cast<int32_t>(m_Items.size()); }

 private:
  std::vector<std::pair<std::string, std::string>> m_Items;
};

// The menu bar and toolbar of a window: a tool set plus bands of tools.
// A change made to a tool of the tool set reaches every copy of that tool in
// the bands (the next time a band or a tool's copies are looked up); a
// change made to one band's copy stays in that band.
class ToolbarControl : public Object {
 public:
  std::string TypeName() const override { return "ActiveBar"; }

  // The control's tool set (every tool known to the control).
  ToolCollection& Tools() { return m_Tools; }
  const ToolCollection& Tools() const { return m_Tools; }
  // Band by name (without regard to case); error 9 when absent.
  BandPtr Bands(std::string_view name) const;
  BandPtr FindBand(std::string_view name) const;
  BandPtr AddBand(std::string name, std::string caption = "");
  const std::vector<BandPtr>& AllBands() const;

  // Sets a property ("Enabled", "Visible", "Checked", "Caption"...) on the
  // tool wherever its key appears: the tool set and every band. Returns
  // false when the key appears nowhere.
  bool SetToolProperty(std::string_view key, std::string_view property, const Variant& value);
  // Every tool carrying the key: the tool set's first, then the bands'.
  std::vector<ToolPtr> FindAll(std::string_view key) const;
  // Carries the changes made to tool-set tools since the last call to their
  // copies in the bands. The host calls it once the control is built, so
  // that what a plug-in changes afterwards is a change.
  void SyncToolSet() const;
  // Redraw request counter (RecalcLayout / RefreshToolbar).
  void RecalcLayout() { ++m_LayoutCount; }
  int32_t LayoutCount() const { return m_LayoutCount; }

 private:
  ToolCollection m_Tools;
  std::vector<BandPtr> m_Bands;
  int32_t m_LayoutCount = 0;
  // The state of each tool-set tool as last carried to the bands, by
  // upper-case key.
  mutable std::map<std::string, Tool> m_SyncedToolSet;
};

using ToolbarControlPtr = std::shared_ptr<ToolbarControl>;

// Sets a named property on one tool; error 438 for an unknown property.
void SetToolProperty(Tool& tool, std::string_view property, const Variant& value);
Variant GetToolProperty(const Tool& tool, std::string_view property);

}  // namespace qor
