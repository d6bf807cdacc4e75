#pragma once

namespace refhost {

class ComponentRegistry;

// "QORebsArApBill.clsInOutType" (also spelt "QORebsArAPBill.clsInOutType"):
// the income/expense type service over vw_RP_InOutType. A type is named by
// its id (a number) or by its number (a text).
void RegisterInOutTypeService(ComponentRegistry& registry);

}  // namespace refhost
