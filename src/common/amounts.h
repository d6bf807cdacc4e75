#pragma once

#include <cstdint>

#include "core/variant.h"

namespace qorarap {

// Rounds an amount to decimals places, an exact half away from zero. Null,
// 0 and amounts of 922337203685478 or more in size give the integer 0.
qor::Variant RoundAmount(const qor::Variant& value, int32_t decimals);

}  // namespace qorarap
