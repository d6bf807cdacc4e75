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
  // ---- end.
  // ---- Differences of the list.
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
    // ---- end.
    // ---- list.
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
    // ---- end.
    // ---- list.
    // ---- end.
};

}  // namespace qorarap
