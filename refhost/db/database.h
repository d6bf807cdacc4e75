#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/recordset.h"
#include "core/variant.h"
#include "refhost/db/sql_executor.h"

struct sqlite3;
struct sqlite3_stmt;

namespace refhost {

// One connection to the product database (a SQLite file). Each client session opens its
// own; several connections may work on one file at once (write-ahead log, 5 s busy wait).
// A Database object is used by one thread only.
//
// Query / Execute take T-SQL text as the product's SQL connection does, batches included
// (see README.md); QueryParams / ExecuteParams take one statement with "?" parameters for
// the host's own use. Every failure raises qor::VbError -2147217900, source "Database".
class Database : private SqlExecutor {
 public:
  ~Database() override;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens an existing database file.
  static std::shared_ptr<Database> Open(const std::string& path);
  // Writes a fresh database file (replacing one that exists): the schema, and the demo
  // company when withDemo.
  static void CreateFile(const std::string& path, bool withDemo);

  const std::string& Path() const { return m_Path; }

  // Rows of the last statement of the batch that produced a result set; an empty recordset
  // without columns when none did.
  qor::RecordsetPtr Query(const std::string& sql);
  // Runs the batch; returns the number of rows its statements changed.
  int Execute(const std::string& sql);
  // As Query, with the connection read-only for the batch: a statement that
  // would write fails with the SQL error "attempt to write a readonly
  // database" and changes nothing.
  qor::RecordsetPtr QueryReadOnly(const std::string& sql);

  // One statement with "?" parameters. Empty and Null bind as NULL, booleans as 1 / 0,
  // dates as 'yyyy-mm-dd' (with ' hh:mm:ss' when they have a time of day).
  qor::RecordsetPtr QueryParams(const std::string& sql, const std::vector<qor::Variant>& params);
  int ExecuteParams(const std::string& sql, const std::vector<qor::Variant>& params);
  // First column of the first row; Empty when there is no row.
  qor::Variant QueryValue(const std::string& sql, const std::vector<qor::Variant>& params = {});

  // Transactions; nested calls are counted (an inner level is a savepoint).
  void Begin();
  void Commit();
  void Rollback();
  int TransactionDepth() const { return m_Depth; }

  // Receives every statement run on this connection.
  void SetTrace(std::function<void(const std::string&)> trace) { m_Trace = std::move(trace); }
  // Fault injection for tests: from this call on, statements are counted and the
  // failAt-th one fails as a database error would (0: none fails). BEGIN, COMMIT and
  // savepoints count; a rollback never fails, so that a failure can always be undone.
  void FailStatementAt(int failAt);
  // Statements run since the last FailStatementAt.
  int StatementsRun() const { return m_StatementsRun; }

  // The clock behind GETDATE() (an OLE date); the machine's local time unless set.
  void SetClock(std::function<double()> now);

  int64_t LastInsertId() const;

 private:
  struct CachedStatement {
    sqlite3_stmt* statement;
    std::list<std::string>::iterator use;
  };

  Database(sqlite3* db, std::string path);

  // SqlExecutor
  SqlResult RunStatement(const std::string& sql, const std::vector<qor::Variant>& params,
                         const std::string& original) override;
  void TraceStatement(const std::string& statement) override;
  void BeginTransaction() override { Begin(); }
  void CommitTransaction() override { Commit(); }
  void RollbackTransaction() override { Rollback(); }
  int64_t LastInsertRowId() const override { return LastInsertId(); }

  SqlResult RunParams(const std::string& sql, const std::vector<qor::Variant>& params);
  sqlite3_stmt* Prepare(const std::string& sql, const std::string& original);
  void Bind(sqlite3_stmt* statement, const std::vector<qor::Variant>& params,
            const std::string& original);
  // Runs a statement of the host's own without parameters or result (transactions);
  // only those that may fail count for the fault injection.
  void RunPlain(const std::string& sql, bool mayFail = true);
  [[noreturn]] void RaiseFromDb(const std::string& statement) const;
  // Counts a statement about to run; raises the injected failure on its turn.
  void CountStatement(const std::string& statement);

  sqlite3* m_Db;
  std::string m_Path;
  int m_Depth = 0;
  int m_FailAt = 0;
  int m_StatementsRun = 0;
  std::function<void(const std::string&)> m_Trace;
  std::function<double()> m_Now;
  std::list<std::string> m_Uses;  // statement texts, most recently used first
  std::unordered_map<std::string, CachedStatement> m_Statements;
  // SQLite text of each statement with parameters, by its text as written.
  std::unordered_map<std::string, std::string> m_Translations;
};

// A transaction that rolls back when it ends without Commit.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit();

 private:
  Database& m_Db;
  bool m_Open = true;
};

}  // namespace refhost
