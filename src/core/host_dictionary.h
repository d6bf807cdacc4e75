#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/variant.h"

namespace qor {

// The framework's keyed dictionary: ordered, keys compared without regard to
// case. Reading a missing key with Item gives Empty (as the host's dictionary
// does); Lookup tells whether the key is there.
class HostDictionary : public Object {
 public:
  std::string TypeName() const override { return "Dictionary"; }

  int32_t Count() const { return static_cast<int32_t>(m_Items.size()); }
  // Key at 1-based position.
  const std::string& Key(int32_t position) const;
  // Value at 1-based position.
  const Variant& ItemAt(int32_t position) const;
  bool Lookup(std::string_view key) const;
  Variant Item(std::string_view key) const;
  // Writes the value, adding the key at the end when new.
  void SetItem(std::string_view key, Variant value);
  // Same as Item: the "GetValue" member of field descriptions.
  Variant GetValue(std::string_view key) const { return Item(key); }
  bool Remove(std::string_view key);
  void Clear() { m_Items.clear(); }

  const std::vector<std::pair<std::string, Variant>>& Items() const { return m_Items; }

 private:
  std::vector<std::pair<std::string, Variant>>::const_iterator Find(std::string_view key) const;
  std::vector<std::pair<std::string, Variant>> m_Items;
};

using HostDictionaryPtr = std::shared_ptr<HostDictionary>;

// The framework's 1-based list of variants.
class HostVector : public Object {
 public:
  std::string TypeName() const override { return "Vector"; }

  int32_t Count() const { return static_cast<int32_t>(m_Items.size()); }
  // Item at 1-based position; error 9 out of range.
  const Variant& Item(int32_t position) const;
  void SetItem(int32_t position, Variant value);
  void Add(Variant value) { m_Items.push_back(std::move(value)); }
  // Removes the item at 1-based position; error 9 out of range.
  void Remove(int32_t position);
  void Clear() { m_Items.clear(); }

 private:
  std::vector<Variant> m_Items;
};

using HostVectorPtr = std::shared_ptr<HostVector>;

}  // namespace qor
