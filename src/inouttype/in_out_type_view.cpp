#include "inouttype/in_out_type_view.h"

#include "frame/show_binding.h"

namespace qorarap {

// Forwards the type list's events that the class handles.
class clsRPInOutTypeView::ListSink final : public qor::BaseEventSink {
 public:
  explicit ListSink(clsRPInOutTypeView& owner) : m_Owner(owner) {}

  void AfterGetData() override { m_Owner.m_LstInterface_AfterGetData(); }
  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_LstInterface_BarInitialize(oActiveBar);
  }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_LstInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void RefreshList() override { m_Owner.m_LstInterface_RefreshList(); }

 private:
  clsRPInOutTypeView& m_Owner;
};

void clsRPInOutTypeView::Show(const qor::ObjectPtr& oBillInterface) {
  Bind(m_LstInterface, oBillInterface, std::make_shared<ListSink>(*this));
}

void clsRPInOutTypeView::m_LstInterface_AfterGetData() {}

void clsRPInOutTypeView::m_LstInterface_BarInitialize(
    const qor::ToolbarControlPtr& /*oActiveBar*/) {}

void clsRPInOutTypeView::m_LstInterface_MenuBarClick(const qor::ToolPtr& /*LOOMTool*/,
                                                     bool& /*Cancel*/) {}

void clsRPInOutTypeView::m_LstInterface_RefreshList() {}

}  // namespace qorarap
