#pragma once

#include <span>

#include "refhost/embedded_file.h"

namespace qorhost {

// The guided tour's scenario files (apps/qorhost/tour/*.scn) compiled into the program, in
// name order.
std::span<const refhost::EmbeddedFile> TourFiles();

}  // namespace qorhost
