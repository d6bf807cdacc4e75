#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/recordset.h"
#include "host/list_view.h"
#include "host/plugin_class.h"
#include "refhost/framework/window.h"

namespace refhost {

class Database;
class Session;
class ListEventsObject;

// A list window's definition (t_ListTemplate): the view it shows, the column
// that identifies a line's bill (several lines of one bill share it), the
// column with the bill's number and the order of the lines.
struct ListTemplate {
  std::string window;
  int32_t classTypeId = 0;
  std::string name;
  std::string source;
  std::string keyColumn;
  std::string numberColumn;
  std::string orderBy;

  // ScenarioError when the database has no list of that name.
  static ListTemplate Read(Database& db, const std::string& window);
};

// The lines a list window shows and the user's selection among them.
class ListRows {
 public:
  explicit ListRows(ListTemplate listTemplate) : m_Template(std::move(listTemplate)) {}

  const ListTemplate& Template() const { return m_Template; }
  // Reads the lines anew (select * from the view, in the list's order); the
  // selection keeps the bills that are still there.
  void Load(Database& db);

  int32_t Count() const { return static_cast<int32_t>(m_Rows.size()); }
  // Selects every line of each bill of these numbers, in list order.
  // ScenarioError for a number that no line carries.
  void Select(const std::vector<std::string>& numbers);
  const std::vector<size_t>& Selected() const { return m_Selected; }
  // The current line (0-based): the first selected line, else the first.
  size_t Current() const { return m_Selected.empty() ? 0 : m_Selected.front(); }

  // Value of a column in a line (1-based). ScenarioError for an unknown
  // column or a line out of range.
  qor::Variant Value(int32_t line, const std::string& column) const;
  // The key of a line (0-based index).
  const qor::Variant& KeyOf(size_t index) const;
  // The line's columns as a dictionary.
  qor::HostDictionaryPtr LineDictionary(size_t index) const;
  // The lines as a recordset.
  qor::Recordset AsRecordset() const { return qor::Recordset(m_Columns, m_Rows); }

 private:
  int ColumnIndex(const std::string& column) const;

  ListTemplate m_Template;
  std::vector<std::string> m_Columns;
  std::vector<std::vector<qor::Variant>> m_Rows;
  std::vector<size_t> m_Selected;
};

// A list view of stored bills (receipt-list, other-payable-list,
// sales-invoice-list...): shows the lines of its view, lets the user select
// the lines of bills and press its commands, and raises the list events to
// the plug-in class bound to it.
class ListWindow : public Window {
 public:
  ListWindow(Session& session, const std::string& kind, ListTemplate listTemplate,
             int32_t showMode = 0);
  ~ListWindow() override;

  // Creates the plug-in, shows it the list object, builds the bars, reads
  // the lines.
  void Open(const std::string& className);

  std::string Kind() const override { return m_Kind; }
  void Click(const std::string& tool) override;
  void SelectRows(const std::vector<std::string>& billNumbers) override;
  void Close() override;
  qor::Variant FieldValue(const std::string& field, int32_t row) override;
  std::string FieldText(const std::string& field, int32_t row) override;
  int32_t RowCount() override;
  // 0: the list's name; 1: "共 n 条记录"; 2: "已选 n 条"; 3: "列表已刷新" once
  // the plug-in told the user the list was refreshed, else "".
  std::string StatusText(int32_t panel) override;
  qor::ToolbarControl& Toolbar() override { return *m_Bar; }

  // What the list object offers the plug-in.
  qor::RecordsetPtr ListRecordset() const { return m_Recordset; }
  int32_t ClassTypeId() const { return m_Rows.Template().classTypeId; }
  int32_t ShowMode() const { return m_ShowMode; }
  // The stored bill of a line's key: every line of it, from the list's view.
  qor::RecordsetPtr BillDetail(int32_t billId);
  // The plug-in tells the user the list was refreshed.
  void LetMessage();
  // Opens the bill of the current line: the value of the column marked
  // primary (FISPrimary = 1) in the field descriptions, "FInterID" when none is.
  void ShowCurrentLineBill(const qor::HostVectorPtr& fields);
  const ListTemplate& Template() const { return m_Rows.Template(); }
  qor::HostVectorPtr SelectedRows() const;
  qor::ToolbarControlPtr Bar() const { return m_Bar; }
  // Reads the lines anew and raises AfterGetData.
  void RefreshList();
  void ShowBill(int32_t billId);

 private:
  void LoadRows();
  void RaiseAfterGetData();
  void RunHostAction(const std::string& tool);
  void ViewFirstSelected();
  void MoveToCurrentLine();

  Session& m_Session;
  std::string m_Kind;
  ListRows m_Rows;
  int32_t m_ShowMode = 0;
  bool m_RefreshTold = false;
  qor::ToolbarControlPtr m_Bar;
  // The recordset handed to the plug-in: one object for the window's life,
  // filled anew at every read.
  qor::RecordsetPtr m_Recordset;
  std::shared_ptr<ListEventsObject> m_Events;
  std::shared_ptr<qor::PluginClass> m_Plugin;
};

}  // namespace refhost
