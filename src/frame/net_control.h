#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/variant.h"

// Network function locks (module MNetControl): a lock marks that a user runs
// one function (a function code such as "AR0224") on one record, so that
// conflicting users of the product are refused.
namespace qorarap {

inline constexpr int32_t kErrFunctionConflict = 16390;

// Takes the lock of the function for the record (key) and returns its
// handle. A conflict with another user raises error 16390.
int32_t ExecFunc(int32_t funcType, const std::string& funcCode, int16_t a, int16_t b,
                 const std::optional<qor::Variant>& key = std::nullopt);

// Releases a lock handle; on success the handle becomes 0. A handle of 0, or
// any error while releasing, gives false.
bool ReleaseFunc(int32_t& handle);

// Gives a function lock back however the operation that took it ends.
class HeldFunctionLock {
 public:
  explicit HeldFunctionLock(int32_t handle) : m_Handle(handle) {}
  ~HeldFunctionLock() { ReleaseFunc(m_Handle); }
  HeldFunctionLock(const HeldFunctionLock&) = delete;
  HeldFunctionLock& operator=(const HeldFunctionLock&) = delete;

 private:
  int32_t m_Handle;
};

}  // namespace qorarap
