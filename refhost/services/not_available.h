#pragma once

#include <string>

#include "core/vb_error.h"

namespace refhost {

// A member of a product component that the reference host does not carry
// out yet: error 438, never an invented answer.
[[noreturn]] inline void NotAvailable(const std::string& progId, const std::string& member) {
  qor::RaiseError(qor::kErrNoSuchMember, progId,
                  progId + "." + member + " is not available yet in the reference host");
}

}  // namespace refhost
