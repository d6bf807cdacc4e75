#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/events.h"
#include "core/recordset.h"
#include "host/bill_editor.h"
#include "host/list_view.h"
#include "host/plugin_class.h"
#include "otherbills/other_bill_side.h"

namespace qorarap {

// The other receivable and other payable bills (clsROtherBill,
// clsPOtherBill): one class driven by its side's table of differences, bound
// to the bill editor and to the list of the bills. Reads every income/expense
// type when it is created.
class OtherBill : public qor::PluginClass {
 public:
  explicit OtherBill(const OtherBillSide& side);
  ~OtherBill() override;
  OtherBill(const OtherBill&) = delete;
  OtherBill& operator=(const OtherBill&) = delete;

  std::string TypeName() const override { return std::string(m_Side.className); }
  void Show(const qor::ObjectPtr& oBillInterface) override;

 private:
  class BillSink;
  class ListSink;

  std::string GetFunctionCode(int32_t kind) const;
  void Terminate();

  // ---- Bill editor: lifecycle, field rules, save check and credit control.
  void m_BillInterface_AfterLoadBill();
  void m_BillInterface_AfterNewBill();
  void m_BillInterface_SetCurrencyState(const qor::HostDictionaryPtr& dcData);
  void m_BillInterface_AfterSave(bool& bCancel);
  void m_BillInterface_BeforeSave(bool& bCancel);
  void m_BillInterface_BeginEdit(const qor::HostDictionaryPtr& dct, int32_t Col, int32_t row);
  void m_BillInterface_Change(const qor::HostDictionaryPtr& dct,
                              const qor::HostDictionaryPtr& dctFld, int32_t Col, int32_t row,
                              bool& Cancel);
  void m_BillInterface_HeadCtlLostFocus(const qor::ObjectPtr& ctl,
                                        const qor::HostDictionaryPtr& dct,
                                        const qor::HostDictionaryPtr& dctFld);
  // Field rules shared by the handlers.
  void ApplyFieldDecimals(const std::string& key, int32_t decimals, bool alsoEditDecimals);
  void SumEntryAmounts();
  void LockSettleFields();
  void RecalcDueDate();
  void SetExchangeRateLock(bool isLocal);
  void RecalcRowLocalAmounts(int32_t rowCount);
  void ChangeCurrency(const qor::HostDictionaryPtr& dctFld, int32_t rowCount);
  bool RefuseNonLeafType(const qor::HostDictionaryPtr& dctFld);
  void TakePartnerAccount(const qor::HostDictionaryPtr& dctFld);
  // Lifecycle helpers: menus and tools of a loaded bill.
  void SetLoadedBillMenus(int32_t status);
  void SwitchTool(const std::string& band, const std::string& tool, bool on);
  bool IsOnAccount();
  bool IsOnAccountValue(const qor::Variant& billType) const;
  std::shared_ptr<qor::BillEvent> Editor() const { return m_BillInterface.Get(); }
  qor::RecordsetPtr ExecuteSql(const std::string& sql);
  // Credit status and credit control.
  void ShowCreditStatus();
  void ClearCreditStatus();
  std::string GetCreditStatusText(const std::string& number, const qor::Variant& classType);
  int16_t CheckCreditLimit();
  double PartnerBalance(const std::string& number);
  qor::HostDictionaryPtr BalanceReportParameters(const std::string& number) const;
  // Save check.
  struct SaveTotals;
  bool CheckSaveRows(SaveTotals& totals);
  bool CheckSaveHeader();
  bool ConfirmCreditLimit();
  void ShowSettleAccountHint();
  bool Refuse(const std::string& message, bool& bCancel);
  // ---- end of lifecycle, field rules, save check.

  // ---- Bill editor: commands and menus; the list of the bills.
  void m_BillInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);
  void m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);

  // Outcome of an audit, unaudit or delete through the simple interface of
  // the bill service: the line reported to the user.
  struct BillOperationResult {
    bool success = false;
    int32_t code = 0;
    std::string message;
  };

  // Editor commands.
  void CheckBillCommand(const std::string& billNo, bool& Cancel);
  void UnCheckBillCommand(const std::string& billNo, bool& Cancel);
  void DeleteBillCommand(bool& Cancel);
  void ReportCheckResult(int32_t result, const std::string& word, const std::string& billNo,
                         const std::string& message);
  bool CheckCheckerNotPreparer();
  BillOperationResult PerformBillOperation(int32_t operation, int32_t transType, int32_t id);
  void ShowBillHelp();
  void ViewBillVoucher();
  // Editor menus.
  void HideEditorTools(const qor::ToolbarControlPtr& toolBar);
  void AddEditorTools(const qor::ToolbarControlPtr& oMenuBar);
  // List commands.
  void DeleteSelectedBills(const qor::HostVectorPtr& selection, bool& Cancel);
  void CheckSelectedBills(const qor::HostVectorPtr& selection, bool& Cancel);
  void UnCheckSelectedBills(const qor::HostVectorPtr& selection, bool& Cancel);
  void ViewSelectedVoucher(const qor::HostVectorPtr& selection, bool& Cancel);
  bool IsBeforePeriod(const qor::HostVectorPtr& selection);
  bool ValidateListOperation(const qor::HostVectorPtr& selection, int32_t operation);
  bool ValidateListRow(const qor::RecordsetPtr& rs, int32_t operation);
  void RunListOperation(const qor::HostVectorPtr& selection, int32_t operation);
  void ShowRelatedBills(const qor::HostVectorPtr& selection);
  void RefreshListAfterOperation();
  qor::RecordsetPtr GetStoredBill(const qor::Variant& billId);
  // List toolbar.
  void ArrangePickingToolbar(const qor::ToolbarControlPtr& oActiveBar);
  void ArrangeListToolbar(const qor::ToolbarControlPtr& oActiveBar);
  void PlaceListCheckTools(const qor::ToolbarControlPtr& oActiveBar);
  // ---- end of commands, menus, list.

  const OtherBillSide& m_Side;
  qor::EventMember<qor::BillEvent, qor::BillEventSink> m_BillInterface;
  qor::EventMember<qor::ListEvents, qor::ListEventSink> m_LstInterface;
  qor::RecordsetPtr m_rsInOutType;
  int32_t m_lBillID = 0;
  int32_t m_lFuncHandle = 0;
  // ---- State of lifecycle, field rules, save check.
  // ---- end.
  // ---- State of commands, menus, list.
  // ---- end.
};

}  // namespace qorarap
