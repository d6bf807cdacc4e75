#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "frame/function_codes.h"

namespace qorarap {

// What tells the receipt bill (clsReceiveBill) from the payment bill
// (clsPayBill); everything else of the two is one design.
struct SettlementSide {
  std::string_view className;
  FunctionCodes functionCodes;
  // The receipt re-reads the ledger view's currencies when its window closes.
  bool refreshCurrencySetOnDestroy;
  // The receipt list reacts to its data being fetched; the payment list does not.
  bool listHandlesAfterGetData;
  // ---- Differences of lifecycle, menus, field rules, selection.
  int32_t billType;                    // 1000201 / 1000202
  std::string_view counterpartyKey;    // "FCustomerID" / "FSupplyID"
  std::string_view counterpartyTable;  // base data of the counterparty lookups
  std::string_view typeKey;            // "FReceiveTypeId" / "FPayTypeId"
  std::string_view paidKeyFor;         // amount received / paid
  std::string_view paidKey;
  std::string_view sourceNumberKey;     // "FInvoiceBillNo" / "FPurchaseBillNo"
  std::string_view initialBalanceText;  // source number of an initial balance
  std::string_view openKeyFor;          // open amount of the source document
  std::string_view openKey;
  std::string_view settledKeyFor;  // amount of it settled before
  std::string_view settledKey;
  std::string_view discountFormula;       // the editor's formula AfterDoAction rounds
  std::string_view autoOptionItem;        // option: gross amount from the received amount
  std::string_view autoOptionProfileKey;  // its user profile key
  std::string_view selectBillItem;        // source-selection tool
  std::string_view pushTable;             // bill table of the push-down bookkeeping
  int32_t prepaymentType;                 // no settlement rows
  int32_t sourceColumnsType;              // source line columns shown
  // SetMenusByReceiveType: the types that enable the selection tools (empty:
  // every type but the prepayment) and whether the prepayment disables them.
  std::array<int32_t, 2> selectionTypes;
  bool selectionForEveryOtherType;
  // Fields unlocked by LockHeaderFields(0) on top of the common ones.
  std::array<std::string_view, 3> extraUnlockedFields;
  // After loading: the red / blue bill items are arranged, and a bill pushed
  // from these document classes with this source has these fields locked.
  bool arrangesRedBlueItems;
  std::array<int32_t, 2> pushedOriginClasses;
  int32_t pushedOriginSource;
  std::array<std::string_view, 10> pushedLockedFields;
  std::string_view currencyMessage;  // BeginEdit of the source number without currency
  bool employeeFilterInParentheses;
  // Currency change: the row amount is rounded to the currency first; the paid
  // amount in transaction currency is also rewritten; the rate written again.
  bool roundsRowAmountOnCurrencyChange;
  bool rewritesPaidForOnCurrencyChange;
  bool rewritesRateOnCurrencyChange;
  // Source selection: codes, views and their columns.
  int32_t documentSelectionCode;
  int32_t refundSelectionCode;
  std::string_view documentView;
  std::string_view documentCounterpartyColumn;
  std::string_view refundView;
  std::string_view refundCounterpartyColumn;
  // Menus: the row items hidden at the start and shown at the end, the
  // voucher item created before the automatic sum, the descriptions.
  bool hidesRowCopyItems;
  bool showsRowItemsAtEnd;
  bool viewVoucherBeforeAutoSum;
  std::string_view autoSumDescription;
  std::string_view autoPartDescription;
  // ---- end.
  // ---- Differences of save checks, automatic amounts, commands.
  // A source class and the text of the query that reads whether its document is audited.
  struct SourceAuditQuery {
    int32_t classId;
    std::string_view sql;
  };
  std::string_view billTable;      // "t_RP_RBill"
  int32_t repeatSourceType;        // the same source line may stand on several rows
  int32_t rightsObject;            // rights object of the check, uncheck, delete rights
  std::string_view arApComponent;  // bill checking and prepayment component
  std::array<SourceAuditQuery, 4> sourceAuditQueries;  // classId 0 ends the list
  std::string_view settleFieldsUpdate;  // start of the UPDATE of the settlement fields
  // Save checks.
  std::string_view msgCurrencyMixForeign;
  std::string_view msgCurrencyMixRows;  // "" when rows of other currencies are not refused
  std::string_view msgWrittenOff;
  std::string_view msgZeroAmount;
  std::string_view msgPrepaymentLimit;
  std::string_view msgDuplicateSource;
  std::string_view msgRowNotHeaderCurrency;
  std::string_view msgRowNotFirstCurrency;
  std::string_view msgTotalMismatch;
  bool readsMulExchangeRate;  // the payment reads the currency's rate operator
  std::string_view saveFailedFieldAction;
  // Automatic split and sum.
  std::string_view msgSplitNeedsAmount;
  std::string_view msgSplitRemainderHead;
  std::string_view msgSplitRemainderTail;
  std::string_view msgSumNoSource;
  std::string_view msgSumZero;
  bool splitLocksDiscountAccount;  // after a complete split, by the discount rate
  // Commands.
  int32_t settleType;  // type that selects open documents (1001 / 1003)
  std::string_view msgChoosePartner;
  std::string_view lookupField;
  bool handlesSourceMenus;  // radio items mnuSelectBill_1000000/1000002/1000005
  bool handlesRedBlue;
  bool handlesRowItems;               // mnuEditAddRow / mnuEditDelRow taken with no action
  bool preparerRuleBeforeSourceTest;  // order of the delete checks
  bool notifiesPlatform;              // InsertRecvBill / DeleteRecvBill
  std::string_view msgPushedDelete;
  std::string_view msgSourceMissingDelete;
  std::string_view helpTopic;
  bool setsHelpBandCaption;
  // ---- end.
  // ---- Differences of the list.
  // The receipt list opens the bill a row settles ("viewBill").
  bool listHandlesViewBill;
  // The payment list offers export ("mnuExportData" in "mnuFile").
  bool listShowsExportData;
  // ---- end.
};

inline constexpr SettlementSide kReceiptSide{
    .className = "clsReceiveBill",
    .functionCodes = {"AR0225", "AR0226", "AR0227", "", "", "AR0224", "AR0228", "AR0223"},
    .refreshCurrencySetOnDestroy = true,
    .listHandlesAfterGetData = true,
    // ---- lifecycle, menus, field rules, selection.
    .billType = 1000201,
    .counterpartyKey = "FCustomerID",
    .counterpartyTable = "t_Organization",
    .typeKey = "FReceiveTypeId",
    .paidKeyFor = "FReceiveAmountFor",
    .paidKey = "FReceiveAmount",
    .sourceNumberKey = "FInvoiceBillNo",
    .initialBalanceText = "期初应收",
    .openKeyFor = "FBillUnReceiveAmountFor",
    .openKey = "FBillUnReceiveAmount",
    .settledKeyFor = "FBillReceiveAmountFor",
    .settledKey = "FBillReceiveAmount",
    .discountFormula = "FDiscount=(FReceiveAmountFor/FAmountFor)*100",
    .autoOptionItem = "mnuAutoCalRecAmount",
    .autoOptionProfileKey = "AutoCalRecAmount",
    .selectBillItem = "mnuSelectBill_2000001",
    .pushTable = "t_RP_RBill",
    .prepaymentType = 1002,
    .sourceColumnsType = 1009,
    .selectionTypes = {1001, 1009},
    .selectionForEveryOtherType = false,
    .extraUnlockedFields = {},
    .arrangesRedBlueItems = false,
    .pushedOriginClasses = {},
    .pushedOriginSource = 0,
    .pushedLockedFields = {},
    .currencyMessage = "请设置收款单币别!",
    .employeeFilterInParentheses = true,
    .roundsRowAmountOnCurrencyChange = true,
    .rewritesPaidForOnCurrencyChange = false,
    .rewritesRateOnCurrencyChange = false,
    .documentSelectionCode = 2000001,
    .refundSelectionCode = 2000003,
    .documentView = "vw_arap_RBillList",
    .documentCounterpartyColumn = "FOriCustID",
    .refundView = "vw_arap_RBackBillList",
    .refundCounterpartyColumn = "FCustID",
    .hidesRowCopyItems = true,
    .showsRowItemsAtEnd = true,
    .viewVoucherBeforeAutoSum = false,
    .autoSumDescription = "应收单据自动合计收款金额",
    .autoPartDescription = "应收单据自动分摊收款金额",
    // ---- end.
    // ---- save checks, automatic amounts, commands.
    .billTable = "t_RP_RBill",
    .repeatSourceType = 1009,
    .rightsObject = 1000201,
    .arApComponent = "QORebsArApBill.clsArBill",
    .sourceAuditQueries = {{
        {1000000, "Select IsNull(FCheckerID,0) As FCheckerID From ICSale Where FInterID= "},
        {1000002, "Select IsNull(FCheckerID,0) As FCheckerID From ICSale Where FInterID= "},
        {1000205, "Select IsNull(FCheckerID,0) As FCheckerID From t_Rp_RotherBill Where FBillID= "},
        {0, ""},
    }},
    .settleFieldsUpdate = " UPDATE t_RP_RBill SET FSettleID=",
    .msgCurrencyMixForeign = "收款单币别与表体币别不能同时是不同种类的外币,请重新设置!",
    .msgCurrencyMixRows = "",
    .msgWrittenOff = "该单据已经被核销,不能再修改本收款单!",
    .msgZeroAmount = "收款单的收款金额为零，不允许保存。",
    .msgPrepaymentLimit = "当前预收款金额大于该客户已有预收金额，不允许保存。",
    .msgDuplicateSource = "第%1行源单和第%2行源单重复，不允许保存。",
    .msgRowNotHeaderCurrency =
        "收款单不支持多币别核算,第%1行币别与收款单不是同一外币币别，不允许保存。",
    .msgRowNotFirstCurrency =
        "收款单不支持对多币别应收款单据收款,第%1行币别与第一行不是同币别，不允许保存。",
    .msgTotalMismatch = "收款单单据头的收款金额与单据体的本次核销金额总和不相等，不允许保存。",
    .readsMulExchangeRate = false,
    .saveFailedFieldAction = "FCustomerId",
    .msgSplitNeedsAmount = "请输入收款单的收款金额后再使用自动分摊功能!",
    .msgSplitRemainderHead = "收款金额还余下",
    .msgSplitRemainderTail = "未被分摊完,请调整收款金额或添加收款发票!",
    .msgSumNoSource = "请至少选择一张需要收款的源单!",
    .msgSumZero = "收款单据的本次核销金额总和为零,请先输入本次核销金额!",
    .splitLocksDiscountAccount = false,
    .settleType = 1001,
    .msgChoosePartner = "请选择客户",
    .lookupField = "FInvoiceBillNo",
    .handlesSourceMenus = true,
    .handlesRedBlue = true,
    .handlesRowItems = false,
    .preparerRuleBeforeSourceTest = true,
    .notifiesPlatform = true,
    .msgPushedDelete = "下推中的收款单据（未保存），不允许直接删除，",
    .msgSourceMissingDelete = "收款单源单不存在，不允许删除。",
    .helpTopic = "RP1000201",
    .setsHelpBandCaption = true,
    // ---- end.
    // ---- list.
    .listHandlesViewBill = true,
    .listShowsExportData = false,
    // ---- end.
};

inline constexpr SettlementSide kPaymentSide{
    .className = "clsPayBill",
    .functionCodes = {"AP0225", "AP0226", "AP0227", "", "", "AP0224", "AP0228", "AP0223"},
    .refreshCurrencySetOnDestroy = false,
    .listHandlesAfterGetData = false,
    // ---- lifecycle, menus, field rules, selection.
    .billType = 1000202,
    .counterpartyKey = "FSupplyID",
    .counterpartyTable = "t_Supplier",
    .typeKey = "FPayTypeId",
    .paidKeyFor = "FPayAmountFor",
    .paidKey = "FPayAmount",
    .sourceNumberKey = "FPurchaseBillNo",
    .initialBalanceText = "期初应付",
    .openKeyFor = "FBillUnPayAmountFor",
    .openKey = "FBillUnPayAmount",
    .settledKeyFor = "FBillPayAmountFor",
    .settledKey = "FBillPayAmount",
    .discountFormula = "FDiscount=(FPayAmountFor/FAmountFor)*100",
    .autoOptionItem = "mnuAutoCalPayAmount",
    .autoOptionProfileKey = "AutoCalPayAmount",
    .selectBillItem = "mnuSelectBill_2000002",
    .pushTable = "t_RP_PBill",
    .prepaymentType = 1004,
    .sourceColumnsType = 1010,
    .selectionTypes = {},
    .selectionForEveryOtherType = true,
    .extraUnlockedFields = {"FPayTypeId", "FPurchaseBillNo", "FBillSettleAmountFor"},
    .arrangesRedBlueItems = true,
    .pushedOriginClasses = {1000018, 1000014},
    .pushedOriginSource = 8,
    .pushedLockedFields = {"FCurrencyID", "fExchangeRate", "FSettleAmountfor_3", "FDiscountFor_3",
                           "FSettleAmountFor", "FSettleAmount_3", "FDiscount", "FDate",
                           "FItemClassID", "FCustomer"},
    .currencyMessage = "请设置付款单币别!",
    .employeeFilterInParentheses = false,
    .roundsRowAmountOnCurrencyChange = false,
    .rewritesPaidForOnCurrencyChange = true,
    .rewritesRateOnCurrencyChange = true,
    .documentSelectionCode = 2000002,
    .refundSelectionCode = 2000004,
    .documentView = "vw_arap_PBillList",
    .documentCounterpartyColumn = "FOriSupplyID",
    .refundView = "vw_arap_PBackBillList",
    .refundCounterpartyColumn = "FSupplyID",
    .hidesRowCopyItems = false,
    .showsRowItemsAtEnd = false,
    .viewVoucherBeforeAutoSum = true,
    .autoSumDescription = "应付单据自动合计付款金额",
    .autoPartDescription = "应付单据自动分摊付款金额",
    // ---- end.
    // ---- save checks, automatic amounts, commands.
    .billTable = "t_RP_PBill",
    .repeatSourceType = 1010,
    .rightsObject = 1000202,
    .arApComponent = "QORebsArApBill.clsApBill",
    .sourceAuditQueries = {{
        {1000003, "Select IsNull(FCheckerID,0) As FCheckerID from ICPurchase Where FInterID= "},
        {1000004, "Select IsNull(FCheckerID,0) As FCheckerID from ICPurchase Where FInterID= "},
        {1000206, "Select IsNull(FCheckerID,0) As FCheckerID from t_rp_potherbill Where FBillID= "},
        {94, "Select IsNull(FCheckerID,0) As FCheckerID from ICOutExpense Where FInterID= "},
    }},
    .settleFieldsUpdate = " UPDATE t_RP_PBill SET FSettleID=",
    .msgCurrencyMixForeign = "付款单币别与表体币别不能同时是不同种类的外币,请重新设置!",
    .msgCurrencyMixRows = "只能对同一种币别付款,请重新设置!",
    .msgWrittenOff = "该单据已经被核销,不能再修改本付款单!",
    .msgZeroAmount = "付款单的付款金额为零，不允许保存。",
    .msgPrepaymentLimit = "当前预付款金额大于该供应商已有预付金额，不允许保存。",
    .msgDuplicateSource = "第%1行源单和第%2行源单编号重复，不允许保存。",
    .msgRowNotHeaderCurrency =
        "付款单不支持多币别核算,第%1行币别与付款单不是同一币别，不允许保存。",
    .msgRowNotFirstCurrency =
        "付款单不支持对多币别应付款单据付款,第%1行币别与第一行不是同币别，不允许保存。",
    .msgTotalMismatch = "付款单单据头的付款金额与单据体的本次核销金额总和不相等，不允许保存。",
    .readsMulExchangeRate = true,
    .saveFailedFieldAction = "FSupplyId",
    .msgSplitNeedsAmount = "请输入付款单的付款金额后再使用自动分摊功能!",
    .msgSplitRemainderHead = "付款金额还余下",
    .msgSplitRemainderTail = "未被分摊完,请调整付款金额或者添加付款发票!",
    .msgSumNoSource = "请至少选择一张需要付款的源单!",
    .msgSumZero = "付款单据的本次核销金额总和为零,请先输入本次核销金额!",
    .splitLocksDiscountAccount = true,
    .settleType = 1003,
    .msgChoosePartner = "请选择供应商",
    .lookupField = "FPurchaseBillNo",
    .handlesSourceMenus = false,
    .handlesRedBlue = false,
    .handlesRowItems = true,
    .preparerRuleBeforeSourceTest = false,
    .notifiesPlatform = false,
    .msgPushedDelete = "下推中的付款单据（未保存），不允许直接删除，",
    .msgSourceMissingDelete = "付款单源单不存在，不允许删除。",
    .helpTopic = "RP1000202",
    .setsHelpBandCaption = false,
    // ---- end.
    // ---- list.
    .listHandlesViewBill = false,
    .listShowsExportData = true,
    // ---- end.
};

}  // namespace qorarap
