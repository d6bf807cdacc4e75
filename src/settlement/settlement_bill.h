#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/events.h"
#include "core/recordset.h"
#include "host/bill_editor.h"
#include "host/list_view.h"
#include "host/plugin_class.h"
#include "settlement/settlement_side.h"

namespace qorarap {

// The receipt and payment bills (clsReceiveBill, clsPayBill): one class
// driven by its side's table of differences, bound to the bill editor and to
// the list of the bills.
class SettlementBill : public qor::PluginClass {
 public:
  explicit SettlementBill(const SettlementSide& side);
  ~SettlementBill() override;
  SettlementBill(const SettlementBill&) = delete;
  SettlementBill& operator=(const SettlementBill&) = delete;

  std::string TypeName() const override { return std::string(m_Side.className); }
  void Show(const qor::ObjectPtr& oBillInterface) override;

 private:
  class BillSink;
  class ListSink;
  class ListSinkWithGetData;

  std::shared_ptr<qor::ListEventSink> MakeListSink();
  std::string GetFunctionCode(int32_t kind) const;
  void Terminate();

  // ---- Bill editor: lifecycle, menus and toolbar, field rules, source selection.
  void m_BillInterface_AfterDoAction(const qor::HostDictionaryPtr& dct,
                                     const qor::HostDictionaryPtr& dctFld,
                                     const qor::ObjectPtr& ItemObj,
                                     const std::string& ActionTypeName,
                                     const std::string& ActionName, const std::string& Paremeters);
  void m_BillInterface_AfterLoadBill();
  void m_BillInterface_AfterNewBill();
  void m_BillInterface_AfterSelBill(int32_t lSelBillType);
  void m_BillInterface_AfterSelBillBeforeFillData(const qor::HostDictionaryPtr& dctSel,
                                                  const qor::HostDictionaryPtr& dctMap);
  void m_BillInterface_BeforeDoAction(const qor::HostDictionaryPtr& dct,
                                      const qor::HostDictionaryPtr& dctFld,
                                      const qor::ObjectPtr& ItemObj,
                                      const std::string& ActionTypeName,
                                      const std::string& ActionName, const std::string& Paremeters,
                                      bool& bCancel);
  void m_BillInterface_BeforeLoadBill(bool& bCancel);
  void m_BillInterface_BeforeSelBills(int32_t lSelBillType, const qor::ObjectPtr& oDataSrv,
                                      const qor::HostDictionaryPtr& dctLink, std::string& sFilter,
                                      qor::HostDictionaryPtr& dctParam);
  void m_BillInterface_BeforLoadBillFillData();
  void m_BillInterface_BeginEdit(const qor::HostDictionaryPtr& dct, int32_t Col, int32_t row);
  void m_BillInterface_Change(const qor::HostDictionaryPtr& dct,
                              const qor::HostDictionaryPtr& dctFld, int32_t Col, int32_t row,
                              bool& Cancel);
  void m_BillInterface_HeadCtlLostFocus(const qor::ObjectPtr& ctl,
                                        const qor::HostDictionaryPtr& dct,
                                        const qor::HostDictionaryPtr& dctFld);
  void m_BillInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);
  void m_BillInterface_SetCurrencyState(const qor::HostDictionaryPtr& dcData);
  void m_BillInterface_SetAmountForEnd(const qor::HostDictionaryPtr& dcData, int32_t iRow,
                                       const qor::HostDictionaryPtr& dct,
                                       const qor::HostDictionaryPtr& dctFld);
  void m_BillInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);

  // Lifecycle routines (settlement_lifecycle.cpp).
  void InitDiscountDecimals();
  void ApplyFieldDecimals(const std::string& key, int32_t decimals, bool alsoEditDecimals);
  void LockHeaderFields(int32_t mode);
  void SetSourceColumns();
  void SetMenusByReceiveType(int32_t type);
  void SetRowMenusByType(bool resetAmounts);
  void ResetHeaderAmounts();
  void ShowCreditStatus();
  std::string GetCreditStatusText(const std::string& number, int32_t billType);
  void ArrangeLoadedMenus(int32_t status, bool editable);
  void MarkPushedFields(int32_t billId);
  void LockPushedPaymentFields();
  void SetHeaderFieldFlag(const std::string& key, bool value);
  int32_t PushedOrigin(int32_t billId);
  void SetBandToolProperty(const std::string& band, const std::string& key,
                           const std::string& property, const qor::Variant& value);

  // Menu and toolbar routines (settlement_menus.cpp).
  void CreateBillTools(qor::ToolbarControl& bar);
  qor::ToolPtr CreateTool(qor::ToolbarControl& bar, const std::string& key,
                          const std::string& caption, const std::string& description,
                          const std::string& toolTip, const std::string& picture);
  void TickAutoOption(qor::ToolbarControl& bar);
  void ArrangeEditorBands();

  // Field rules (settlement_field_rules.cpp, settlement_amount_rules.cpp).
  void SetExchangeRateLock(bool isLocal);
  void ApplyDiscountRate(double discount);
  void ChangeField(const std::string& key, const qor::HostDictionaryPtr& dctFld, int32_t row);
  void OnCounterpartyChanged(const qor::HostDictionaryPtr& dctFld);
  void OnSourceNumberChanged(const qor::HostDictionaryPtr& dctFld, int32_t row);
  void OnTypeChanged(const qor::HostDictionaryPtr& dctFld);
  void OnCurrencyChanged(const qor::HostDictionaryPtr& dctFld);
  void OnDiscountChanged(const qor::HostDictionaryPtr& dctFld);
  void OnPaidAmountChanged(const qor::HostDictionaryPtr& dctFld);
  void OnGrossAmountChanged(const qor::HostDictionaryPtr& dctFld);
  void OnAccountChanged(const qor::HostDictionaryPtr& dctFld);
  void OnRateChanged(const qor::HostDictionaryPtr& dctFld);
  void GrossFromPaidAmount();
  void SpreadRateToRows(int32_t currencyId, double rate, bool roundFirst, int32_t currencyDecimals);
  void RewriteLocalFormat(const std::string& key);
  void FillFromCounterparty(const std::string& key, const std::string& sql);
  bool IsAutoOptionChecked();
  double HeaderNumber(const std::string& key);
  double RowNumber(const std::string& key, int32_t row);
  void WriteTextAndValue(const std::string& key, int32_t row, const std::string& text,
                         const qor::Variant& value);
  int32_t CurrencyDecimals(int32_t currencyId);
  double RateOfCurrency(int32_t currencyId);

  // Source selection (settlement_selection.cpp).
  void CompleteSelectedRow(int32_t row, int32_t headerCurrency, double headerRate,
                           int32_t localDecimals);
  void TakeDepartmentAndEmployee(const qor::HostDictionaryPtr& dctSel);
  // ---- end of lifecycle, menus, field rules, selection.

  // ---- Bill editor: save checks, automatic sum and split, bill commands.
  void m_BillInterface_BeforeSave(bool& bCancel);
  void m_BillInterface_SaveBillFailed(const qor::HostDictionaryPtr& dctData,
                                      std::string& sErrorMessage, bool& bCancelErrorMessage);
  void m_BillInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);

  // Save checks (settlement_save_checks.cpp).
  void IsSourceChecked(int32_t classId, int32_t interId, bool checkAudited, int32_t& code,
                       bool& ok);
  void UpdateSettleFields();
  bool CheckCurrencyMix();
  struct RowCheckState;
  bool CheckHeaderBeforeRows(RowCheckState& state, bool& done);
  bool CheckPrepayment(double gross, int32_t db);
  bool CheckSettlementRows(RowCheckState& state);
  bool CheckSettlementRow(int32_t row, RowCheckState& state);
  bool IsOverSettled(int32_t row, double settle, double open, int32_t dl);
  void StoreDiscount();

  // Automatic sum and split (settlement_auto_amounts.cpp).
  void AutoSplitAmount();
  void AutoSumAmount();
  void FinishSplit(double remaining, int32_t headerDecimals);

  // Bill commands (settlement_commands.cpp, settlement_bill_operations.cpp).
  bool RunBillCommand(const std::string& key, const qor::ToolPtr& tool, bool& Cancel);
  bool RunEditorCommand(const std::string& key, const qor::ToolPtr& tool, bool& Cancel);
  void CheckBillCommand(bool& Cancel);
  void UncheckBillCommand(bool& Cancel);
  void DeleteBillCommand(bool& Cancel);
  bool PassesDeleteRecordChecks(const qor::RecordsetPtr& record);
  bool PassesPreparerRule(const qor::RecordsetPtr& record);
  bool PassesSourceTest(const qor::RecordsetPtr& record);
  void LookUpSourceBills(const qor::ToolPtr& tool, bool& Cancel);
  void ChooseSourceType(const qor::ToolPtr& tool, bool& Cancel);
  void ChooseSourceMenu(const qor::ToolPtr& tool, bool& Cancel);
  void SwitchRedBlue(const qor::ToolPtr& tool);
  void PrepareSave();
  void RefreshRateBeforeExit();
  void ToggleAutoAmountOption();
  bool CheckCheckerNotPreparer();
  struct BillOperationResult {
    bool success = false;
    int32_t code = 0;
    std::string message;
  };
  BillOperationResult PerformBillOperation(int32_t operation, int32_t transType, int32_t interId);
  void ShowBillHelp();
  void ViewBillVoucher();
  void ResetForRedBlue();
  bool IsPushedUnsaved(int32_t billId);
  // ---- end of save checks, automatic amounts, commands.

  // ---- List of the bills.
  void m_LstInterface_BarInitialize(const qor::ToolbarControlPtr& oActiveBar);
  void m_LstInterface_AfterGetData();
  void m_LstInterface_MenuBarClick(const qor::ToolPtr& LOOMTool, bool& Cancel);
  void m_LstInterface_MenuBarInitialize(const qor::ToolbarControlPtr& oMenuBar);
  void AddListCommandTools(const qor::ToolbarControlPtr& oActiveBar);
  void ListDelete(const qor::HostVectorPtr& selection, bool refresh, bool& Cancel);
  void ListCheck(const qor::HostVectorPtr& selection, bool refresh, bool& Cancel);
  void ListUncheck(const qor::HostVectorPtr& selection, bool refresh, bool& Cancel);
  void ListVoucher(const qor::HostVectorPtr& selection, bool& Cancel);
  void RefreshListAfterCommand(bool refresh);
  // The stored bill of a selected row (one record per entry row).
  qor::RecordsetPtr GetStoredBill(int32_t billId);
  bool ValidateListOperation(const qor::HostVectorPtr& selection, int32_t operation);
  // The refusal of one stored bill for the operation, "" when it may go on.
  std::string ListRefusal(qor::Recordset& bill, int32_t operation, int32_t& buttons);
  void RunListOperation(const qor::HostVectorPtr& selection, int32_t operation);
  void ShowLinkedBill();

  // ---- end of list.

  const SettlementSide& m_Side;
  qor::EventMember<qor::BillEvent, qor::BillEventSink> m_BillInterface;
  qor::EventMember<qor::ListEvents, qor::ListEventSink> m_LstInterface;
  qor::RecordsetPtr m_rsList;
  std::shared_ptr<qor::ListDefinition> m_objListDef;
  int32_t m_lBillID = 0;
  int32_t m_lFuncHandle = 0;
  // ---- State of lifecycle, menus, field rules, selection.
  int32_t m_iDiscountDecimals = 0;
  bool m_bLoaded = false;
  int32_t m_lLastCustomerID = 0;
  std::string m_sRptTransDate;
  bool m_bMenuInitialized = false;
  // ---- end.
  // ---- State of save checks, automatic amounts, commands.
  // ---- end.
  // ---- State of the list.
  // ---- end.
};

}  // namespace qorarap
