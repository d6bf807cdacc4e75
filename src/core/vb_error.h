#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace qor {

// A run-time error as the product reports it: number, source and description.
// A handler that traps an error and raises it again rethrows the same object.
class VbError : public std::runtime_error {
 public:
  VbError(int32_t number, std::string source, std::string description);

  int32_t Number() const { return m_Number; }
  const std::string& Source() const { return m_Source; }
  const std::string& Description() const { return m_Description; }

 private:
  int32_t m_Number;
  std::string m_Source;
  std::string m_Description;
};

// Well-known error numbers of the platform.
inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrSubscript = 9;
inline constexpr int32_t kErrTypeMismatch = 13;
inline constexpr int32_t kErrInvalidCall = 5;
inline constexpr int32_t kErrObjectRequired = 424;
inline constexpr int32_t kErrCannotCreate = 429;
inline constexpr int32_t kErrNoSuchMember = 438;

[[noreturn]] void RaiseError(int32_t number, const std::string& source,
                             const std::string& description);
// Error with the platform's standard description for the number.
[[noreturn]] void RaiseError(int32_t number, const std::string& source = "");

}  // namespace qor
