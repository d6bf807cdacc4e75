#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/recordset.h"
#include "refhost/framework/bill_editor_fields.h"
#include "refhost/framework/bill_editor_template.h"

namespace refhost {

class Database;

// The stored bills of one editor: the header table (one row per bill, keyed
// by its internal id) and the entry tables (one row per entry row, linked
// to the header and numbered 1..n). Every field is stored in the column of
// its key; values always travel as statement parameters.
class BillStorage {
 public:
  BillStorage(Database& db, const BillTemplate& billTemplate);

  bool Exists(int32_t billId);
  // The id of the bill with this number (0 when there is none).
  int32_t FindByNumber(const std::string& billNo);
  // Reads the stored bill into the store (header, then each entry row).
  void Read(int32_t billId, BillFieldStore& store);
  // The header row joined with its entry rows (one record per entry row).
  qor::RecordsetPtr Detail(int32_t billId);
  // The template's prefix followed by the number after the highest stored
  // all-digit tail (at least four digits, as long as it needs to be: after
  // SK99999999999 comes SK100000000000); "" when the template proposes none.
  std::string NextNumber();
  // Whether a stored bill carries this number.
  bool NumberTaken(const std::string& billNo);
  // Writes the bill in one transaction: a new bill (billId 0) gets a new
  // internal id; a stored one has its header updated and its entry rows
  // replaced (it must still exist). Returns the id. A database failure rolls
  // everything back and reaches the caller as qor::VbError.
  int32_t Write(const BillFieldStore& store, int32_t billId);
  // Deletes the header and entry rows in one transaction.
  void Delete(int32_t billId);

 private:
  struct Column {
    std::string name;
    std::string type;  // declared type, upper case
    bool notNull = false;
  };
  const std::vector<Column>& ColumnsOf(const std::string& table);
  const Column* FindColumn(const std::string& table, const std::string& name);
  qor::Variant ColumnValue(const Column& column, const qor::Variant& value) const;
  void WriteHeader(const BillFieldStore& store, int32_t billId, bool insert);
  void WriteRows(const BillFieldStore& store, const TemplateEntry& entry, int32_t billId);
  bool IsFilledRow(const BillFieldStore& store, const TemplateEntry& entry, int32_t row) const;

  Database& m_Db;
  const BillTemplate& m_Template;
  std::vector<std::pair<std::string, std::vector<Column>>> m_Columns;
};

}  // namespace refhost
