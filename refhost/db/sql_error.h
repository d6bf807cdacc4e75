#pragma once

#include <cstdint>
#include <string>

namespace refhost {

// The provider's generic error number for a failed SQL statement.
inline constexpr int32_t kSqlErrorNumber = -2147217900;
inline constexpr const char* kSqlErrorSource = "Database";

// Raises the provider's SQL error (qor::VbError) with the database's message as
// its description. The statement is not part of it (users see descriptions in
// message boxes; the trace shows every statement before it runs).
[[noreturn]] void RaiseSqlError(const std::string& message, const std::string& statement);

}  // namespace refhost
