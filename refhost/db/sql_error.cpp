#include "refhost/db/sql_error.h"

#include "core/vb_error.h"

namespace refhost {

void RaiseSqlError(const std::string& message, const std::string& statement) {
  std::string description = message;
  if (!statement.empty()) description += " | SQL: " + statement;
  throw qor::VbError(kSqlErrorNumber, kSqlErrorSource, description);
}

}  // namespace refhost
