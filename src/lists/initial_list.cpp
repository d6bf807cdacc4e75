#include "lists/initial_list.h"

#include "frame/show_binding.h"
#include "lists/list_bars.h"

namespace qorarap {

// Forwards the initial-balance list's events that the class handles.
class clsRPInitial::ListSink final : public qor::ListEventSink {
 public:
  explicit ListSink(clsRPInitial& owner) : m_Owner(owner) {}

  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_LstInterface_BarInitialize(oActiveBar);
  }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_LstInterface_MenuBarClick(LOOMTool, Cancel);
  }

 private:
  clsRPInitial& m_Owner;
};

void clsRPInitial::Show(const qor::ObjectPtr& oBillInterface) {
  Bind(m_LstInterface, oBillInterface, std::make_shared<ListSink>(*this));
}

// The invoice list's trimming, with viewing a bill gone too; export and page
// setup go after the layout.
void clsRPInitial::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  TrimInvoiceListBars(oActiveBar, true);
  HideToolInBand(*oActiveBar, "mnuFile", "mnuExportData");
  HideToolInBand(*oActiveBar, "mnuFile", "mnuFilePageSetup");
}

// Every command of the list is the host's own.
void clsRPInitial::m_LstInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {
}

}  // namespace qorarap
