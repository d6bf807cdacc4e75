#pragma once

#include <cstdint>
#include <string>

#include "core/host_dictionary.h"
#include "core/variant.h"

// Values made safe for SQL text, and small value helpers.
namespace qorarap {

// Null gives ""; trimmed when trim; characters 0, 10 and 13 removed when
// removeControl; single quotes doubled; enclosed in quotes when quote.
std::string SqlText(const qor::Variant& value, bool quote, bool trim = false,
                    bool removeControl = false);
// Null gives ""; trimmed when trim; an empty result with emptyIsNull is the
// word Null; otherwise single quotes doubled and enclosed when quote.
std::string SqlValue(const qor::Variant& value, bool quote, bool emptyIsNull = false,
                     bool trim = false);
qor::Variant NullTo(const qor::Variant& value, const qor::Variant& replacement);
bool IsPositive(double x);
// Position (1-based) of the first item equal to value.
bool FindInVector(const qor::Variant& value, const qor::HostVector& vector, int32_t& index);

}  // namespace qorarap
