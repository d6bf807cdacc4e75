#pragma once

#include <cstdint>

#include "core/variant.h"

namespace qor {

// Rounds a number to decimals places, an exact half away from zero, where
// "exact" is judged on the number's text (2.345, stored as 2.34499999...,
// rounds to 2.35). The one rounding of amounts: the library's RoundAmount
// and the host's display of numbers both use it. decimals must be >= 0.
double RoundHalfAway(const Variant& value, int32_t decimals);

}  // namespace qor
