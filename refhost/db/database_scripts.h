#pragma once

#include <span>

#include "refhost/embedded_file.h"

namespace refhost {

// The database scripts compiled into the program: schema.sql, demo.sql, then every
// demo_*.sql of refhost/db in name order (the build picks up each new one).
std::span<const EmbeddedFile> DatabaseScripts();

}  // namespace refhost
