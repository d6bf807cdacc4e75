#pragma once

#include <cstdint>
#include <string>

namespace refhost {

// The provider's generic error number for a failed SQL statement.
inline constexpr int32_t kSqlErrorNumber = -2147217900;
inline constexpr const char* kSqlErrorSource = "Database";

// Raises the provider's SQL error (qor::VbError): the database's message and the statement.
[[noreturn]] void RaiseSqlError(const std::string& message, const std::string& statement);

}  // namespace refhost
