// Event handlers of the other receivable and other payable bills.

#include "core/vb.h"
#include "otherbills/other_bill.h"

namespace qorarap {

void OtherBill::m_BillInterface_AfterLoadBill() {
  m_lBillID = qor::CLng(qor::Val(m_BillInterface->GetFieldValue("FBillId", -1, 1)));
}

void OtherBill::m_BillInterface_AfterNewBill() {}

void OtherBill::m_BillInterface_SetCurrencyState(const qor::HostDictionaryPtr& /*dcData*/) {}

void OtherBill::m_BillInterface_AfterSave(bool& /*bCancel*/) {}

void OtherBill::m_BillInterface_BeforeSave(bool& /*bCancel*/) {}

void OtherBill::m_BillInterface_BeginEdit(const qor::HostDictionaryPtr& /*dct*/, int32_t /*Col*/,
                                          int32_t /*row*/) {}

void OtherBill::m_BillInterface_Change(const qor::HostDictionaryPtr& /*dct*/,
                                       const qor::HostDictionaryPtr& /*dctFld*/, int32_t /*Col*/,
                                       int32_t /*row*/, bool& /*Cancel*/) {}

void OtherBill::m_BillInterface_HeadCtlLostFocus(const qor::ObjectPtr& /*ctl*/,
                                                 const qor::HostDictionaryPtr& /*dct*/,
                                                 const qor::HostDictionaryPtr& /*dctFld*/) {}

}  // namespace qorarap
