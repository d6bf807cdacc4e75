#pragma once

#include <cstdint>
#include <string>

#include "core/events.h"
#include "core/recordset.h"
#include "frame/function_codes.h"
#include "host/base_data.h"
#include "host/bill_editor.h"
#include "host/plugin_class.h"

namespace qorarap {

// The income/expense types: the base-data tree and, shown to the same
// instance, the edit card of a type. Reads every type when it is created.
class clsRPInOutType : public qor::PluginClass {
 public:
  clsRPInOutType();
  ~clsRPInOutType() override;
  clsRPInOutType(const clsRPInOutType&) = delete;
  clsRPInOutType& operator=(const clsRPInOutType&) = delete;

  std::string TypeName() const override { return "clsRPInOutType"; }
  void Show(const qor::ObjectPtr& oBillInterface) override;

 private:
  class BaseSink;
  class BillSink;

  static constexpr FunctionCodes kFunctionCodes{"pu0552", "",       "",       "",
                                                "",       "pu0551", "pu0553", "pu0550"};

  std::string GetFunctionCode(int32_t kind) const;
  void OnTerminate() override;
  // The login of the user who opened the window: its locks are released at
  // the end, whoever is logged in by then.
  std::string m_sOpenerProps;

  // Type tree events.
  void m_BaseInterface_AfterGetData();
  void m_BaseInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_BaseInterface_ClassGroupSelected(int32_t Button, int32_t ClassGroupType,
                                          int32_t ClassGroupID,
                                          const std::string& ClassGroupFullNumber);
  void m_BaseInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_BaseInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);

  // Edit card events.
  void m_BillInterface_AfterLoadBill();
  void m_BillInterface_AfterNewBill();
  void m_BillInterface_AfterNewEmptyData();
  void m_BillInterface_AfterSave(bool& bCancel);
  void m_BillInterface_BeforeSave(bool& bCancel);
  void m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);
  void m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& dctData,
                                      std::string& sErrorMessage, bool& bCancelErrorMessage);

  qor::EventMember<qor::BaseClassEvent, qor::BaseEventSink> m_BaseInterface;
  qor::EventMember<qor::BillEvent, qor::BillEventSink> m_BillInterface;
  qor::RecordsetPtr m_rsInOutType;
  int32_t m_lBillID = 0;
  int32_t m_lFuncHandle = 0;
};

}  // namespace qorarap
