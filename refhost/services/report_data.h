#pragma once

namespace refhost {

class ComponentRegistry;

// "QORMYWARAPRpt.Data": the AR/AP balance reports (131 receivables by
// customer, 132 payables by supplier) from the balance views.
void RegisterReportData(ComponentRegistry& registry);

}  // namespace refhost
