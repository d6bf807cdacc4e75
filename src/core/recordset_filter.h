#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/variant.h"

namespace qor {

// Error of a filter text that cannot be read.
inline constexpr int32_t kErrFilterArguments = 3001;

// A recordset filter read from its text: comparisons of a field with a
// number, a quoted text, a #date# or Null, joined by And / Or, with
// parentheses. Unreadable text or an unknown field is error 3001.
class RecordsetFilter {
 public:
  static RecordsetFilter Parse(std::string_view text, const std::vector<std::string>& columns);

  bool Matches(const std::vector<Variant>& row) const;

  struct Node;

 private:
  explicit RecordsetFilter(std::shared_ptr<const Node> root) : m_Root(std::move(root)) {}
  std::shared_ptr<const Node> m_Root;
};

}  // namespace qor
