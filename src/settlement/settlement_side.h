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
};

inline constexpr SettlementSide kReceiptSide{
    "clsReceiveBill",
    {"AR0225", "AR0226", "AR0227", "", "", "AR0224", "AR0228", "AR0223"},
    true,
    true,
};

inline constexpr SettlementSide kPaymentSide{
    "clsPayBill",
    {"AP0225", "AP0226", "AP0227", "", "", "AP0224", "AP0228", "AP0223"},
    false,
    false,
};

}  // namespace qorarap
