#pragma once

#include <string_view>

#include "frame/function_codes.h"

namespace qorarap {

// What tells the other receivable bill (clsROtherBill) from the other
// payable bill (clsPOtherBill); everything else of the two is one design.
struct OtherBillSide {
  std::string_view className;
  FunctionCodes functionCodes;
};

inline constexpr OtherBillSide kOtherReceivableSide{
    "clsROtherBill",
    {"AR0303", "AR0304", "AR0305", "", "", "AR0302", "AR0306", "AR0301"},
};

inline constexpr OtherBillSide kOtherPayableSide{
    "clsPOtherBill",
    {"AP0303", "AP0304", "AP0305", "", "", "AP0302", "AP0306", "AP0301"},
};

}  // namespace qorarap
