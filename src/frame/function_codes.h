#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Function codes under which a class registers its network function locks,
// by operation kind: 0 delete, 1 check, 2 uncheck, 3 and 4 unused, 5 open a
// stored record for change (also the kind released when the class goes
// away), 6 and 7.
namespace qorarap {

inline constexpr int32_t kFuncKindDelete = 0;
inline constexpr int32_t kFuncKindCheck = 1;
inline constexpr int32_t kFuncKindUncheck = 2;
inline constexpr int32_t kFuncKindModify = 5;

using FunctionCodes = std::array<std::string_view, 8>;

// The code of the kind; "" for a kind the class does not use.
inline std::string LookupFunctionCode(const FunctionCodes& codes, int32_t kind) {
  if (kind < 0 || kind >= static_cast<int32_t>(codes.size())) return "";
  return std::string(codes[static_cast<size_t>(kind)]);
}

}  // namespace qorarap
