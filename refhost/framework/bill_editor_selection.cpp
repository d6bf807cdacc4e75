#include <map>
#include <unordered_map>

#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_data_service.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/bill_editor_window_internal.h"

namespace refhost {

using namespace bill_editor_window_detail;

namespace {

// The query of the selection window: the plug-in's filter, then its sort or
// the window's own order.
std::string SelectionSql(const SelectTemplate& selection, const std::string& filter,
                         const std::string& sort) {
  std::string sql = "SELECT * FROM " + selection.source;
  if (!qor::Trim(filter).empty()) sql += " WHERE " + filter;
  if (!sort.empty()) {
    sql += " ORDER BY " + sort;
  } else if (!selection.orderBy.empty()) {
    sql += " ORDER BY " + selection.orderBy;
  }
  return sql;
}

// What the window offers: each line as the document (its number, or
// "id=<id>" without one) and its place among that document's lines.
struct OfferedLines {
  std::vector<Pick> lines;
  std::vector<std::vector<Variant>> rows;
  // The offered lines by document number (upper case) and by id, in window order.
  std::unordered_map<std::string, std::vector<size_t>> byNumber;
  std::unordered_map<std::string, std::vector<size_t>> byId;
};

OfferedLines ReadOffered(qor::Recordset& lines, const SelectTemplate& selection) {
  OfferedLines offered;
  std::map<std::string, int32_t> linesOf;
  for (lines.MoveFirst(); !lines.IsEOF(); lines.MoveNext()) {
    std::string number = qor::Trim(qor::StrOf(lines.Field(selection.numberColumn)));
    std::string id = qor::StrOf(lines.Field(selection.idColumn));
    std::string document = number.empty() ? "id=" + id : number;
    int32_t line = ++linesOf[id + "|" + number];
    offered.byNumber[qor::UCase(document)].push_back(offered.lines.size());
    offered.byId[id].push_back(offered.lines.size());
    offered.lines.push_back({document, line});
    std::vector<Variant> row;
    for (const std::string& column : lines.Columns()) row.push_back(lines.Field(column));
    offered.rows.push_back(std::move(row));
  }
  return offered;
}

// The picked lines in pick order, each at most once; a pick the window does
// not offer is a mistake of the scenario.
std::shared_ptr<qor::Recordset> PickLines(const OfferedLines& offered,
                                          const std::vector<Pick>& picks,
                                          const std::vector<std::string>& columns) {
  auto picked = std::make_shared<qor::Recordset>(columns, std::vector<std::vector<Variant>>{});
  std::vector<bool> taken(offered.lines.size(), false);
  for (const Pick& pick : picks) {
    bool byIdPick = pick.document.rfind("id=", 0) == 0;
    const auto& index = byIdPick ? offered.byId : offered.byNumber;
    auto candidates =
        index.find(byIdPick ? qor::Trim(pick.document.substr(3)) : qor::UCase(pick.document));
    bool found = false;
    if (candidates != index.end()) {
      for (size_t i : candidates->second) {
        if (pick.line != 0 && offered.lines[i].line != pick.line) continue;
        found = true;
        if (!taken[i]) picked->AddRow(offered.rows[i]);
        taken[i] = true;
      }
    }
    if (!found) {
      throw ScenarioError("the selection window does not offer " + pick.document +
                          (pick.line ? "#" + std::to_string(pick.line) : ""));
    }
  }
  return picked;
}

}  // namespace

// ---- source selection ----

void BillEditorWindow::Select(const std::string& tool, const std::vector<Pick>& picks) {
  if (IsCloseTool(tool)) throw ScenarioError(tool + " is not a source-selection tool");
  m_PendingPicks = picks;
  struct Reset {
    BillEditorWindow& window;
    ~Reset() { window.m_PendingPicks.reset(); }
  } reset{*this};
  Click(tool);
  // A cancelled click opens nothing; otherwise some window must have
  // taken the picks.
  if (m_LastClickCancelled.value_or(false) || m_SelectionOpened) return;
  throw ScenarioError("the tool " + tool + " opened no source-selection window");
}

void BillEditorWindow::OpenSelection(int32_t selBillType) {
  m_SelectionOpened = true;
  std::vector<Pick> picks = m_PendingPicks.value_or(std::vector<Pick>{});
  m_PendingPicks.reset();
  BillEditorEvent& editor = *m_Editor;
  const SelectTemplate* selection = editor.Template().FindSelection(selBillType);
  if (!selection) {
    throw ScenarioError("no source-selection window for the code " + std::to_string(selBillType));
  }
  if (editor.IsReadOnly()) {
    Trace(m_Session, "  refused: no source selection on a read-only bill");
    return;
  }
  Trace(m_Session,
        "  host: source selection " + std::to_string(selBillType) + " (" + selection->source + ")");
  auto dataService = std::make_shared<BillEditorDataService>(
      std::static_pointer_cast<BillEditorEvent>(m_Editor->shared_from_this()),
      editor.GetClassTypeID());
  auto link = std::make_shared<HostDictionary>();
  link->SetItem("FSelBillType", selBillType);
  link->SetItem("FBillTypeID", editor.GetBillType());
  link->SetItem("FName", selection->name);
  std::string filter;
  HostDictionaryPtr params = std::make_shared<HostDictionary>();
  editor.Raise(
      "BeforeSelBills(" + std::to_string(selBillType) + ", oDataSrv, dctLink, sFilter, dctParam)",
      [&](qor::BillEventSink& s) {
        s.BeforeSelBills(selBillType, dataService, link, filter, params);
      });
  std::string sort = qor::Trim(qor::StrOf(dataService->Filter()->Item("HeadSort")));
  qor::RecordsetPtr lines = m_Session.Db().Query(SelectionSql(*selection, filter, sort));
  OfferedLines offered = ReadOffered(*lines, *selection);
  m_Offered = offered.lines;
  // `all` picks every line offered: none offered closes the window as
  // without a choice.
  if (!picks.empty() && picks.front().all) picks = offered.lines;
  if (picks.empty()) {
    Trace(m_Session, "  host: the selection window closed without a choice");
    return;
  }
  std::shared_ptr<qor::Recordset> picked = PickLines(offered, picks, lines->Columns());
  FillSelectedLines(*selection, *picked);
  auto chosen = std::make_shared<HostDictionary>();
  picked->MoveFirst();
  chosen->SetItem("rsSrc", Variant(picked));
  chosen->SetItem("FSelBillType", selBillType);
  HostDictionaryPtr map = editor.Store().MapHolder();
  editor.Raise("AfterSelBillBeforeFillData(dctSel, dctMap)",
               [&](qor::BillEventSink& s) { s.AfterSelBillBeforeFillData(chosen, map); });
  editor.Store().FillDisplays();
  editor.Raise("AfterSelBill(" + std::to_string(selBillType) + ")",
               [&](qor::BillEventSink& s) { s.AfterSelBill(selBillType); });
}

// Each picked line becomes a new row; every column of the line goes into
// the entry field of the same key.
void BillEditorWindow::FillSelectedLines(const SelectTemplate& selection, qor::Recordset& lines) {
  BillFieldStore& store = m_Editor->Store();
  if (!m_Editor->Template().FindEntry(selection.page)) {
    throw ScenarioError("the bill has no entry page " + std::to_string(selection.page));
  }
  for (lines.MoveFirst(); !lines.IsEOF(); lines.MoveNext()) {
    int32_t row = store.AddRow(selection.page);
    for (const TemplateField& field : m_Editor->Template().Fields()) {
      if (field.page != selection.page || !lines.HasField(field.key)) continue;
      store.Write(field.key, row, lines.Field(field.key), true);
    }
  }
}

std::vector<Pick> BillEditorWindow::LastOffered() {
  if (!m_Offered)
    throw ScenarioError("no source-selection window was opened in the " + m_Kind + " window");
  return *m_Offered;
}

}  // namespace refhost
