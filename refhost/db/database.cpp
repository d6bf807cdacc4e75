#include "refhost/db/database.h"

#include <sqlite3.h>

#include <cmath>
#include <ctime>
#include <limits>

#include "core/vb.h"
#include "refhost/db/sql_error.h"
#include "refhost/db/tsql.h"
#include "refhost/db/tsql_batch.h"
#include "refhost/db/tsql_functions.h"

namespace refhost {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr size_t kCachedStatements = 256;

double LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
  return qor::DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + seconds / 86400.0;
}

std::string DateText(double oleDate) {
  return oleDate == std::floor(oleDate) ? qor::FormatDate(oleDate) : qor::FormatDateTime(oleDate);
}

// Columns declared DATE or DATETIME hold dates as text.
bool IsDateColumn(const char* declaredType) {
  return declaredType && qor::FindNoCase(declaredType, "DATE") != std::string::npos;
}

qor::Variant ColumnValue(sqlite3_stmt* statement, int column, bool dateColumn) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: {
      sqlite3_int64 value = sqlite3_column_int64(statement, column);
      if (value >= std::numeric_limits<int32_t>::min() &&
          value <= std::numeric_limits<int32_t>::max()) {
        return qor::Variant(static_cast<int32_t>(value));
      }
      return qor::Variant(static_cast<double>(value));
    }
    case SQLITE_FLOAT:
      return qor::Variant(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
      return qor::Variant::Null();
    default: {
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
      std::string text(bytes ? bytes : "",
                       static_cast<size_t>(sqlite3_column_bytes(statement, column)));
      double oleDate = 0;
      if (dateColumn && qor::ParseDate(text, oleDate)) return qor::Variant::Date(oleDate);
      return qor::Variant(std::move(text));
    }
  }
}

std::string EscapedForTrace(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\'') {
      out += "''";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out;
}

// Texts are built with append: g++ 12 at -O3 warns falsely (-Wrestrict) on "x" + string&&.
std::string ParamText(const qor::Variant& value) {
  switch (value.Type()) {
    case qor::VarType::Empty:
    case qor::VarType::Null:
      return "Null";
    case qor::VarType::String:
      // As a T-SQL literal: a quote doubled, line breaks written out, so that
      // one parameter stays one readable token of the trace line.
      return std::string("'").append(EscapedForTrace(value.StringValue())).append("'");
    case qor::VarType::Date:
      return std::string("'").append(DateText(value.DoubleValue())).append("'");
    case qor::VarType::Object:
      return "<object>";
    default:
      return qor::CStr(value);
  }
}

// The text after a prepared statement must hold nothing but blanks, comments and ";".
bool OnlyOneStatement(const char* tail) {
  if (!tail) return true;
  for (const tsql::Token& t : tsql::Tokenize(tail)) {
    if (t.Significant() && t.kind != tsql::TokenKind::kSemicolon) return false;
  }
  return true;
}

// Resets a statement taken from the cache when its use ends.
class StatementUse {
 public:
  explicit StatementUse(sqlite3_stmt* statement) : m_Statement(statement) {}
  ~StatementUse() {
    sqlite3_reset(m_Statement);
    sqlite3_clear_bindings(m_Statement);
  }
  StatementUse(const StatementUse&) = delete;
  StatementUse& operator=(const StatementUse&) = delete;

 private:
  sqlite3_stmt* m_Statement;
};

qor::RecordsetPtr ToRecordset(SqlResult result) {
  return std::make_shared<qor::Recordset>(std::move(result.columns), std::move(result.rows));
}

}  // namespace

Database::Database(sqlite3* db, std::string path)
    : m_Db(db), m_Path(std::move(path)), m_Now(LocalNow) {
  sqlite3_busy_timeout(m_Db, kBusyTimeoutMs);
  sqlite3_exec(m_Db, "PRAGMA foreign_keys=OFF; PRAGMA synchronous=NORMAL;", nullptr, nullptr,
               nullptr);
  RegisterTsqlFunctions(m_Db, &m_Now);
}

Database::~Database() {
  for (auto& [text, cached] : m_Statements) sqlite3_finalize(cached.statement);
  sqlite3_close_v2(m_Db);  // an open transaction is rolled back
}

