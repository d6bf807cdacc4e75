#pragma once

#include <string>

#include "core/events.h"
#include "host/list_view.h"
#include "host/plugin_class.h"

namespace qorarap {

// The list of sales and purchase invoices.
class clsInvoice : public qor::PluginClass {
 public:
  clsInvoice() = default;
  clsInvoice(const clsInvoice&) = delete;
  clsInvoice& operator=(const clsInvoice&) = delete;

  std::string TypeName() const override { return "clsInvoice"; }
  void Show(const qor::ObjectPtr& oBillInterface) override;

 private:
  class ListSink;

  void m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);
  // Shows the first selected invoice as a bill through the product's bill window.
  void ShowSelectedInvoice();

  // Destroying the member ends the subscription.
  qor::EventMember<qor::ListEvents, qor::ListEventSink> m_LstInterface;
};

}  // namespace qorarap
