#include "settlement/settlement_bill.h"

#include "frame/class_frame.h"
#include "frame/login_context.h"
#include "frame/net_control.h"
#include "frame/show_binding.h"

namespace qorarap {

// Forwards the bill editor's events that the settlement bills handle; every
// other event keeps the editor's own behaviour.
class SettlementBill::BillSink final : public qor::BillEventSink {
 public:
  explicit BillSink(SettlementBill& owner) : m_Owner(owner) {}

  void AfterDoAction(const qor::HostDictionaryPtr& dct, const qor::HostDictionaryPtr& dctFld,
                     const qor::ObjectPtr& ItemObj, const std::string& ActionTypeName,
                     const std::string& ActionName, const std::string& Paremeters) override {
    m_Owner.m_BillInterface_AfterDoAction(dct, dctFld, ItemObj, ActionTypeName, ActionName,
                                          Paremeters);
  }
  void AfterLoadBill() override { m_Owner.m_BillInterface_AfterLoadBill(); }
  void AfterNewBill() override { m_Owner.m_BillInterface_AfterNewBill(); }
  void AfterSelBill(int32_t lSelBillType) override {
    m_Owner.m_BillInterface_AfterSelBill(lSelBillType);
  }
  void AfterSelBillBeforeFillData(const qor::HostDictionaryPtr& dctSel,
                                  const qor::HostDictionaryPtr& dctMap) override {
    m_Owner.m_BillInterface_AfterSelBillBeforeFillData(dctSel, dctMap);
  }
  void BeforeDoAction(const qor::HostDictionaryPtr& dct, const qor::HostDictionaryPtr& dctFld,
                      const qor::ObjectPtr& ItemObj, const std::string& ActionTypeName,
                      const std::string& ActionName, const std::string& Paremeters,
                      bool& bCancel) override {
    m_Owner.m_BillInterface_BeforeDoAction(dct, dctFld, ItemObj, ActionTypeName, ActionName,
                                           Paremeters, bCancel);
  }
  void BeforeLoadBill(bool& bCancel) override { m_Owner.m_BillInterface_BeforeLoadBill(bCancel); }
  void BeforeSave(bool& bCancel) override { m_Owner.m_BillInterface_BeforeSave(bCancel); }
  void BeforeSelBills(int32_t lSelBillType, const qor::ObjectPtr& oDataSrv,
                      const qor::HostDictionaryPtr& dctLink, std::string& sFilter,
                      qor::HostDictionaryPtr& dctParam) override {
    m_Owner.m_BillInterface_BeforeSelBills(lSelBillType, oDataSrv, dctLink, sFilter, dctParam);
  }
  void BeforLoadBillFillData() override { m_Owner.m_BillInterface_BeforLoadBillFillData(); }
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
  void SaveBillFailed(const qor::HostDictionaryPtr& dctData, std::string& sErrorMessage,
                      bool& bCancelErrorMessage) override {
    m_Owner.m_BillInterface_SaveBillFailed(dctData, sErrorMessage, bCancelErrorMessage);
  }
  void SetCurrencyState(const qor::HostDictionaryPtr& dcData) override {
    m_Owner.m_BillInterface_SetCurrencyState(dcData);
  }
  void SetAmountForEnd(const qor::HostDictionaryPtr& dcData, int32_t iRow,
                       const qor::HostDictionaryPtr& dct,
                       const qor::HostDictionaryPtr& dctFld) override {
    m_Owner.m_BillInterface_SetAmountForEnd(dcData, iRow, dct, dctFld);
  }
  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_BillInterface_BarInitialize(oActiveBar);
  }

 private:
  SettlementBill& m_Owner;
};

// The list events both sides handle.
class SettlementBill::ListSink : public qor::ListEventSink {
 public:
  explicit ListSink(SettlementBill& owner) : m_Owner(owner) {}

  void BarInitialize(const qor::ToolbarControlPtr& oActiveBar) override {
    m_Owner.m_LstInterface_BarInitialize(oActiveBar);
  }
  void MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel) override {
    m_Owner.m_LstInterface_MenuBarClick(LOOMTool, Cancel);
  }
  void MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar) override {
    m_Owner.m_LstInterface_MenuBarInitialize(oMenuBar);
  }

 protected:
  SettlementBill& m_Owner;
};

// The list of a side that also reacts to the list's data being fetched.
class SettlementBill::ListSinkWithGetData final : public SettlementBill::ListSink {
 public:
  using ListSink::ListSink;
  void AfterGetData() override { m_Owner.m_LstInterface_AfterGetData(); }
};

SettlementBill::SettlementBill(const SettlementSide& side) : m_Side(side) {}

SettlementBill::~SettlementBill() { TerminateQuietly(); }

void SettlementBill::Show(const qor::ObjectPtr& oBillInterface) {
  if (m_sOpenerProps.empty()) m_sOpenerProps = GetPropsString();
  if (BindWhenTypeIs(m_BillInterface, oBillInterface, "BillEvent",
                     std::make_shared<BillSink>(*this))) {
    return;
  }
  if (!BindWhenTypeIs(m_LstInterface, oBillInterface, "ListEvents", MakeListSink())) return;
  m_rsList = m_LstInterface->GetListRecordset();
  m_objListDef = m_LstInterface->GetListDefinition();
}

std::shared_ptr<qor::ListEventSink> SettlementBill::MakeListSink() {
  if (m_Side.listHandlesAfterGetData) return std::make_shared<ListSinkWithGetData>(*this);
  return std::make_shared<ListSink>(*this);
}

std::string SettlementBill::GetFunctionCode(int32_t kind) const {
  return LookupFunctionCode(m_Side.functionCodes, kind);
}

// Gives back what the user still holds for the bill, then lets go of the
// host's objects.
void SettlementBill::OnTerminate() {
  // A new bill saved in this window was never loaded: its id is in the editor.
  if (m_lBillID <= 0 && m_BillInterface) m_lBillID = m_BillInterface->GetBillInterID();
  bool released = true;
  if (m_lBillID > 0)
    released = ReleaseUserRecordLocks(GetFunctionCode(kFuncKindModify), m_lBillID, m_sOpenerProps);
  auto glData = GetGLData();
  glData->SetDeleteOptions(false);
  if (m_Side.refreshCurrencySetOnDestroy) glData->GetCurrencySet()->Refresh();
  if (m_lFuncHandle != 0) ReleaseFunc(m_lFuncHandle);
  m_BillInterface.Reset();
  m_LstInterface.Reset();
  m_rsList.reset();
  m_objListDef.reset();
  // Locks left behind are reported once everything else is given back.
  if (!released) RaiseLocksNotReleased();
}

}  // namespace qorarap
