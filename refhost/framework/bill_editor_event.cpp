#include "refhost/framework/bill_editor_event.h"

#include "core/vb.h"
#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_bill_object.h"
#include "refhost/framework/bill_editor_control.h"
#include "refhost/framework/bill_editor_data_service.h"
#include "refhost/framework/bill_editor_entry.h"
#include "refhost/framework/plugin_call.h"
#include "refhost/framework/window.h"
#include "refhost/session.h"

namespace refhost {

namespace {

using qor::HostDictionaryPtr;
using qor::Variant;

constexpr int32_t kStatusNew = 1;
constexpr int32_t kStatusChange = 2;
constexpr int32_t kStatusView = 3;
constexpr int32_t kRemoveSettlementRows = 2;
constexpr int32_t kErrElementNotFound = 35601;

// Rows the plug-in passes for the header (-1 or 0) become 0.
int32_t RowOf(int32_t row) { return row < 0 ? 0 : row; }

void SetToolOrFail(qor::ToolbarControl& bar, std::string_view item, std::string_view property,
                   const Variant& value) {
  if (!bar.SetToolProperty(item, property, value)) {
    qor::RaiseError(kErrElementNotFound, "ActiveBar", "Element not found");
  }
}

}  // namespace

BillEditorEvent::BillEditorEvent(Session& session, BillTemplate billTemplate,
                                 qor::ToolbarControlPtr toolbar)
    : m_Session(session),
      m_Template(std::move(billTemplate)),
      m_Lookup(session.Db()),
      m_Store(m_Template, m_Lookup),
      m_Storage(session.Db(), m_Template),
      m_Toolbar(std::move(toolbar)),
      m_BillDictionary(std::make_shared<qor::HostDictionary>()) {}

BillEditorEvent::~BillEditorEvent() = default;

void BillEditorEvent::Attach(Window& window, BillEditorActions& actions) {
  m_Window = &window;
  m_Actions = &actions;
}

void BillEditorEvent::Detach() {
  m_Window = nullptr;
  m_Actions = nullptr;
}

bool BillEditorEvent::Raise(const std::string& trace,
                            const std::function<void(qor::BillEventSink&)>& call) {
  if (!m_Window) return true;
  return CallPlugin(*m_Window, "BillEvent." + trace, [&] { m_Events.Raise(call); });
}

std::shared_ptr<BillEditorEvent> BillEditorEvent::Self() {
  return std::static_pointer_cast<BillEditorEvent>(shared_from_this());
}

// ---- state ----

bool BillEditorEvent::IsReadOnly() const {
  return m_EditMode == 0 || !m_MutexSuccess || m_BillLocked;
}

int32_t BillEditorEvent::Status() const {
  if (IsReadOnly()) return kStatusView;
  return m_EditMode == 1 ? kStatusNew : kStatusChange;
}

void BillEditorEvent::SetActive(const std::string& key, int32_t row) {
  m_ActiveKey = key;
  m_ActiveRow = row;
}

std::string BillEditorEvent::Status(int32_t panel) const {
  auto it = m_StatusTexts.find(panel);
  return it == m_StatusTexts.end() ? "" : it->second;
}

int32_t BillEditorEvent::SelectionCode(const qor::Tool& tool) {
  if (qor::IsNumeric(tool.m_Value) && qor::CDbl(tool.m_Value) > 0) return qor::CLng(tool.m_Value);
  if (qor::IsNumeric(tool.m_DefaultValue) && qor::Val(tool.m_DefaultValue) > 0) {
    return qor::CLng(Variant(qor::Val(tool.m_DefaultValue)));
  }
  constexpr std::string_view kPrefix = "mnuSelectBill_";
  if (tool.m_Name.size() > kPrefix.size() &&
      qor::EqualsNoCase(std::string_view(tool.m_Name).substr(0, kPrefix.size()), kPrefix)) {
    std::string code = tool.m_Name.substr(kPrefix.size());
    if (qor::IsNumericText(code)) return qor::CLng(Variant(qor::Val(code)));
  }
  return 0;
}

std::string BillEditorEvent::KeyOf(const HostDictionaryPtr& fieldInfo) const {
  if (!fieldInfo) qor::RaiseError(qor::kErrObjectRequired, "BillEvent", "Object required");
  return qor::StrOf(fieldInfo->Item("FKey"));
}

void BillEditorEvent::RequireKnown(std::string_view key) const {
  if (!m_Store.Field(key)) {
    qor::RaiseError(qor::kErrInvalidCall, "BillEvent", "字段 " + std::string(key) + " 不存在");
  }
}

// ---- fields ----

qor::Subscription BillEditorEvent::Advise(std::shared_ptr<qor::BillEventSink> sink) {
  return m_Events.Advise(std::move(sink));
}

Variant BillEditorEvent::GetFieldValue(std::string_view key, int32_t row, int32_t kind) {
  RequireKnown(key);
  row = RowOf(row);
  if (kind != 2) return m_Store.Value(key, row);
  const TemplateField* field = m_Store.Field(key);
  if (field->IsBaseData()) {
    HostDictionaryPtr data = m_Store.Data(key, row);
    if (!data) return Variant("");
    std::string code = qor::StrOf(data->Item("FFND"));
    return Variant(code.empty() ? qor::StrOf(data->Item("FDSP")) : code);
  }
  return Variant(m_Store.Text(key, row));
}

void BillEditorEvent::SetFieldValue(std::string_view key, const Variant& value, int32_t row) {
  m_Store.Write(key, RowOf(row), value, true);
}

HostDictionaryPtr BillEditorEvent::GetFieldData(std::string_view key, int32_t row) {
  RequireKnown(key);
  return m_Store.Data(key, RowOf(row));
}

HostDictionaryPtr BillEditorEvent::GetFieldInfo(std::string_view key) {
  RequireKnown(key);
  return m_Store.Info(key);
}

void BillEditorEvent::SetFieldText(const HostDictionaryPtr& fieldInfo, const std::string& text,
                                   int32_t row) {
  m_Store.SetText(KeyOf(fieldInfo), RowOf(row), text);
}

void BillEditorEvent::SetText(const HostDictionaryPtr& fieldInfo, const std::string& text,
                              int32_t row) {
  SetFieldText(fieldInfo, text, row);
}

void BillEditorEvent::SetFieldDecimalPlaces(const HostDictionaryPtr& fieldInfo, int32_t row,
                                            int32_t decimals) {
  m_Store.SetDecimals(KeyOf(fieldInfo), RowOf(row), decimals);
}

void BillEditorEvent::SetFieldEditDecimals(const HostDictionaryPtr& fieldInfo, int32_t decimals) {
  m_Store.SetEditDecimals(KeyOf(fieldInfo), decimals);
}

HostDictionaryPtr BillEditorEvent::GetFieldInfoByKey(std::string_view key,
                                                     std::string_view /*page*/, int32_t /*flag*/) {
  return m_Store.Info(key);
}

HostDictionaryPtr BillEditorEvent::GetDataFld(const HostDictionaryPtr& fieldInfo, int32_t row) {
  if (!fieldInfo) return nullptr;
  return m_Store.Data(KeyOf(fieldInfo), RowOf(row));
}

HostDictionaryPtr BillEditorEvent::GetDataFldbyKey(std::string_view key) {
  const TemplateField* field = m_Store.Field(key);
  if (!field || field->page != 1) return nullptr;
  return m_Store.Data(key, 0);
}

qor::ObjectPtr BillEditorEvent::Data(std::string_view page) {
  if (qor::EqualsNoCase(page, "Page1")) return m_Store.Header();
  for (int32_t number = 2; number <= 3; ++number) {
    if (qor::EqualsNoCase(page, "Page" + std::to_string(number))) return m_Store.EntryPage(number);
  }
  return nullptr;
}

qor::HostVectorPtr BillEditorEvent::GetBillPages() {
  auto pages = std::make_shared<qor::HostVector>();
  pages->Add(Variant(m_Store.Header()));
  for (const TemplateEntry& entry : m_Template.Entries()) {
    auto columns = std::make_shared<qor::HostDictionary>();
    for (const TemplateField& field : m_Template.Fields()) {
      if (field.page == entry.page) columns->SetItem(field.key, Variant(m_Store.Info(field.key)));
    }
    pages->Add(Variant(columns));
  }
  return pages;
}

void BillEditorEvent::GetActiveField(HostDictionaryPtr& fieldInfo, int32_t& col, int32_t& row) {
  fieldInfo = m_ActiveKey.empty() ? nullptr : m_Store.Info(m_ActiveKey);
  const TemplateField* field = m_ActiveKey.empty() ? nullptr : m_Store.Field(m_ActiveKey);
  col = field ? field->column : 0;
  row = field ? m_ActiveRow : 0;
}

// ---- menus and status bar ----

void BillEditorEvent::SetMenuItemProperty(std::string_view item, std::string_view property,
                                          const Variant& value) {
  SetToolOrFail(*m_Toolbar, item, property, value);
}

void BillEditorEvent::SetBarStatus(std::string_view item, std::string_view property,
                                   const Variant& value) {
  SetToolOrFail(*m_Toolbar, item, property, value);
}

void BillEditorEvent::SetStatusText(int32_t panel, const std::string& text) {
  m_StatusTexts[panel] = text;
}

// ---- commands ----

void BillEditorEvent::LoadBillByID(int32_t billId) {
  if (m_Actions) m_Actions->LoadBill(billId);
}

void BillEditorEvent::ResetBillView() {
  m_Store.FillDisplays();
  m_Toolbar->RecalcLayout();
  ++m_RedrawCount;
}

void BillEditorEvent::InvokeEditorAction(int32_t action) {
  if (action != kRemoveSettlementRows) {
    qor::RaiseError(qor::kErrInvalidCall, "BillEvent",
                    "编辑器动作 " + std::to_string(action) + " 不存在");
  }
  m_Store.ClearRows(2);
}

// ---- objects ----

std::shared_ptr<qor::BillObject> BillEditorEvent::GetBillObject() {
  if (!m_BillObject) m_BillObject = std::make_shared<BillEditorBillObject>(Self());
  return m_BillObject;
}

std::shared_ptr<qor::BillControl> BillEditorEvent::BillCtl() {
  if (!m_Control) m_Control = std::make_shared<BillEditorControl>(Self());
  return m_Control;
}

std::shared_ptr<qor::BillDataService> BillEditorEvent::GetDataService() {
  if (!m_DataService) {
    m_DataService = std::make_shared<BillEditorDataService>(Self(), m_Template.ClassTypeId());
  }
  return m_DataService;
}

std::shared_ptr<qor::DataAccess> BillEditorEvent::GetDataAccess() {
  if (!m_DataAccess) m_DataAccess = std::make_shared<BillEditorDataAccess>(m_Session.Db());
  return m_DataAccess;
}

std::shared_ptr<qor::BillEntry> BillEditorEvent::BillEntrys(int32_t index) {
  int32_t page = index + 1;
  const TemplateEntry* entry = m_Template.FindEntry(page);
  if (!entry) qor::RaiseError(qor::kErrSubscript, "BillEntrys", "Subscript out of range");
  auto it = m_Entries.find(page);
  if (it != m_Entries.end()) return it->second;
  auto columns = std::make_shared<qor::HostDictionary>();
  for (const TemplateField& field : m_Template.Fields()) {
    if (field.page == page) columns->SetItem(field.key, Variant(m_Store.Info(field.key)));
  }
  auto created = std::make_shared<BillEditorEntry>(entry->keyField, columns);
  m_Entries[page] = created;
  return created;
}

int32_t BillEditorEvent::ClassTypeEntrySize() {
  return static_cast<int32_t>(m_Template.Entries().size());
}

}  // namespace refhost
