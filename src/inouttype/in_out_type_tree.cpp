#include "inouttype/in_out_type_tree.h"

#include "frame/class_frame.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "frame/show_binding.h"
#include "host/platform.h"

namespace qorarap {

// Forwards the type tree's events that the class handles.
class clsRPInOutType::BaseSink final : public qor::BaseEventSink {
 public:
  explicit BaseSink(clsRPInOutType& owner) : m_Owner(owner) {}

  void AfterGetData() override { m_Owner.m_BaseInterface_AfterGetData(); }
  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_BaseInterface_BarInitialize(oActiveBar);
  }
  void ClassGroupSelected(int32_t Button, int32_t ClassGroupType, int32_t ClassGroupID,
                          const std::string& ClassGroupFullNumber) override {
    m_Owner.m_BaseInterface_ClassGroupSelected(Button, ClassGroupType, ClassGroupID,
                                               ClassGroupFullNumber);
  }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_BaseInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_BaseInterface_MenuBarInitialize(oMenuBar);
  }

 private:
  clsRPInOutType& m_Owner;
};

// Forwards the edit card's events that the class handles.
class clsRPInOutType::BillSink final : public qor::BillEventSink {
 public:
  explicit BillSink(clsRPInOutType& owner) : m_Owner(owner) {}

  void AfterLoadBill() override { m_Owner.m_BillInterface_AfterLoadBill(); }
  void AfterNewBill() override { m_Owner.m_BillInterface_AfterNewBill(); }
  void AfterNewEmptyData() override { m_Owner.m_BillInterface_AfterNewEmptyData(); }
  void AfterSave(bool& bCancel) override { m_Owner.m_BillInterface_AfterSave(bCancel); }
  void BeforeSave(bool& bCancel) override { m_Owner.m_BillInterface_BeforeSave(bCancel); }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_BillInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_BillInterface_MenuBarInitialize(oMenuBar);
  }
  void SaveBillFailed(const qor::HostDictionaryPtr& dctData, std::string& sErrorMessage,
                      bool& bCancelErrorMessage) override {
    m_Owner.m_BillInterface_SaveBillFailed(dctData, sErrorMessage, bCancelErrorMessage);
  }

 private:
  clsRPInOutType& m_Owner;
};

clsRPInOutType::clsRPInOutType() : m_rsInOutType(ReadAllInOutTypes()) {}

clsRPInOutType::~clsRPInOutType() { TerminateQuietly(); }

void clsRPInOutType::Show(const qor::ObjectPtr& oBillInterface) {
  if (m_sOpenerProps.empty()) m_sOpenerProps = GetPropsString();
  if (BindWhenTypeIs(m_BillInterface, oBillInterface, "BillEvent",
                     std::make_shared<BillSink>(*this))) {
    return;
  }
  BindWhenTypeIs(m_BaseInterface, oBillInterface, "BaseClassEvent",
                 std::make_shared<BaseSink>(*this));
}

std::shared_ptr<qor::InOutTypeComponent> clsRPInOutType::TypeService() {
  return qor::CreateComponent<qor::InOutTypeComponent>("QORebsArApBill.clsInOutType");
}

std::string clsRPInOutType::GetFunctionCode(int32_t kind) const {
  return LookupFunctionCode(kFunctionCodes, kind);
}

// Gives back what the user still holds for the type on the card, then lets
// go of the host's objects.
void clsRPInOutType::OnTerminate() {
  bool released = true;
  if (m_lBillID > 0)
    released = ReleaseUserRecordLocks(GetFunctionCode(kFuncKindModify), m_lBillID, m_sOpenerProps);
  if (m_lFuncHandle != 0) ReleaseFunc(m_lFuncHandle);
  m_BaseInterface.Reset();
  m_BillInterface.Reset();
  m_rsInOutType.reset();
  // Locks left behind are reported once everything else is given back.
  if (!released) RaiseLocksNotReleased();
}

}  // namespace qorarap
