// The list of receipt and payment bills.

#include "settlement/settlement_bill.h"

namespace qorarap {

void SettlementBill::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& /*oActiveBar*/) {}

void SettlementBill::m_LstInterface_AfterGetData() {}

void SettlementBill::m_LstInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/,
                                                 bool& /*Cancel*/) {}

void SettlementBill::m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {}

}  // namespace qorarap
