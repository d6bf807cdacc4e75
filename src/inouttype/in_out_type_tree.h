#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/recordset.h"
#include "frame/function_codes.h"
#include "host/base_data.h"
#include "host/bill_editor.h"
#include "host/components.h"
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
  void Terminate();
  // The product's type service, created for one call.
  static std::shared_ptr<qor::InOutTypeComponent> TypeService();

  // Type tree events (in_out_type_tree_commands.cpp).
  void m_BaseInterface_AfterGetData();
  void m_BaseInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_BaseInterface_ClassGroupSelected(int32_t Button, int32_t ClassGroupType,
                                          int32_t ClassGroupID,
                                          const std::string& ClassGroupFullNumber);
  void m_BaseInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_BaseInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);

  // The tree's guarded commands (in_out_type_tree_commands.cpp).
  bool DeleteCommandRefused();
  bool ModifyCommandRefused();
  bool CheckTypeUsable(int32_t id, const std::string& title);
  bool LockTypeForEdit(int32_t id);
  void ShowTypeHelp();

  // Edit card events (in_out_type_card.cpp).
  void m_BillInterface_AfterLoadBill();
  void m_BillInterface_AfterNewBill();
  void m_BillInterface_AfterNewEmptyData();
  void m_BillInterface_AfterSave(bool& bCancel);
  void m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);
  void m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& dctData,
                                      std::string& sErrorMessage, bool& bCancelErrorMessage);
  void HideCardToolbarTools(const std::vector<std::string>& keys);

  // Checks of a type before it is saved (in_out_type_save_check.cpp).
  void m_BillInterface_BeforeSave(bool& bCancel);
  bool SaveCheckFails();
  bool ParentRefused(int32_t id, const std::string& parentNumber, int32_t classTypeId);
  bool NameRefused(int32_t id, const std::string& name, const std::string& parentNumber);
  bool ParentBusinessRefused(const std::string& parentNumber);

  qor::EventMember<qor::BaseClassEvent, qor::BaseEventSink> m_BaseInterface;
  qor::EventMember<qor::BillEvent, qor::BillEventSink> m_BillInterface;
  qor::RecordsetPtr m_rsInOutType;
  int32_t m_lBillID = 0;
  int32_t m_lFuncHandle = 0;
  // The number of the type last checked for saving; a new type on the card
  // starts from it.
  std::string m_sNumber;
};

}  // namespace qorarap
