// Event handlers of the receipt and payment bills.

#include "core/vb.h"
#include "settlement/settlement_bill.h"

namespace qorarap {

void SettlementBill::m_BillInterface_AfterDoAction(const qor::HostDictionaryPtr& /*dct*/,
                                                   const qor::HostDictionaryPtr& /*dctFld*/,
                                                   const qor::ObjectPtr& /*ItemObj*/,
                                                   const std::string& /*ActionTypeName*/,
                                                   const std::string& /*ActionName*/,
                                                   const std::string& /*Paremeters*/) {}

void SettlementBill::m_BillInterface_AfterLoadBill() {
  m_lBillID = qor::CLng(qor::Val(m_BillInterface->GetFieldValue("FBillId", -1, 1)));
}

void SettlementBill::m_BillInterface_AfterNewBill() {}

void SettlementBill::m_BillInterface_AfterSelBill(int32_t /*lSelBillType*/) {}

void SettlementBill::m_BillInterface_AfterSelBillBeforeFillData(
    const qor::HostDictionaryPtr& /*dctSel*/, const qor::HostDictionaryPtr& /*dctMap*/) {}

void SettlementBill::m_BillInterface_BeforeDoAction(
    const qor::HostDictionaryPtr& /*dct*/, const qor::HostDictionaryPtr& /*dctFld*/,
    const qor::ObjectPtr& /*ItemObj*/, const std::string& /*ActionTypeName*/,
    const std::string& /*ActionName*/, const std::string& /*Paremeters*/, bool& /*bCancel*/) {}

void SettlementBill::m_BillInterface_BeforeLoadBill(bool& /*bCancel*/) {}

void SettlementBill::m_BillInterface_BeforeSelBills(int32_t /*lSelBillType*/,
                                                    const qor::ObjectPtr& /*oDataSrv*/,
                                                    const qor::HostDictionaryPtr& /*dctLink*/,
                                                    std::string& /*sFilter*/,
                                                    qor::HostDictionaryPtr& /*dctParam*/) {}

void SettlementBill::m_BillInterface_BeforLoadBillFillData() {}

void SettlementBill::m_BillInterface_BeginEdit(const qor::HostDictionaryPtr& /*dct*/,
                                               int32_t /*Col*/, int32_t /*row*/) {}

void SettlementBill::m_BillInterface_Change(const qor::HostDictionaryPtr& /*dct*/,
                                            const qor::HostDictionaryPtr& /*dctFld*/,
                                            int32_t /*Col*/, int32_t /*row*/, bool& /*Cancel*/) {}

void SettlementBill::m_BillInterface_HeadCtlLostFocus(const qor::ObjectPtr& /*ctl*/,
                                                      const qor::HostDictionaryPtr& /*dct*/,
                                                      const qor::HostDictionaryPtr& /*dctFld*/) {}

void SettlementBill::m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {
}

void SettlementBill::m_BillInterface_SetCurrencyState(const qor::HostDictionaryPtr& /*dcData*/) {}

void SettlementBill::m_BillInterface_SetAmountForEnd(const qor::HostDictionaryPtr& /*dcData*/,
                                                     int32_t /*iRow*/,
                                                     const qor::HostDictionaryPtr& /*dct*/,
                                                     const qor::HostDictionaryPtr& /*dctFld*/) {}

void SettlementBill::m_BillInterface_BarInitialize(const qor::ToolbarControlPtr& /*oActiveBar*/) {}

}  // namespace qorarap
