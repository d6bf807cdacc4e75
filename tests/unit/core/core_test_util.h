#pragma once

#include <cstdint>

#include "core/vb_error.h"

namespace qor {

// Number of the run-time error the call raises, 0 when it raises none.
template <class F>
int32_t ErrorOf(F&& call) {
  try {
    call();
  } catch (const VbError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace qor
