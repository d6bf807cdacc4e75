#pragma once

namespace refhost {

class ComponentRegistry;

// The components that show something to the user; the host run records what
// they showed (HostRun::Shown) so that a scenario can check it: the voucher
// viewers ("QOREBOGL.Application", "QORMVEdit.MVoucherEdit"), the help
// ("QORCHMResTool.ClsCHMHelp"), the result display ("QORDisplayer.DispBuilder"),
// the related-bills list ("QORClassLookUp.RelateBilllookUp"), the bill list
// window ("QORBills.Bills") and the form-resource loader ("QORFrmRes.FrmResLoader").
void RegisterViewers(ComponentRegistry& registry);

}  // namespace refhost
