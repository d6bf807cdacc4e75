#pragma once

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
  // ---- end.
};

inline constexpr OtherBillSide kOtherReceivableSide{
    .className = "clsROtherBill",
    .functionCodes = {"AR0303", "AR0304", "AR0305", "", "", "AR0302", "AR0306", "AR0301"},
    // ---- lifecycle, field rules, save check.
    // ---- end.
    // ---- commands, menus, list.
    // ---- end.
};

inline constexpr OtherBillSide kOtherPayableSide{
    .className = "clsPOtherBill",
    .functionCodes = {"AP0303", "AP0304", "AP0305", "", "", "AP0302", "AP0306", "AP0301"},
    // ---- lifecycle, field rules, save check.
    // ---- end.
    // ---- commands, menus, list.
    // ---- end.
};

}  // namespace qorarap
