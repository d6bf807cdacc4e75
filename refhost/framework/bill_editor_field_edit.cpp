#include "host/platform.h"
#include "refhost/framework/bill_editor_formula.h"
#include "refhost/framework/bill_editor_window.h"
#include "refhost/framework/bill_editor_window_internal.h"
#include "refhost/framework/typed_value.h"

namespace refhost {

using namespace bill_editor_window_detail;

namespace {

// Amount fields (the transaction amounts, keys ending in "For") get the
// editor's end-of-amount event after a change.
bool IsAmountField(const TemplateField& field) {
  const std::string& key = field.key;
  return field.IsNumber() && key.size() > 3 && qor::EqualsNoCase(key.substr(key.size() - 3), "For");
}

double NumberOf(const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return 0;
  return qor::IsNumeric(value) ? qor::CDbl(value) : qor::Val(value);
}

struct SavedFieldData {
  HostDictionaryPtr data;
  Variant value, text, code, modified;

  explicit SavedFieldData(HostDictionaryPtr fieldData) : data(std::move(fieldData)) {
    value = data->Item("FFLD");
    text = data->Item("FDSP");
    code = data->Item("FFND");
    modified = data->Item("FModify");
  }
  void Restore() const {
    data->SetItem("FFLD", value);
    data->SetItem("FDSP", text);
    data->SetItem("FFND", code);
    data->SetItem("FModify", modified);
  }
};

}  // namespace

// ---- fields ----

BillEditorWindow::Cell BillEditorWindow::ResolveCell(const std::string& name, int32_t row) {
  const TemplateField* field = m_Editor->Store().Field(name);
  if (!field) throw ScenarioError("unknown field " + name + " in the " + m_Kind + " window");
  if (field->page == 1) {
    if (row > 0) throw ScenarioError(name + " is a header field: it has no rows");
    return {field, 0};
  }
  if (row <= 0) throw ScenarioError(name + " is an entry field: give its row");
  int32_t rows = m_Editor->Store().RowCount(field->page);
  if (row > rows) {
    throw ScenarioError("row " + std::to_string(row) + " does not exist (the bill has " +
                        std::to_string(rows) + ")");
  }
  return {field, row};
}

HostDictionaryPtr BillEditorWindow::EventFieldData(const std::string& key, int32_t row,
                                                   const Variant& oldValue) {
  HostDictionaryPtr data = m_Editor->Store().Data(key, row);
  auto event = std::make_shared<HostDictionary>();
  event->SetItem("FKey", key);
  event->SetItem("FFieldName", key);
  event->SetItem("FFLD", data ? data->Item("FFLD") : Variant());
  event->SetItem("FOLD", oldValue);
  event->SetItem("FDSP", data ? data->Item("FDSP") : Variant(""));
  event->SetItem("FFND", data ? data->Item("FFND") : Variant(""));
  event->SetItem("FModify", data ? data->Item("FModify") : Variant(0));
  event->SetItem("FRow", row);
  return event;
}

void BillEditorWindow::SetField(const std::string& name, int32_t row, const std::string& text) {
  m_LastError.reset();
  m_LastSetAccepted = false;
  Cell cell = ResolveCell(name, row);
  BillEditorEvent& editor = *m_Editor;
  BillFieldStore& store = editor.Store();
  const std::string key = cell.field->key;
  if (editor.IsReadOnly() || store.IsLocked(key, cell.row)) {
    Trace(m_Session, "  refused: " + key + RowText(cell.row) + " cannot be edited");
    return;
  }
  editor.SetActive(key, cell.row);
  HostDictionaryPtr info = store.Info(key);
  int32_t col = cell.field->column;
  int32_t eventRow = cell.row;
  editor.Raise(
      "BeginEdit(" + key + ", " + std::to_string(col) + ", " + std::to_string(eventRow) + ")",
      [&](qor::BillEventSink& s) { s.BeginEdit(info, col, eventRow); });
  Variant value;
  TypedVerdict verdict = store.ParseInput(*cell.field, text, value);
  if (verdict != TypedVerdict::Accepted) {
    Trace(m_Session, "  refused: \"" + text + "\" does not fit " + key);
    if (verdict == TypedVerdict::OutOfRange) {
      qor::CurrentPlatform().MsgBox(OutOfRangeMessage(cell.field->caption, qor::Trim(text)),
                                    kExclamationIcon, kTitle);
    }
    return;
  }
  HostDictionaryPtr data = store.Data(key, cell.row);
  if (!data) return;  // the row went away while editing began
  SavedFieldData saved(data);
  store.Write(key, cell.row, value, true);
  HostDictionaryPtr fieldEvent = EventFieldData(key, cell.row, saved.value);
  bool cancel = false;
  bool ok = editor.Raise(
      "Change(" + key + ", FFLD=" + Quoted(data->Item("FFLD")) + ", FOLD=" + Quoted(saved.value) +
          ", " + std::to_string(eventRow) + ", False)",
      [&](qor::BillEventSink& s) { s.Change(info, fieldEvent, col, eventRow, cancel); });
  if (cancel || !ok) {
    saved.Restore();
    Trace(m_Session, "  refused: the change of " + key + RowText(cell.row) + " was cancelled");
    return;
  }
  m_LastSetAccepted = true;
  if (cell.row == 0) {
    editor.Raise("HeadCtlLostFocus(" + key + ")",
                 [&](qor::BillEventSink& s) { s.HeadCtlLostFocus(data, info, fieldEvent); });
  }
  RunFieldActions(key, cell.row);
  if (IsAmountField(*cell.field)) {
    HostDictionaryPtr page = cell.row == 0 ? store.Header() : store.Row(cell.field->page, cell.row);
    editor.Raise(
        "SetAmountForEnd(dcData, " + std::to_string(eventRow) + ", " + key + ")",
        [&](qor::BillEventSink& s) { s.SetAmountForEnd(page, eventRow, info, fieldEvent); });
  }
}

// ---- formulas ----

void BillEditorWindow::RunFieldActions(const std::string& key, int32_t row) {
  BillEditorEvent& editor = *m_Editor;
  const TemplateField* trigger = editor.Store().Field(key);
  if (!trigger) return;
  for (const TemplateAction& action : editor.Template().ActionsOf(trigger->key)) {
    HostDictionaryPtr info = editor.Store().Info(trigger->key);
    HostDictionaryPtr data = editor.Store().Data(trigger->key, row);
    if (!data) return;
    HostDictionaryPtr fieldEvent = EventFieldData(trigger->key, row, data->Item("FFLD"));
    qor::ObjectPtr item = data;
    std::string trace = "(" + trigger->key + RowText(row) + ", " + action.type + ", " +
                        action.name + ", \"" + action.parameters + "\"";
    bool cancel = false;
    bool ok = editor.Raise("BeforeDoAction" + trace + ", False)", [&](qor::BillEventSink& s) {
      s.BeforeDoAction(info, fieldEvent, item, action.type, action.name, action.parameters, cancel);
    });
    if (cancel || !ok) {
      Trace(m_Session, "  action " + action.name + " of " + trigger->key + " cancelled");
      continue;
    }
    RunFormula(*trigger, row, action);
    editor.Raise("AfterDoAction" + trace + ")", [&](qor::BillEventSink& s) {
      s.AfterDoAction(info, fieldEvent, item, action.type, action.name, action.parameters);
    });
  }
}

void BillEditorWindow::RunFormula(const TemplateField& trigger, int32_t row,
                                  const TemplateAction& action) {
  BillFormula formula;
  if (!qor::EqualsNoCase(action.type, "Formula") ||
      !BillFormula::Parse(action.parameters, formula)) {
    return;
  }
  BillFieldStore& store = m_Editor->Store();
  const TemplateField* target = store.Field(formula.Target());
  if (!target) return;
  // Keys of the trigger's row, or of the header.
  auto rowOf = [&](const TemplateField& field) -> int32_t {
    if (field.page == 1) return 0;
    return field.page == trigger.page ? row : -1;
  };
  int32_t targetRow = rowOf(*target);
  if (targetRow < 0 || (target->page != 1 && targetRow == 0)) return;
  std::optional<double> result = formula.Evaluate([&](const std::string& key) {
    const TemplateField* field = store.Field(key);
    if (!field || rowOf(*field) < 0) return 0.0;
    HostDictionaryPtr data = store.Data(key, rowOf(*field));
    return data ? NumberOf(data->Item("FFLD")) : 0.0;
  });
  if (!result) {
    Trace(m_Session, "  formula " + action.parameters + " left " + target->key + " unchanged");
    return;
  }
  if (!IsStorableAmount(*result)) {
    // Never store an infinite or overflowing result: the user is told.
    Trace(m_Session, "  formula " + action.parameters + " out of range");
    qor::CurrentPlatform().MsgBox(FormulaOutOfRangeMessage(target->caption), kExclamationIcon,
                                  kTitle);
    return;
  }
  double value = target->IsNumber()
                     ? RoundToDecimals(*result, store.Decimals(target->key, targetRow))
                     : *result;
  store.Write(target->key, targetRow, Variant(value), true);
}

Variant BillEditorWindow::FieldValue(const std::string& field, int32_t row) {
  Cell cell = ResolveCell(field, row);
  return m_Editor->Store().Value(cell.field->key, cell.row);
}

std::string BillEditorWindow::FieldText(const std::string& field, int32_t row) {
  Cell cell = ResolveCell(field, row);
  return m_Editor->Store().Text(cell.field->key, cell.row);
}

bool BillEditorWindow::IsLocked(const std::string& field, std::optional<int32_t> row) {
  const TemplateField* known = m_Editor->Store().Field(field);
  if (!known) throw ScenarioError("unknown field " + field + " in the " + m_Kind + " window");
  if (row && known->page != 1) ResolveCell(field, *row);
  if (m_Editor->IsReadOnly()) return true;
  return m_Editor->Store().IsLocked(known->key, known->page == 1 ? std::nullopt : row);
}

}  // namespace refhost
