#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "refhost/db/database.h"

namespace refhost::testing {

// A database file in the temporary folder, removed with its log files at the end.
class TempDatabaseFile {
 public:
  explicit TempDatabaseFile(bool withDemo = true) {
    static std::atomic<int> counter{0};
    m_Path = (std::filesystem::temp_directory_path() /
              ("qor_db_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + ".db"))
                 .string();
    Database::CreateFile(m_Path, withDemo);
  }
  ~TempDatabaseFile() {
    for (const char* suffix : {"", "-wal", "-shm"}) std::remove((m_Path + suffix).c_str());
  }
  TempDatabaseFile(const TempDatabaseFile&) = delete;
  TempDatabaseFile& operator=(const TempDatabaseFile&) = delete;

  const std::string& Path() const { return m_Path; }
  std::shared_ptr<Database> Open() const { return Database::Open(m_Path); }

 private:
  std::string m_Path;
};

}  // namespace refhost::testing
