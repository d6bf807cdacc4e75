#pragma once

#include <cstdint>
#include <string>

#include "core/recordset.h"
#include "core/vb_error.h"

// What the classes do when they are created and destroyed.
namespace qorarap {

// All income/expense types, read through the type service of the product.
// Errors reach the caller (creating the class then fails).
qor::RecordsetPtr ReadAllInOutTypes();

// Releases every lock the user of the login props string still holds under
// the function code for the record (the id goes to the lock component by
// reference). False when the component could not release them all: the
// terminator finishes its other releases first and then reports it with
// RaiseLocksNotReleased.
bool ReleaseUserRecordLocks(const std::string& funcCode, int32_t& recordId,
                            const std::string& props);

// The error of locks left behind on a record.
[[noreturn]] void RaiseLocksNotReleased();

}  // namespace qorarap
