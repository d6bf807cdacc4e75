#include "refhost/framework/bill_editor_data_service.h"

#include "refhost/db/database.h"
#include "refhost/framework/bill_editor_event.h"

namespace refhost {

BillEditorDataService::BillEditorDataService(std::weak_ptr<BillEditorEvent> editor,
                                             int32_t classTypeId)
    : m_Editor(std::move(editor)),
      m_ClassTypeId(classTypeId),
      m_Filter(std::make_shared<qor::HostDictionary>()) {
  m_Filter->SetItem("FilterString",
                    "FClassTypeID=" + std::to_string(classTypeId) + " AND FDeleted=0");
  m_Filter->SetItem("HeadSort", "");
}

qor::RecordsetPtr BillEditorDataService::GetBillDetail(int32_t billId) {
  std::shared_ptr<BillEditorEvent> editor = m_Editor.lock();
  if (!editor) qor::RaiseError(91, "DataService", "Object variable or With block variable not set");
  return editor->Storage().Detail(billId);
}

qor::RecordsetPtr BillEditorDataAccess::ExecuteSql(const std::string& sql) {
  return m_Db.Query(sql);
}

}  // namespace refhost
