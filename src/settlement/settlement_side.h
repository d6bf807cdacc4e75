#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "frame/function_codes.h"

namespace qorarap {

// ---- Types of the list's differences.
// The query that tells whether a source document of a class exists and who
// checked it ("Select IsNull(FCheckerID,0) As FCheckerID From ... Where ...=");
// classId 0 marks an unused slot.
struct SourceAuditQuery {
  int32_t classId;
  std::string_view sql;
};
using SourceAuditQueries = std::array<SourceAuditQuery, 5>;
// ---- end.

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
  // ---- end.
  // ---- Differences of save checks, automatic amounts, commands.
  // ---- end.
  // ---- Differences of the list.
  // Rights object of the bill's commands (CheckAccess 1010, object, mask).
  int32_t listRightsObject;
  // The AR/AP bill component that checks, unchecks and deletes one bill.
  std::string_view arApBillProgId;
  // The receipt list opens the bill a row settles ("viewBill").
  bool listHandlesViewBill;
  // The receipt tells the platform of each bill checked or deleted.
  bool notifiesPlatform;
  // The payment list offers export ("mnuExportData" in "mnuFile").
  bool listShowsExportData;
  std::string_view sourceMissingMessage;
  SourceAuditQueries sourceAuditQueries;
  // ---- end.
};

inline constexpr SettlementSide kReceiptSide{
    .className = "clsReceiveBill",
    .functionCodes = {"AR0225", "AR0226", "AR0227", "", "", "AR0224", "AR0228", "AR0223"},
    .refreshCurrencySetOnDestroy = true,
    .listHandlesAfterGetData = true,
    // ---- lifecycle, menus, field rules, selection.
    // ---- end.
    // ---- save checks, automatic amounts, commands.
    // ---- end.
    // ---- list.
    .listRightsObject = 1000201,
    .arApBillProgId = "QORebsArApBill.clsArBill",
    .listHandlesViewBill = true,
    .notifiesPlatform = true,
    .listShowsExportData = false,
    .sourceMissingMessage = "收款单源单不存在，不允许删除。",
    .sourceAuditQueries = {{
        {1000000, "Select IsNull(FCheckerID,0) As FCheckerID From ICSale Where FInterID= "},
        {1000002, "Select IsNull(FCheckerID,0) As FCheckerID From ICSale Where FInterID= "},
        {1000205, "Select IsNull(FCheckerID,0) As FCheckerID From t_Rp_RotherBill Where FBillID= "},
        {0, ""},
        {0, ""},
    }},
    // ---- end.
};

inline constexpr SettlementSide kPaymentSide{
    .className = "clsPayBill",
    .functionCodes = {"AP0225", "AP0226", "AP0227", "", "", "AP0224", "AP0228", "AP0223"},
    .refreshCurrencySetOnDestroy = false,
    .listHandlesAfterGetData = false,
    // ---- lifecycle, menus, field rules, selection.
    // ---- end.
    // ---- save checks, automatic amounts, commands.
    // ---- end.
    // ---- list.
    .listRightsObject = 1000202,
    .arApBillProgId = "QORebsArApBill.clsApBill",
    .listHandlesViewBill = false,
    .notifiesPlatform = false,
    .listShowsExportData = true,
    .sourceMissingMessage = "付款单源单不存在，不允许删除。",
    .sourceAuditQueries = {{
        {1000003, "Select IsNull(FCheckerID,0) As FCheckerID from ICPurchase Where FInterID= "},
        {1000004, "Select IsNull(FCheckerID,0) As FCheckerID from ICPurchase Where FInterID= "},
        {1000206, "Select IsNull(FCheckerID,0) As FCheckerID from t_rp_potherbill Where FBillID= "},
        {94, "Select IsNull(FCheckerID,0) As FCheckerID from ICOutExpense Where FInterID= "},
        {0, ""},
    }},
    // ---- end.
};

}  // namespace qorarap
