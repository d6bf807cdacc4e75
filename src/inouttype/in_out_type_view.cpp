#include "inouttype/in_out_type_view.h"

#include "frame/show_binding.h"
#include "host/platform.h"
#include "inouttype/type_bars.h"

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

void clsRPInOutTypeView::m_LstInterface_AfterGetData() { m_LstInterface->SetListOption(1); }

// The list is for looking only: every editing command goes, and so does the
// whole edit menu.
void clsRPInOutTypeView::m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar) {
  HideTools(*oActiveBar,
            {"mnuFileNewItem", "mnuFileNewGroup", "mnuEditModify", "mnuEditDel", "mnuEditDelGroup",
             "mnuEditUse", "mnuEditUnuse", "mnuOption", "mnuDataFind", "mnuFilePageSetup",
             "mnuFilePrintPreview", "mnuPreHeadFoot", "mnuFilePrint", "mnuExportData"});
  oActiveBar->Bands("mnuEdit")->m_Visible = false;
}

// The help file lies in the program's folder, where the viewer starts.
void clsRPInOutTypeView::m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool,
                                                     bool& /*Cancel*/) {
  if (LOOMTool->m_Name != "mnuHelpDetail") return;
  qor::CurrentPlatform().StartHelpViewer("QORV11.chm", "");
}

void clsRPInOutTypeView::m_LstInterface_RefreshList() {}

}  // namespace qorarap
