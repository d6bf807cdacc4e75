// Save checks and bill commands of the receipt and payment bills.

#include "settlement/settlement_bill.h"

namespace qorarap {

void SettlementBill::m_BillInterface_BeforeSave(bool& /*bCancel*/) {}

void SettlementBill::m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& /*dctData*/,
                                                    std::string& /*sErrorMessage*/,
                                                    bool& /*bCancelErrorMessage*/) {}

void SettlementBill::m_BillInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/,
                                                  bool& /*Cancel*/) {}

}  // namespace qorarap
