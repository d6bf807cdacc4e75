#include "refhost/services/host_services.h"

#include "host/toolbar.h"
#include "refhost/services/bill_services.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/data_access.h"
#include "refhost/services/inout_type.h"
#include "refhost/services/ledger_view.h"
#include "refhost/services/net_control.h"
#include "refhost/services/report_data.h"
#include "refhost/services/settlement_services.h"
#include "refhost/services/share_props.h"
#include "refhost/services/system_services.h"
#include "refhost/services/viewers.h"

namespace refhost {

void RegisterHostServices() {
  ComponentRegistry& registry = ComponentRegistry::Global();
  RegisterShareProps(registry);
  RegisterNetControl(registry);
  RegisterLedgerView(registry);
  RegisterInOutTypeService(registry);
  RegisterBillServices(registry);
  RegisterSettlementServices(registry);
  RegisterReportData(registry);
  RegisterDataAccess(registry);
  RegisterSystemServices(registry);
  RegisterViewers(registry);
  registry.Register("ActiveBarLibraryCtl.ActiveBar",
                    [] { return std::make_shared<qor::ToolbarControl>(); });
  registry.Register("MSComctlLib.ImageList", [] { return std::make_shared<qor::ImageList>(); });
}

}  // namespace refhost
