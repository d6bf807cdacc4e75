#pragma once

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
    // ---- end.
    // ---- save checks, automatic amounts, commands.
    // ---- end.
    // ---- list.
    // ---- end.
};

}  // namespace qorarap
