// Creation of database files: the schema (and the demo company) is loaded once per process
// into memory and every new file is a copy of that image.

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "refhost/db/database.h"
#include "refhost/db/database_scripts.h"
#include "refhost/db/sql_error.h"

namespace refhost {

namespace {

// The scripts travel inside the program (see database_scripts.h).
std::string ScriptText(const std::string& name) {
  for (const EmbeddedFile& script : DatabaseScripts()) {
    if (name == script.name) return std::string(script.Text());
  }
  RaiseSqlError("The program holds no database script " + name, "");
}

void RunScript(sqlite3* db, const std::string& name) {
  char* error = nullptr;
  if (sqlite3_exec(db, ScriptText(name).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    RaiseSqlError(message, name);
  }
}

// demo.sql, then every demo_*.sql in name order: each family of records the demo company
// holds for one kind of document is added in a file of its own.
std::vector<std::string> DemoScripts() {
  std::vector<std::string> names;
  for (const EmbeddedFile& script : DatabaseScripts()) {
    const std::string name = script.name;
    if (name.starts_with("demo_") && name.ends_with(".sql")) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  names.insert(names.begin(), "demo.sql");
  return names;
}

// The bytes of a database holding the schema (and the demo company).
std::vector<unsigned char> BuildImage(bool withDemo) {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  std::vector<unsigned char> image;
  try {
    RunScript(db, "schema.sql");
    if (withDemo) {
      for (const std::string& name : DemoScripts()) RunScript(db, name);
    }
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(db, "main", &size, 0);
    if (!bytes) RaiseSqlError("Cannot copy the new database.", "");
    image.assign(bytes, bytes + size);
    sqlite3_free(bytes);
    // Header bytes 18 and 19 (write and read format) 2: the file uses the write-ahead log,
    // so that the connections of several sessions read while one of them writes.
    if (image.size() > 19) image[18] = image[19] = 2;
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  sqlite3_close(db);
  return image;
}

const std::vector<unsigned char>& Image(bool withDemo) {
  static std::mutex mutex;
  static std::map<bool, std::vector<unsigned char>> images;
  std::lock_guard<std::mutex> lock(mutex);
  auto found = images.find(withDemo);
  if (found == images.end()) found = images.emplace(withDemo, BuildImage(withDemo)).first;
  return found->second;
}

}  // namespace

void Database::CreateFile(const std::string& path, bool withDemo) {
  const std::vector<unsigned char>& image = Image(withDemo);
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    std::remove((path + suffix).c_str());
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(image.data()),
            static_cast<std::streamsize>(image.size()));
  if (!out) RaiseSqlError("Cannot write the database file " + path, "");
}

}  // namespace refhost
