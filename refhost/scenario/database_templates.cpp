#include "refhost/scenario/database_templates.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "refhost/db/database.h"
#include "refhost/host_run.h"
#include "refhost/scenario/temporary_folders.h"

namespace refhost::scenario {

namespace fs = std::filesystem;

namespace {

fs::path MakePrivateFolder() {
  std::string pattern = (fs::temp_directory_path() / "qorhost-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw ScenarioError("cannot create a temporary folder");
  return pattern;
}

}  // namespace

DatabaseTemplates::DatabaseTemplates() : m_Folder(MakePrivateFolder()) {
  RegisterTemporaryFolder(m_Folder.string());
}

DatabaseTemplates::~DatabaseTemplates() {
  UnregisterTemporaryFolder(m_Folder.string());
  std::error_code ignored;
  fs::remove_all(m_Folder, ignored);
}

const fs::path& DatabaseTemplates::Template(bool empty) {
  fs::path& file = empty ? m_Empty : m_Demo;
  if (file.empty()) {
    fs::path path = m_Folder / (empty ? "schema.db" : "demo.db");
    Database::CreateFile(path.string(), !empty);
    file = path;
  }
  return file;
}

std::string DatabaseTemplates::NewScenarioFile() {
  fs::path path = m_Folder / ("scenario-" + std::to_string(++m_Count) + ".db");
  Reset(path.string(), false);
  return path.string();
}

void DatabaseTemplates::Reset(const std::string& path, bool empty) {
  const fs::path& source = Template(empty);
  Remove(path);
  fs::copy_file(source, path, fs::copy_options::overwrite_existing);
}

void DatabaseTemplates::Remove(const std::string& path) {
  std::error_code ignored;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(path + suffix, ignored);
}

}  // namespace refhost::scenario
