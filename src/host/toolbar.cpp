#include "host/toolbar.h"

#include <algorithm>

#include "core/vb.h"

namespace qor {

namespace {

constexpr int32_t kErrKeyExists = 35;
constexpr int32_t kErrElementNotFound = 35601;

[[noreturn]] void NoSuchTool(std::string_view key) {
  RaiseError(kErrSubscript, "Tools", "Subscript out of range: " + std::string(key));
}

}  // namespace

// ---- ToolCollection ----

ToolPtr ToolCollection::ItemAt(int32_t index) const {
  if (index < 0 || index >= Count()) RaiseError(kErrSubscript, "Tools");
  return m_Tools[static_cast<size_t>(index)];
}

int32_t ToolCollection::IndexOf(std::string_view key) const {
  for (size_t i = 0; i < m_Tools.size(); ++i) {
    if (EqualsNoCase(m_Tools[i]->m_Name, key)) return static_cast<int32_t>(i);
  }
  return -1;
}

ToolPtr ToolCollection::Find(std::string_view key) const {
  int32_t index = IndexOf(key);
  return index < 0 ? nullptr : m_Tools[static_cast<size_t>(index)];
}

ToolPtr ToolCollection::Item(std::string_view key) const {
  ToolPtr tool = Find(key);
  if (!tool) NoSuchTool(key);
  return tool;
}

ToolPtr ToolCollection::Add(int32_t id, std::string_view key) {
  if (IndexOf(key) >= 0) {
    RaiseError(kErrKeyExists, "Tools", "The key is already used: " + std::string(key));
  }
  auto tool = std::make_shared<Tool>(std::string(key), id);
  m_Tools.push_back(tool);
  return tool;
}

ToolPtr ToolCollection::Insert(int32_t position, const ToolPtr& tool) {
  if (!tool) RaiseError(kErrObjectRequired, "Tools", "Object required");
  ToolPtr copy = tool->Clone();
  int32_t existing = IndexOf(copy->m_Name);
  if (existing >= 0) m_Tools.erase(m_Tools.begin() + existing);
  int32_t size = Count();
  int32_t at = (position < 0 || position > size) ? size : position;
  m_Tools.insert(m_Tools.begin() + at, copy);
  return copy;
}

void ToolCollection::Remove(std::string_view key) {
  int32_t index = IndexOf(key);
  if (index < 0) NoSuchTool(key);
  m_Tools.erase(m_Tools.begin() + index);
}

// ---- ImageList ----

void ImageList::Add(std::string key, std::string picture) {
  for (auto& item : m_Items) {
    if (EqualsNoCase(item.first, key)) {
      item.second = std::move(picture);
      return;
    }
  }
  m_Items.emplace_back(std::move(key), std::move(picture));
}

bool ImageList::Has(std::string_view key) const {
  return std::any_of(m_Items.begin(), m_Items.end(),
                     [key](const auto& item) { return EqualsNoCase(item.first, key); });
}

std::string ImageList::Picture(std::string_view key) const {
  for (const auto& item : m_Items) {
    if (EqualsNoCase(item.first, key)) return item.second;
  }
  RaiseError(kErrElementNotFound, "ImageList", "Element not found");
}

// ---- ToolbarControl ----

namespace {

// Same type and same content (objects: the same object).
bool SameVariant(const Variant& a, const Variant& b) {
  if (a.Type() != b.Type()) return false;
  switch (a.Type()) {
    case VarType::Empty:
    case VarType::Null:
      return true;
    case VarType::Object:
      return a.ObjectValue() == b.ObjectValue();
    case VarType::String:
      return a.StringValue() == b.StringValue();
    case VarType::Boolean:
      return a.BoolValue() == b.BoolValue();
    case VarType::Long:
      return a.LongValue() == b.LongValue();
    default:
      return a.DoubleValue() == b.DoubleValue();
  }
}

// Copies onto a band's copy every property that differs between the
// tool-set tool and its last synced state. The band's place (its group
// start) is its own.
void CarryChanges(const Tool& from, const Tool& synced, Tool& copy) {
  if (from.m_Caption != synced.m_Caption) copy.m_Caption = from.m_Caption;
  if (from.m_Description != synced.m_Description) copy.m_Description = from.m_Description;
  if (from.m_ToolTipText != synced.m_ToolTipText) copy.m_ToolTipText = from.m_ToolTipText;
  if (from.m_Picture != synced.m_Picture) copy.m_Picture = from.m_Picture;
  if (from.m_MaskColor != synced.m_MaskColor) copy.m_MaskColor = from.m_MaskColor;
  if (from.m_Visible != synced.m_Visible) copy.m_Visible = from.m_Visible;
  if (from.m_Enabled != synced.m_Enabled) copy.m_Enabled = from.m_Enabled;
  if (from.m_Checked != synced.m_Checked) copy.m_Checked = from.m_Checked;
  if (from.m_Style != synced.m_Style) copy.m_Style = from.m_Style;
  if (!SameVariant(from.m_Value, synced.m_Value)) copy.m_Value = from.m_Value;
  if (!SameVariant(from.m_DefaultValue, synced.m_DefaultValue)) {
    copy.m_DefaultValue = from.m_DefaultValue;
  }
  if (!SameVariant(from.m_Tag, synced.m_Tag)) copy.m_Tag = from.m_Tag;
}

}  // namespace

void ToolbarControl::SyncToolSet() const {
  for (const ToolPtr& tool : m_Tools.All()) {
    std::string key = UCase(tool->m_Name);
    auto synced = m_SyncedToolSet.find(key);
    if (synced != m_SyncedToolSet.end()) {
      for (const auto& band : m_Bands) {
        if (ToolPtr copy = band->Tools().Find(key)) CarryChanges(*tool, synced->second, *copy);
      }
    }
    m_SyncedToolSet.insert_or_assign(key, *tool);
  }
}

BandPtr ToolbarControl::FindBand(std::string_view name) const {
  SyncToolSet();
  for (const auto& band : m_Bands) {
    if (EqualsNoCase(band->m_Name, name)) return band;
  }
  return nullptr;
}

BandPtr ToolbarControl::Bands(std::string_view name) const {
  BandPtr band = FindBand(name);
  if (!band) RaiseError(kErrSubscript, "Bands", "Subscript out of range: " + std::string(name));
  return band;
}

const std::vector<BandPtr>& ToolbarControl::AllBands() const {
  SyncToolSet();
  return m_Bands;
}

BandPtr ToolbarControl::AddBand(std::string name, std::string caption) {
  SyncToolSet();
  if (BandPtr existing = FindBand(name)) {
    if (!caption.empty()) existing->m_Caption = std::move(caption);
    return existing;
  }
  auto band = std::make_shared<Band>(std::move(name));
  band->m_Caption = std::move(caption);
  m_Bands.push_back(band);
  return band;
}

std::vector<ToolPtr> ToolbarControl::FindAll(std::string_view key) const {
  SyncToolSet();
  std::vector<ToolPtr> found;
  if (ToolPtr tool = m_Tools.Find(key)) found.push_back(tool);
  for (const auto& band : m_Bands) {
    if (ToolPtr tool = band->Tools().Find(key)) found.push_back(tool);
  }
  return found;
}

bool ToolbarControl::SetToolProperty(std::string_view key, std::string_view property,
                                     const Variant& value) {
  std::vector<ToolPtr> tools = FindAll(key);
  for (const auto& tool : tools) qor::SetToolProperty(*tool, property, value);
  return !tools.empty();
}

// ---- tool properties by name ----

void SetToolProperty(Tool& tool, std::string_view property, const Variant& value) {
  if (EqualsNoCase(property, "Caption")) {
    tool.m_Caption = StrOf(value);
  } else if (EqualsNoCase(property, "Description")) {
    tool.m_Description = StrOf(value);
  } else if (EqualsNoCase(property, "ToolTipText")) {
    tool.m_ToolTipText = StrOf(value);
  } else if (EqualsNoCase(property, "Picture")) {
    tool.m_Picture = StrOf(value);
  } else if (EqualsNoCase(property, "MaskColor")) {
    tool.m_MaskColor = CLng(value);
  } else if (EqualsNoCase(property, "Visible")) {
    tool.m_Visible = CBool(value);
  } else if (EqualsNoCase(property, "Enabled")) {
    tool.m_Enabled = CBool(value);
  } else if (EqualsNoCase(property, "Checked")) {
    tool.m_Checked = CBool(value);
  } else if (EqualsNoCase(property, "BeginGroup")) {
    tool.m_BeginGroup = CBool(value);
  } else if (EqualsNoCase(property, "Style")) {
    tool.m_Style = CLng(value);
  } else if (EqualsNoCase(property, "Value")) {
    tool.m_Value = value;
  } else if (EqualsNoCase(property, "DefaultValue")) {
    tool.m_DefaultValue = value;
  } else if (EqualsNoCase(property, "Tag")) {
    tool.m_Tag = value;
  } else {
    RaiseError(kErrNoSuchMember, "Tool",
               "Object doesn't support this property or method: " + std::string(property));
  }
}

Variant GetToolProperty(const Tool& tool, std::string_view property) {
  if (EqualsNoCase(property, "Name")) return tool.m_Name;
  if (EqualsNoCase(property, "Caption")) return tool.m_Caption;
  if (EqualsNoCase(property, "Description")) return tool.m_Description;
  if (EqualsNoCase(property, "ToolTipText")) return tool.m_ToolTipText;
  if (EqualsNoCase(property, "Picture")) return tool.m_Picture;
  if (EqualsNoCase(property, "MaskColor")) return tool.m_MaskColor;
  if (EqualsNoCase(property, "Visible")) return tool.m_Visible;
  if (EqualsNoCase(property, "Enabled")) return tool.m_Enabled;
  if (EqualsNoCase(property, "Checked")) return tool.m_Checked;
  if (EqualsNoCase(property, "BeginGroup")) return tool.m_BeginGroup;
  if (EqualsNoCase(property, "Style")) return tool.m_Style;
  if (EqualsNoCase(property, "Value")) return tool.m_Value;
  if (EqualsNoCase(property, "DefaultValue")) return tool.m_DefaultValue;
  if (EqualsNoCase(property, "Tag")) return tool.m_Tag;
  RaiseError(kErrNoSuchMember, "Tool",
             "Object doesn't support this property or method: " + std::string(property));
}

}  // namespace qor
