#include "refhost/db/database_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace refhost {
namespace {

namespace fs = std::filesystem;

const fs::path kScriptFolder = fs::path(QOR_SOURCE_DIR) / "refhost" / "db";

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The scripts the program must carry: schema.sql, demo.sql, then the demo_*.sql files of the
// source folder in name order (a file added by anyone is picked up by the next build).
std::vector<std::string> ExpectedNames() {
  std::vector<std::string> demoFiles;
  for (const auto& entry : fs::directory_iterator(kScriptFolder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("demo_") && name.ends_with(".sql")) demoFiles.push_back(name);
  }
  std::sort(demoFiles.begin(), demoFiles.end());
  std::vector<std::string> names = {"schema.sql", "demo.sql"};
  names.insert(names.end(), demoFiles.begin(), demoFiles.end());
  return names;
}

TEST(DatabaseScripts, ProgramCarriesEveryScriptOfTheFolderByteForByte) {
  std::vector<std::string> names;
  for (const EmbeddedFile& script : DatabaseScripts()) {
    names.push_back(script.name);
    EXPECT_EQ(script.Text(), FileText(kScriptFolder / script.name)) << script.name;
    // The bytes end with a 0, so that the text goes to SQLite as it is.
    EXPECT_EQ(script.bytes[script.size], 0) << script.name;
  }
  EXPECT_EQ(names, ExpectedNames());
}

}  // namespace
}  // namespace refhost
