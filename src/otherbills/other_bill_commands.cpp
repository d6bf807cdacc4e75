// Commands, menus and the list of the other receivable and payable bills.

#include "otherbills/other_bill.h"

namespace qorarap {

void OtherBill::m_BillInterface_BarInitialize(const qor::ToolbarControlPtr& /*oActiveBar*/) {}

void OtherBill::m_BillInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {}

void OtherBill::m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {}

void OtherBill::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& /*oActiveBar*/) {}

void OtherBill::m_LstInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {}

void OtherBill::m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {}

}  // namespace qorarap
