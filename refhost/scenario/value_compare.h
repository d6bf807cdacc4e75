#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/variant.h"
#include "refhost/scenario/tokenizer.h"

namespace refhost::scenario {

// A plain decimal number ("-12", "3.5", "1e-3"); nullopt for anything else.
std::optional<double> ReadNumber(std::string_view text);

// Numbers that differ by less than 1e-9 of the larger magnitude, or by less
// than 1e-9, are the same amount.
bool NumbersEqual(double a, double b);

// The text a stored value shows in a check: Empty and Null read as "".
std::string StoredText(const qor::Variant& stored);

// The value checks' rule: an unquoted token that reads as a number compares
// numerically with a stored value that reads as a number; otherwise the
// token's text must equal the stored value's text exactly.
bool ValueMatches(const qor::Variant& stored, const Token& expected);

// How a stored value is shown in a failure report ("" for empty texts).
std::string DescribeStored(const qor::Variant& stored);

}  // namespace refhost::scenario
