#include "refhost/db/sql_error.h"

#include "core/vb_error.h"

namespace refhost {

void RaiseSqlError(const std::string& message, const std::string& /*statement*/) {
  // The statement stays out of the description, which message boxes show:
  // the trace has already shown it.
  throw qor::VbError(kSqlErrorNumber, kSqlErrorSource, message);
}

}  // namespace refhost
