#include "core/host_dictionary.h"

#include "core/vb.h"

namespace qor {

namespace {

void CheckPosition(int32_t position, size_t count) {
  if (position < 1 || static_cast<size_t>(position) > count) RaiseError(kErrSubscript);
}

}  // namespace

std::vector<std::pair<std::string, Variant>>::const_iterator HostDictionary::Find(
    std::string_view key) const {
  // Most keys differ in length: only those of the same length are compared.
  for (auto it = m_Items.begin(); it != m_Items.end(); ++it) {
    if (it->first.size() == key.size() && EqualsNoCase(it->first, key)) return it;
  }
  return m_Items.end();
}

const std::string& HostDictionary::Key(int32_t position) const {
  CheckPosition(position, m_Items.size());
  return m_Items[static_cast<size_t>(position) - 1].first;
}

const Variant& HostDictionary::ItemAt(int32_t position) const {
  CheckPosition(position, m_Items.size());
  return m_Items[static_cast<size_t>(position) - 1].second;
}

bool HostDictionary::Lookup(std::string_view key) const { return Find(key) != m_Items.end(); }

Variant HostDictionary::Item(std::string_view key) const {
  auto it = Find(key);
  return it == m_Items.end() ? Variant() : it->second;
}

// An existing key keeps its first spelling and its position.
void HostDictionary::SetItem(std::string_view key, Variant value) {
  auto found = Find(key);
  if (found == m_Items.end()) {
    m_Items.emplace_back(std::string(key), std::move(value));
    return;
  }
  m_Items[static_cast<size_t>(found - m_Items.begin())].second = std::move(value);
}

bool HostDictionary::Remove(std::string_view key) {
  auto found = Find(key);
  if (found == m_Items.end()) return false;
  m_Items.erase(found);
  return true;
}

const Variant& HostVector::Item(int32_t position) const {
  CheckPosition(position, m_Items.size());
  return m_Items[static_cast<size_t>(position) - 1];
}

void HostVector::SetItem(int32_t position, Variant value) {
  CheckPosition(position, m_Items.size());
  m_Items[static_cast<size_t>(position) - 1] = std::move(value);
}

void HostVector::Remove(int32_t position) {
  CheckPosition(position, m_Items.size());
  m_Items.erase(m_Items.begin() + (position - 1));
}

}  // namespace qor
