#include "otherbills/other_bill.h"

#include "frame/class_frame.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "frame/show_binding.h"

namespace qorarap {

// Forwards the bill editor's events that the other bills handle; every other
// event keeps the editor's own behaviour.
class OtherBill::BillSink final : public qor::BillEventSink {
 public:
  explicit BillSink(OtherBill& owner) : m_Owner(owner) {}

  void AfterLoadBill() override { m_Owner.m_BillInterface_AfterLoadBill(); }
  void AfterNewBill() override { m_Owner.m_BillInterface_AfterNewBill(); }
  void SetCurrencyState(const qor::HostDictionaryPtr& dcData) override {
    m_Owner.m_BillInterface_SetCurrencyState(dcData);
  }
  void AfterSave(bool& bCancel) override { m_Owner.m_BillInterface_AfterSave(bCancel); }
  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_BillInterface_BarInitialize(oActiveBar);
  }
  void BeforeSave(bool& bCancel) override { m_Owner.m_BillInterface_BeforeSave(bCancel); }
  void BeginEdit(const qor::HostDictionaryPtr& dct, int32_t Col, int32_t row) override {
    m_Owner.m_BillInterface_BeginEdit(dct, Col, row);
  }
  void Change(const qor::HostDictionaryPtr& dct, const qor::HostDictionaryPtr& dctFld, int32_t Col,
              int32_t row, bool& Cancel) override {
    m_Owner.m_BillInterface_Change(dct, dctFld, Col, row, Cancel);
  }
  void HeadCtlLostFocus(const qor::ObjectPtr& ctl, const qor::HostDictionaryPtr& dct,
                        const qor::HostDictionaryPtr& dctFld) override {
    m_Owner.m_BillInterface_HeadCtlLostFocus(ctl, dct, dctFld);
  }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_BillInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_BillInterface_MenuBarInitialize(oMenuBar);
  }

 private:
  OtherBill& m_Owner;
};

// Forwards the list events that the other bills handle.
class OtherBill::ListSink final : public qor::ListEventSink {
 public:
  explicit ListSink(OtherBill& owner) : m_Owner(owner) {}

  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_LstInterface_BarInitialize(oActiveBar);
  }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_LstInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_LstInterface_MenuBarInitialize(oMenuBar);
  }

 private:
  OtherBill& m_Owner;
};

OtherBill::OtherBill(const OtherBillSide& side)
    : m_Side(side), m_rsInOutType(ReadAllInOutTypes()) {}

OtherBill::~OtherBill() { TerminateQuietly(); }

void OtherBill::Show(const qor::ObjectPtr& oBillInterface) {
  if (m_sOpenerProps.empty()) m_sOpenerProps = GetPropsString();
  if (BindWhenTypeIs(m_BillInterface, oBillInterface, "BillEvent",
                     std::make_shared<BillSink>(*this))) {
    return;
  }
  BindWhenTypeIs(m_LstInterface, oBillInterface, "ListEvents", std::make_shared<ListSink>(*this));
}

std::string OtherBill::GetFunctionCode(int32_t kind) const {
  return LookupFunctionCode(m_Side.functionCodes, kind);
}

// Gives back what the user still holds for the bill, then lets go of the
// host's objects.
void OtherBill::OnTerminate() {
  // A new bill saved in this window was never loaded: its id is in the editor.
  if (m_lBillID <= 0 && m_BillInterface) m_lBillID = m_BillInterface->GetBillInterID();
  bool released = true;
  if (m_lBillID > 0)
    released = ReleaseUserRecordLocks(GetFunctionCode(kFuncKindModify), m_lBillID, m_sOpenerProps);
  if (m_lFuncHandle != 0) ReleaseFunc(m_lFuncHandle);
  m_BillInterface.Reset();
  m_LstInterface.Reset();
  m_rsInOutType.reset();
  // Locks left behind are reported once everything else is given back.
  if (!released) RaiseLocksNotReleased();
}

}  // namespace qorarap
