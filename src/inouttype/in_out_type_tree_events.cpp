// Event handlers of the income/expense type tree and its edit card.

#include "core/vb.h"
#include "inouttype/in_out_type_tree.h"

namespace qorarap {

void clsRPInOutType::m_BaseInterface_AfterGetData() {}

void clsRPInOutType::m_BaseInterface_BarInitialize(const qor::ToolbarControlPtr& /*oActiveBar*/) {}

void clsRPInOutType::m_BaseInterface_ClassGroupSelected(
    int32_t /*Button*/, int32_t /*ClassGroupType*/, int32_t /*ClassGroupID*/,
    const std::string& /*ClassGroupFullNumber*/) {}

void clsRPInOutType::m_BaseInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/,
                                                  bool& /*Cancel*/) {}

void clsRPInOutType::m_BaseInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {
}

void clsRPInOutType::m_BillInterface_AfterLoadBill() {
  m_lBillID = qor::CLng(qor::Val(m_BillInterface->GetFieldValue("FID", -1, 1)));
}

void clsRPInOutType::m_BillInterface_AfterNewBill() {}

void clsRPInOutType::m_BillInterface_AfterNewEmptyData() {}

void clsRPInOutType::m_BillInterface_AfterSave(bool& /*bCancel*/) {}

void clsRPInOutType::m_BillInterface_BeforeSave(bool& /*bCancel*/) {}

void clsRPInOutType::m_BillInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/,
                                                  bool& /*Cancel*/) {}

void clsRPInOutType::m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {
}

void clsRPInOutType::m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& /*dctData*/,
                                                    std::string& /*sErrorMessage*/,
                                                    bool& /*bCancelErrorMessage*/) {}

}  // namespace qorarap