std::shared_ptr<Database> Database::Open(const std::string& path) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    RaiseSqlError("Cannot open the database file " + path + ": " + message, "");
  }
  return std::shared_ptr<Database>(new Database(db, path));
}

void Database::SetClock(std::function<double()> now) {
  m_Now = now ? std::move(now) : std::function<double()>(LocalNow);
}

qor::RecordsetPtr Database::Query(const std::string& sql) {
  return ToRecordset(TsqlBatch(*this).Run(sql).rows);
}

int Database::Execute(const std::string& sql) { return TsqlBatch(*this).Run(sql).changes; }

qor::RecordsetPtr Database::QueryReadOnly(const std::string& sql) {
  sqlite3_exec(m_Db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
  struct Writable {
    sqlite3* db;
    ~Writable() { sqlite3_exec(db, "PRAGMA query_only = 0", nullptr, nullptr, nullptr); }
  } writable{m_Db};
  return Query(sql);
}

qor::RecordsetPtr Database::QueryParams(const std::string& sql,
                                        const std::vector<qor::Variant>& params) {
  return ToRecordset(RunParams(sql, params));
}

int Database::ExecuteParams(const std::string& sql, const std::vector<qor::Variant>& params) {
  return RunParams(sql, params).changes;
}

qor::Variant Database::QueryValue(const std::string& sql, const std::vector<qor::Variant>& params) {
  SqlResult result = RunParams(sql, params);
  if (result.rows.empty() || result.rows.front().empty()) return qor::Variant();
  return result.rows.front().front();
}

SqlResult Database::RunParams(const std::string& sql, const std::vector<qor::Variant>& params) {
  if (m_Trace) {
    std::string line = sql;
    for (size_t i = 0; i < params.size(); ++i) {
      line += (i == 0 ? "  -- " : ", ") + ParamText(params[i]);
    }
    m_Trace(line);
  }
  auto known = m_Translations.find(sql);
  if (known != m_Translations.end()) {
    const std::string translated = known->second;  // a copy: the cache may change meanwhile
    return RunStatement(translated, params, sql);
  }
  tsql::Translation translation = tsql::Translate(tsql::Tokenize(sql));
  if (!translation.variables.empty()) {
    RaiseSqlError("Variables are not allowed in a statement with parameters.", sql);
  }
  // A statement is translated once; the row loops repeat the same few texts.
  if (m_Translations.size() >= kCachedStatements) m_Translations.clear();
  m_Translations.emplace(sql, translation.sql);
  return RunStatement(translation.sql, params, sql);
}

SqlResult Database::RunStatement(const std::string& sql, const std::vector<qor::Variant>& params,
                                 const std::string& original) {
  SqlResult result;
  CountStatement(original);
  sqlite3_stmt* statement = Prepare(sql, original);
  if (!statement) return result;  // nothing but blanks and comments
  StatementUse use(statement);
  Bind(statement, params, original);
  const int columns = sqlite3_column_count(statement);
  std::vector<bool> dateColumns(static_cast<size_t>(columns));
  for (int c = 0; c < columns; ++c) {
    result.columns.emplace_back(sqlite3_column_name(statement, c));
    dateColumns[static_cast<size_t>(c)] = IsDateColumn(sqlite3_column_decltype(statement, c));
  }
  const sqlite3_int64 changesBefore = sqlite3_total_changes64(m_Db);
  for (;;) {
    int rc = sqlite3_step(statement);
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) RaiseFromDb(original);
    std::vector<qor::Variant> row;
    row.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
      row.push_back(ColumnValue(statement, c, dateColumns[static_cast<size_t>(c)]));
    }
    result.rows.push_back(std::move(row));
  }
  if (columns == 0) {
    result.changes = static_cast<int>(sqlite3_total_changes64(m_Db) - changesBefore);
  }
  return result;
}

void Database::TraceStatement(const std::string& statement) {
  if (m_Trace) m_Trace(statement);
}

