#pragma once

#include <map>
#include <string>

#include "core/variant.h"
#include "refhost/db/sql_executor.h"
#include "refhost/db/tsql.h"

namespace refhost {

// What a batch gave back: the rows of the last statement that produced a result set (no
// columns when none did) and the rows all its statements changed.
struct BatchResult {
  SqlResult rows;
  int changes = 0;
};

// Runs a T-SQL batch as the product's connection does: statement by statement, keeping the
// variables it declares, assigning them from "SELECT @v = ..." and "SET @v = ...", and
// passing them to later statements as parameters. Variables live for one batch.
class TsqlBatch {
 public:
  explicit TsqlBatch(SqlExecutor& executor) : m_Executor(executor) {}

  BatchResult Run(const std::string& text);

 private:
  struct Variable {
    std::string type;
    qor::Variant value;
  };

  void RunOne(const tsql::Tokens& statement, BatchResult& result);
  void Declare(const tsql::Tokens& statement);
  void Assign(const std::string& name, const qor::Variant& value, const std::string& statement);
  void RunTransaction(const std::string& word, const tsql::Tokens& statement);
  // Runs a translated statement with the current values of its variables.
  SqlResult Execute(const tsql::Tokens& tokens, const std::string& original);
  // Value of an expression (SELECT expression), Null when it gives no row.
  qor::Variant Evaluate(const tsql::Tokens& expression, const std::string& original);
  qor::Variant ValueOf(const std::string& name, const std::string& statement) const;

  SqlExecutor& m_Executor;
  std::map<std::string, Variable> m_Variables;  // by upper-case name with "@"
  int m_RowCount = 0;                           // @@ROWCOUNT
};

// A value converted to a declared T-SQL type (int, varchar, datetime, decimal...), as an
// assignment to a variable of that type converts it; a text that is no number given to a
// number type is an error.
qor::Variant ConvertToSqlType(const qor::Variant& value, const std::string& type,
                              const std::string& statement);

}  // namespace refhost
