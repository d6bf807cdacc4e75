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