sqlite3_stmt* Database::Prepare(const std::string& sql, const std::string& original) {
  auto found = m_Statements.find(sql);
  if (found != m_Statements.end()) {
    m_Uses.splice(m_Uses.begin(), m_Uses, found->second.use);
    return found->second.statement;
  }
  sqlite3_stmt* statement = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v3(m_Db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement, &tail) != SQLITE_OK) {
    RaiseFromDb(original);
  }
  if (!OnlyOneStatement(tail)) {
    sqlite3_finalize(statement);
    RaiseSqlError("Only one statement may be run with parameters.", original);
  }
  if (!statement) return nullptr;
  if (m_Statements.size() >= kCachedStatements) {
    auto oldest = m_Statements.find(m_Uses.back());
    sqlite3_finalize(oldest->second.statement);
    m_Statements.erase(oldest);
    m_Uses.pop_back();
  }
  m_Uses.push_front(sql);
  m_Statements.emplace(sql, CachedStatement{statement, m_Uses.begin()});
  return statement;
}

void Database::Bind(sqlite3_stmt* statement, const std::vector<qor::Variant>& params,
                    const std::string& original) {
  if (sqlite3_bind_parameter_count(statement) != static_cast<int>(params.size())) {
    RaiseSqlError("The statement has " + std::to_string(sqlite3_bind_parameter_count(statement)) +
                      " parameters but " + std::to_string(params.size()) + " values were given.",
                  original);
  }
  for (size_t i = 0; i < params.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    const qor::Variant& value = params[i];
    switch (value.Type()) {
      case qor::VarType::Empty:
      case qor::VarType::Null:
        sqlite3_bind_null(statement, index);
        break;
      case qor::VarType::Boolean:
        sqlite3_bind_int(statement, index, value.BoolValue() ? 1 : 0);
        break;
      case qor::VarType::Long:
        sqlite3_bind_int(statement, index, value.LongValue());
        break;
      case qor::VarType::Double:
        sqlite3_bind_double(statement, index, value.DoubleValue());
        break;
      case qor::VarType::String:
        sqlite3_bind_text(statement, index, value.StringValue().data(),
                          static_cast<int>(value.StringValue().size()), SQLITE_TRANSIENT);
        break;
      case qor::VarType::Date: {
        const std::string text = DateText(value.DoubleValue());
        sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        break;
      }
      case qor::VarType::Object:
        RaiseSqlError("An object cannot be a parameter of a statement.", original);
    }
  }
}

void Database::Begin() {
  RunPlain(m_Depth == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT qor_level" + std::to_string(m_Depth));
  ++m_Depth;
}

void Database::Commit() {
  if (m_Depth == 0) RaiseSqlError("COMMIT without a transaction.", "COMMIT");
  --m_Depth;
  if (m_Depth > 0) return RunPlain("RELEASE qor_level" + std::to_string(m_Depth));
  try {
    RunPlain("COMMIT");
  } catch (...) {
    sqlite3_exec(m_Db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void Database::Rollback() {
  if (m_Depth == 0) RaiseSqlError("ROLLBACK without a transaction.", "ROLLBACK");
  --m_Depth;
  if (m_Depth == 0) return RunPlain("ROLLBACK", false);
  const std::string level = "qor_level" + std::to_string(m_Depth);
  RunPlain("ROLLBACK TO " + level, false);
  RunPlain("RELEASE " + level, false);
}

void Database::RunPlain(const std::string& sql, bool mayFail) {
  TraceStatement(sql);
  if (mayFail) CountStatement(sql);
  if (sqlite3_exec(m_Db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) RaiseFromDb(sql);
}

int64_t Database::LastInsertId() const { return sqlite3_last_insert_rowid(m_Db); }

void Database::FailStatementAt(int failAt) {
  m_FailAt = failAt;
  m_StatementsRun = 0;
}

void Database::CountStatement(const std::string& statement) {
  ++m_StatementsRun;
  if (m_FailAt > 0 && m_StatementsRun == m_FailAt) {
    RaiseSqlError("Injected failure of statement " + std::to_string(m_FailAt) + ".", statement);
  }
}

void Database::RaiseFromDb(const std::string& statement) const {
  RaiseSqlError(sqlite3_errmsg(m_Db), statement);
}

Transaction::Transaction(Database& db) : m_Db(db) { m_Db.Begin(); }

Transaction::~Transaction() {
  if (!m_Open) return;
  try {
    m_Db.Rollback();
  } catch (...) {  // a destructor must not throw; the connection rolls back when it closes
  }
}

void Transaction::Commit() {
  if (!m_Open) return;
  m_Open = false;
  m_Db.Commit();
}

}  // namespace refhost
