#pragma once

#include <cstdint>
#include <string_view>

#include "frame/function_codes.h"

namespace qorarap {

// What tells the other receivable bill (clsROtherBill) from the other
// payable bill (clsPOtherBill); everything else of the two is one design.
struct OtherBillSide {
  std::string_view className;
  FunctionCodes functionCodes;
  // ---- Differences of lifecycle, field rules, save check.
  int32_t settledBillType;    // paid or received at once
  int32_t onAccountBillType;  // a receivable or payable of the partner
  // The partner field: in the field rules, the credit status of the header
  // page, and the partner required by the save check.
  std::string_view partnerKey;
  std::string_view creditStatusPartnerKey;
  std::string_view requiredPartnerKey;
  std::string_view partnerTable;
  std::string_view paymentTermsSelect;  // the select list and first table of the terms query
  std::string_view partnerAccountSql;   // followed by the partner id and ")"
  std::string_view nonLeafTypeMessage;
  bool hidesChangeMenuWhenEditable;  // AfterLoadBill of a bill not checked
  bool clearsCreditStatusAfterSave;  // AfterSave of a bill settled at once
  // Save check: the other side's bills may not carry the same number.
  std::string_view duplicateNumberComponent;
  bool duplicateNumberOfReceivables;  // GetARBillInfo rather than GetAPBillInfo
  std::string_view duplicateNumberMessage;
  std::string_view partnerRequiredMessage;
  std::string_view rowWithoutAmountMessage;
  std::string_view rowTypeNotLeafMessage;
  std::string_view rowWithoutTypeMessage;
  std::string_view sameAccountMessage;
  std::string_view zeroTotalMessage;
  std::string_view creditWarningMessage;
  std::string_view creditRefusalMessage;
  std::string_view creditControlSql;
  std::string_view storedBillTable;
  // The balance report: receivables (GetRpt131Data) or payables (GetRpt132Data)
  // and the names of its partner-specific parameters.
  bool reportOfReceivables;
  std::string_view reportBeginPartnerKey;
  std::string_view reportEndPartnerKey;
  std::string_view reportNoInvoiceKey;
  std::string_view reportCashInvoiceKey;
  std::string_view reportSumName;
  bool settleAccountHintOfReceivables;  // the argument of GetBill
  std::string_view settleAccountHint;
  // ---- end.
  // ---- Differences of commands, menus, list.
  // Rights object of the audit, unaudit and delete rights.
  int32_t rightsObject;
  // The bill service component that audits, unaudits and deletes.
  std::string_view billService;
  // Business-log codes: audit / unaudit from the editor, and the simple
  // operation shared by the editor's delete and the list.
  std::string_view editorLogCode;
  std::string_view operationLogCode;
  std::string_view helpTopic;
  // Whether "mnuFileNew" empties the credit panel of the status bar.
  bool newClearsCreditPanel;
  // Whether the menu bar hides and disables the copy-row and batch-fill
  // tools itself; otherwise only copy-row is hidden through the editor's
  // own toolbar.
  bool menuBarHidesRowTools;
  // Start of the query of the bill's voucher.
  std::string_view voucherQuery;
  // ---- end.
};

inline constexpr OtherBillSide kOtherReceivableSide{
    .className = "clsROtherBill",
    .functionCodes = {"AR0303", "AR0304", "AR0305", "", "", "AR0302", "AR0306", "AR0301"},
    // ---- lifecycle, field rules, save check.
    .settledBillType = 1005,
    .onAccountBillType = 1006,
    .partnerKey = "FCustomerID",
    .creditStatusPartnerKey = "FCustomerID",
    .requiredPartnerKey = "FCustomerID",
    .partnerTable = "t_Organization",
    .paymentTermsSelect =
        " Select t2.FType,t2.FStandDays,t2.FMonthPayDay,t2.FBeforeDays From t_Organization t1 ",
    .partnerAccountSql =
        "Select FNumber From t_Account Where FAccountID=(Select FAcctID From "
        "t_Organization Where FItemID=",
    .nonLeafTypeMessage = "请选择收入类别的明细类别",
    .hidesChangeMenuWhenEditable = false,
    .clearsCreditStatusAfterSave = false,
    .duplicateNumberComponent = "QORebsArAPBill.clsApOtherBill",
    .duplicateNumberOfReceivables = false,
    .duplicateNumberMessage = "编号相同的费用支出单据已经存在，请检查单据编号和编码规则。",
    .partnerRequiredMessage = "请指定客户名称!",
    .rowWithoutAmountMessage = "第%1行分录没有录入收款金额，请录入收款金额。",
    .rowTypeNotLeafMessage = "第%1行分录收入类别不是明细类别，请重新选择。",
    .rowWithoutTypeMessage = "第%1行分录没有选择收入类别，请选择收入类别。",
    .sameAccountMessage = "收入类别科目同结算账户科目相同，请修改。",
    .zeroTotalMessage = "单据收入明细的金额合计为0，不允许保存。",
    .creditWarningMessage = "此客户已超出信用额度，是否继续保存？",
    .creditRefusalMessage = "此客户已超出信用额度，不允许保存!",
    .creditControlSql =
        "Select FValue From t_SystemProfile Where FCategory='IC' And FKey='CreditDegree'",
    .storedBillTable = "t_RP_ROtherBill",
    .reportOfReceivables = true,
    .reportBeginPartnerKey = "BCustNumber",
    .reportEndPartnerKey = "ECustNumber",
    .reportNoInvoiceKey = "ExportNoInvoice",
    .reportCashInvoiceKey = "CashSaleInvoice",
    .reportSumName = "客户",
    .settleAccountHintOfReceivables = true,
    .settleAccountHint =
        "此单审核后，将生成[客户]的一笔应收账款，可以通过收款单或核销单对此单进行后期收款处理。"
        "为确保同财务对账的数据一致，结算账户请选择应收账款、其他应收款或同类型科目!",
    // ---- end.
    // ---- commands, menus, list.
    .rightsObject = 1000205,
    .billService = "QORebsArApBill.clsArOtherBill",
    .editorLogCode = "RP1000205A",
    .operationLogCode = "RP1000205B",
    .helpTopic = "RP1000205",
    .newClearsCreditPanel = false,
    .menuBarHidesRowTools = true,
    .voucherQuery = "select FVoucherID from t_RP_ROtherBill ",
    // ---- end.
};

inline constexpr OtherBillSide kOtherPayableSide{
    .className = "clsPOtherBill",
    .functionCodes = {"AP0303", "AP0304", "AP0305", "", "", "AP0302", "AP0306", "AP0301"},
    // ---- lifecycle, field rules, save check.
    .settledBillType = 1007,
    .onAccountBillType = 1008,
    .partnerKey = "FSupplyID",
    .creditStatusPartnerKey = "FSupplyId",
    .requiredPartnerKey = "FSupplyId",
    .partnerTable = "t_Supplier",
    .paymentTermsSelect =
        " Select t2.FType,t2.FStandDays,t2.FMonthPayDay,t2.FBeforeDays,"
        "t1.FValueAddRate From t_Supplier t1 ",
    .partnerAccountSql =
        "Select FNumber From t_Account Where FAccountID=(Select FAcctID From "
        "t_Supplier Where FItemID=",
    .nonLeafTypeMessage = "请选择支出类别的明细类别",
    .hidesChangeMenuWhenEditable = true,
    .clearsCreditStatusAfterSave = true,
    .duplicateNumberComponent = "QORebsArAPBill.clsArOtherBill",
    .duplicateNumberOfReceivables = true,
    .duplicateNumberMessage = "编号相同的其他收入单据已经存在，请检查单据编号和编码规则。",
    .partnerRequiredMessage = "请指定供应商名称!",
    .rowWithoutAmountMessage = "第%1行分录没有录入付款金额，请录入付款金额。",
    .rowTypeNotLeafMessage = "第%1行分录支出类别不是明细类别，请重新选择。",
    .rowWithoutTypeMessage = "第%1行分录没有选择支出类别，请选择支出类别。",
    .sameAccountMessage = "支出类别科目同结算账户科目相同，请修改。",
    .zeroTotalMessage = "单据支出明细的金额合计为0，不允许保存。",
    .creditWarningMessage = "此供应商已超出信用额度，是否继续保存？",
    .creditRefusalMessage = "此供应商已超出信用额度，不允许保存!",
    .creditControlSql =
        "Select FValue From t_SystemProfile Where FCategory='IC' And FKey='CreditDegreeCG'",
    .storedBillTable = "t_RP_POtherBill",
    .reportOfReceivables = false,
    .reportBeginPartnerKey = "BSupplyNumber",
    .reportEndPartnerKey = "ESupplyNumber",
    .reportNoInvoiceKey = "InportNoInvoice",
    .reportCashInvoiceKey = "CashPurchaseInvoice",
    .reportSumName = "供应商",
    .settleAccountHintOfReceivables = false,
    .settleAccountHint =
        "此单审核后，将生成[供应商]的一笔应付账款，可以通过付款单或核销单对此单进行后期付款处理。"
        "为确保同财务对账的数据一致，结算账户请选择应付账款、其他应付款或同类型科目!",
    // ---- end.
    // ---- commands, menus, list.
    .rightsObject = 1000206,
    .billService = "QORebsArApBill.clsApOtherBill",
    .editorLogCode = "RP1000206A",
    .operationLogCode = "RP1000206B",
    .helpTopic = "RP1000206",
    .newClearsCreditPanel = true,
    .menuBarHidesRowTools = false,
    .voucherQuery = "select FVoucherID from t_RP_POtherBill ",
    // ---- end.
};

}  // namespace qorarap
