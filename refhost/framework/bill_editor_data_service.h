#pragma once

#include <memory>
#include <string>

#include "core/host_dictionary.h"
#include "host/bill_editor.h"

namespace refhost {

class BillEditorEvent;
class Database;

// The editor's data service (GetDataService), and the data service the
// source-selection window hands to BeforeSelBills: the stored bill of an
// id, the class type, and the service's filter ("FilterString": the class
// type condition of the editor's records; "HeadSort": the order a
// selection window lists its lines in, "" for its own).
class BillEditorDataService : public qor::BillDataService {
 public:
  BillEditorDataService(std::weak_ptr<BillEditorEvent> editor, int32_t classTypeId);

  // The header row joined with its entry rows (one record per entry row).
  qor::RecordsetPtr GetBillDetail(int32_t billId) override;
  int32_t ClassTypeID() const override { return m_ClassTypeId; }
  qor::HostDictionaryPtr Filter() override { return m_Filter; }

 private:
  std::weak_ptr<BillEditorEvent> m_Editor;
  int32_t m_ClassTypeId;
  qor::HostDictionaryPtr m_Filter;
};

// SQL text on the session's connection (GetDataAccess), T-SQL batches
// included.
class BillEditorDataAccess : public qor::DataAccess {
 public:
  explicit BillEditorDataAccess(Database& db) : m_Db(db) {}
  qor::RecordsetPtr ExecuteSql(const std::string& sql) override;

 private:
  Database& m_Db;
};

}  // namespace refhost
