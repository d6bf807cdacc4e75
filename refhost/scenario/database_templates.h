#pragma once

#include <filesystem>
#include <string>

namespace refhost::scenario {

// The fresh databases every scenario starts from: the demo company and the
// bare schema, each created once per program run in a private temporary
// folder and copied for every scenario. The folder goes when this does.
class DatabaseTemplates {
 public:
  DatabaseTemplates();
  ~DatabaseTemplates();
  DatabaseTemplates(const DatabaseTemplates&) = delete;
  DatabaseTemplates& operator=(const DatabaseTemplates&) = delete;

  // A new database file for a scenario (a copy of the demo company).
  std::string NewScenarioFile();
  // Puts a fresh copy of the demo company or the bare schema at path
  // (no connection may be open on it).
  void Reset(const std::string& path, bool empty);
  // Deletes a scenario's file with its journal files.
  static void Remove(const std::string& path);

 private:
  const std::filesystem::path& Template(bool empty);

  std::filesystem::path m_Folder;
  std::filesystem::path m_Demo;
  std::filesystem::path m_Empty;
  int m_Count = 0;
};

}  // namespace refhost::scenario
