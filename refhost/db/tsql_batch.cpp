#include "refhost/db/tsql_batch.h"

#include <cmath>
#include <limits>
#include <set>

#include "core/vb.h"
#include "refhost/db/sql_error.h"

namespace refhost {

namespace {

using tsql::Token;
using tsql::TokenKind;
using tsql::Tokens;

bool IsIntegerType(const std::string& type) {
  static const std::set<std::string> kTypes = {"int", "integer", "bigint", "smallint", "tinyint"};
  return kTypes.count(type) > 0;
}

bool IsRealType(const std::string& type) {
  static const std::set<std::string> kTypes = {"float",   "real",  "decimal",
                                               "numeric", "money", "smallmoney"};
  return kTypes.count(type) > 0;
}

bool IsTextType(const std::string& type) {
  static const std::set<std::string> kTypes = {"varchar", "nvarchar", "char",   "nchar",
                                               "text",    "ntext",    "sysname"};
  return kTypes.count(type) > 0;
}

bool IsDateType(const std::string& type) {
  static const std::set<std::string> kTypes = {"datetime", "date", "smalldatetime", "datetime2"};
  return kTypes.count(type) > 0;
}

qor::Variant WholeNumber(double value) {
  double whole = std::trunc(value);
  if (whole >= std::numeric_limits<int32_t>::min() &&
      whole <= std::numeric_limits<int32_t>::max()) {
    return qor::Variant(static_cast<int32_t>(whole));
  }
  return qor::Variant(whole);
}

[[noreturn]] void RaiseConversion(const qor::Variant& value, const std::string& type,
                                  const std::string& statement) {
  RaiseSqlError("Conversion failed when converting the value '" + qor::StrOf(value) +
                    "' to data type " + type + ".",
                statement);
}

// The number a value stands for; false when it is not one.
bool NumberOf(const qor::Variant& value, double& number) {
  if (value.IsDate()) {
    number = value.DoubleValue();
    return true;
  }
  if (value.IsNumber()) {
    number = qor::CDbl(value);
    return true;
  }
  if (value.IsString() && qor::IsNumericText(qor::Trim(value.StringValue()))) {
    number = qor::Val(value.StringValue());
    return true;
  }
  return false;
}

Tokens SelectOf(const Tokens& expression) {
  Tokens tokens = {{TokenKind::kIdent, "SELECT"}, {TokenKind::kSpace, " "}};
  tokens.insert(tokens.end(), expression.begin(), expression.end());
  return tokens;
}

std::string FirstKeyword(const Tokens& statement) {
  size_t first = tsql::NextSignificant(statement, 0);
  return first < statement.size() ? statement[first].Keyword() : "";
}

// Statements of T-SQL that the host's connection does not run.
bool IsUnsupported(const std::string& word) {
  static const std::set<std::string> kWords = {
      "IF",    "WHILE", "EXEC",       "EXECUTE",   "PRINT",     "GO",       "RETURN", "GOTO",
      "MERGE", "USE",   "TRUNCATE",   "RAISERROR", "SAVEPOINT", "RELEASE",  "END",    "FETCH",
      "OPEN",  "CLOSE", "DEALLOCATE", "WAITFOR",   "BREAK",     "CONTINUE", "THROW",  "TRY"};
  return kWords.count(word) > 0;
}

}  // namespace

qor::Variant ConvertToSqlType(const qor::Variant& value, const std::string& type,
                              const std::string& statement) {
  if (value.IsNull() || value.IsEmpty()) return qor::Variant::Null();
  double number = 0;
  if (IsIntegerType(type) || type == "bit") {
    if (!NumberOf(value, number)) RaiseConversion(value, type, statement);
    if (type == "bit") return qor::Variant(static_cast<int32_t>(number != 0 ? 1 : 0));
    return WholeNumber(number);
  }
  if (IsRealType(type)) {
    if (!NumberOf(value, number)) RaiseConversion(value, type, statement);
    return qor::Variant(number);
  }
  if (IsTextType(type)) {
    if (value.IsDate()) {
      double d = value.DoubleValue();
      return qor::Variant(d == std::floor(d) ? qor::FormatDate(d) : qor::FormatDateTime(d));
    }
    return qor::Variant(qor::StrOf(value));
  }
  if (IsDateType(type)) {
    if (value.IsDate()) return value;
    if (value.IsNumber()) return qor::Variant::Date(qor::CDbl(value));
    double d = 0;
    if (value.IsString() && qor::ParseDate(value.StringValue(), d)) return qor::Variant::Date(d);
    RaiseConversion(value, type, statement);
  }
  return value;
}

BatchResult TsqlBatch::Run(const std::string& text) {
  BatchResult result;
  for (const Tokens& statement : tsql::SplitBatch(tsql::Tokenize(text))) {
    RunOne(statement, result);
  }
  return result;
}

void TsqlBatch::RunOne(const Tokens& statement, BatchResult& result) {
  const std::string original = tsql::RenderTrimmed(statement);
  const std::string word = FirstKeyword(statement);
  m_Executor.TraceStatement(original);
  if (word == "DECLARE") return Declare(statement);
  if (word == "SET") {
    tsql::Assignment assignment;
    if (tsql::ParseSetVariable(statement, assignment)) {
      Assign(assignment.name, Evaluate(assignment.expression, original), original);
    }
    return;  // SET NOCOUNT ON and the other options change nothing here
  }
  if (word == "BEGIN" || word == "COMMIT" || word == "ROLLBACK") {
    return RunTransaction(word, statement);
  }
  if (IsUnsupported(word)) tsql::RaiseUnsupported(word + " statements", original);
  std::vector<tsql::Assignment> assignments;
  Tokens select;
  if (word == "SELECT" && tsql::SplitSelectAssignments(statement, assignments, select)) {
    SqlResult rows = Execute(select, original);
    m_RowCount = static_cast<int>(rows.rows.size());
    if (rows.rows.empty()) return;  // no row: the variables keep their values
    const std::vector<qor::Variant>& last = rows.rows.back();
    for (size_t i = 0; i < assignments.size() && i < last.size(); ++i) {
      Assign(assignments[i].name, last[i], original);
    }
    return;
  }
  SqlResult rows = Execute(statement, original);
  result.changes += rows.changes;
  m_RowCount = rows.columns.empty() ? rows.changes : static_cast<int>(rows.rows.size());
  if (!rows.columns.empty()) result.rows = std::move(rows);
}

void TsqlBatch::Declare(const Tokens& statement) {
  const std::string original = tsql::RenderTrimmed(statement);
  for (const tsql::Declaration& d : tsql::ParseDeclare(statement)) {
    m_Variables[d.name] = Variable{d.type, qor::Variant::Null()};
    if (!d.initial.empty()) Assign(d.name, Evaluate(d.initial, original), original);
  }
}

void TsqlBatch::Assign(const std::string& name, const qor::Variant& value,
                       const std::string& statement) {
  auto found = m_Variables.find(name);
  if (found == m_Variables.end()) {
    RaiseSqlError("Must declare the scalar variable \"" + name + "\".", statement);
  }
  found->second.value = ConvertToSqlType(value, found->second.type, statement);
}

void TsqlBatch::RunTransaction(const std::string& word, const Tokens& statement) {
  size_t next = tsql::NextSignificant(statement, tsql::NextSignificant(statement, 0) + 1);
  const std::string second = next < statement.size() ? statement[next].Keyword() : "";
  const bool plain =
      second.empty() || second == "TRAN" || second == "TRANSACTION" || second == "WORK" ||
      (word == "BEGIN" && (second == "DEFERRED" || second == "IMMEDIATE" || second == "EXCLUSIVE"));
  if (!plain) tsql::RaiseUnsupported(word + " blocks and savepoints", tsql::Render(statement));
  if (word == "BEGIN") return m_Executor.BeginTransaction();
  if (word == "COMMIT") return m_Executor.CommitTransaction();
  m_Executor.RollbackTransaction();
}

SqlResult TsqlBatch::Execute(const Tokens& tokens, const std::string& original) {
  tsql::Translation translation = tsql::Translate(tokens);
  std::vector<qor::Variant> params;
  params.reserve(translation.variables.size());
  for (const std::string& name : translation.variables) params.push_back(ValueOf(name, original));
  return m_Executor.RunStatement(translation.sql, params, original);
}

qor::Variant TsqlBatch::Evaluate(const Tokens& expression, const std::string& original) {
  SqlResult rows = Execute(SelectOf(expression), original);
  if (rows.rows.empty() || rows.rows.front().empty()) return qor::Variant::Null();
  return rows.rows.front().front();
}

qor::Variant TsqlBatch::ValueOf(const std::string& name, const std::string& statement) const {
  if (name == "@@ROWCOUNT") return qor::Variant(static_cast<int32_t>(m_RowCount));
  if (name == "@@IDENTITY") {
    return WholeNumber(static_cast<double>(m_Executor.LastInsertRowId()));
  }
  auto found = m_Variables.find(name);
  if (found == m_Variables.end()) {
    RaiseSqlError("Must declare the scalar variable \"" + name + "\".", statement);
  }
  return found->second.value;
}

}  // namespace refhost
