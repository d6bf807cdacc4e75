#include "lists/invoice_list.h"

#include "frame/show_binding.h"

namespace qorarap {

// Forwards the invoice list's events that the class handles.
class clsInvoice::ListSink final : public qor::ListEventSink {
 public:
  explicit ListSink(clsInvoice& owner) : m_Owner(owner) {}

  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_LstInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_LstInterface_BarInitialize(oActiveBar);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_LstInterface_MenuBarInitialize(oMenuBar);
  }

 private:
  clsInvoice& m_Owner;
};

void clsInvoice::Show(const qor::ObjectPtr& oBillInterface) {
  Bind(m_LstInterface, oBillInterface, std::make_shared<ListSink>(*this));
}

void clsInvoice::m_LstInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/, bool& /*Cancel*/) {}

void clsInvoice::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& /*oActiveBar*/) {}

void clsInvoice::m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& /*oMenuBar*/) {}

}  // namespace qorarap
