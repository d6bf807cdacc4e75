#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/variant.h"

namespace refhost {

// Rows and columns of one statement, and the number of rows it changed.
struct SqlResult {
  std::vector<std::string> columns;
  std::vector<std::vector<qor::Variant>> rows;
  int changes = 0;
};

// What running a T-SQL batch needs from a connection.
class SqlExecutor {
 public:
  virtual ~SqlExecutor() = default;
  // Runs one statement of SQLite's dialect with its "?" parameters; `original` is the
  // statement as the caller wrote it, for error messages.
  virtual SqlResult RunStatement(const std::string& sql, const std::vector<qor::Variant>& params,
                                 const std::string& original) = 0;
  // Reports a statement about to run (the host's SQL trace).
  virtual void TraceStatement(const std::string& statement) = 0;
  virtual void BeginTransaction() = 0;
  virtual void CommitTransaction() = 0;
  virtual void RollbackTransaction() = 0;
  virtual int64_t LastInsertRowId() const = 0;
};

}  // namespace refhost
