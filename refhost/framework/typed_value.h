#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/variant.h"

// The one path for values the user types into the bill editor and for the
// numbers the editor shows.
namespace refhost {

// The largest amount a number field holds (the range of the product's money
// columns); larger amounts are refused.
inline constexpr double kLargestAmount = 922337203685477.0;

enum class TypedVerdict {
  Accepted,
  NotANumber,  // not a number at all: refused without a message
  OutOfRange,  // a number the field cannot hold: refused with a message
};

struct TypedNumber {
  TypedVerdict verdict = TypedVerdict::NotANumber;
  double value = 0;
};

// A number as typed, by the VB rules (CDbl: "1,000.50" is 1000.5, "&H10"
// 16); an empty text is 0. Beyond kLargestAmount, or beyond what a double
// holds, it is OutOfRange.
TypedNumber ReadTypedNumber(std::string_view text);

// The id of a base-data item as typed: a whole number within 32 bits.
TypedNumber ReadTypedId(std::string_view text);

// A computed amount the field can hold: finite and within kLargestAmount.
bool IsStorableAmount(double value);

// A number shown with the field's decimals: rounded as the library's
// RoundAmount rounds (qor::RoundHalfAway: an exact half away from zero,
// 1.005 -> "1.01"), then written with exactly that many decimals ("950.00").
std::string FormatShownNumber(const qor::Variant& value, int32_t decimals);

// A number rounded to the field's decimals for storing (formula results).
double RoundToDecimals(double value, int32_t decimals);

// The message of a value the field cannot hold.
std::string OutOfRangeMessage(const std::string& caption, const std::string& typed);

// The message of a formula whose result the target cannot hold.
std::string FormulaOutOfRangeMessage(const std::string& caption);

}  // namespace refhost
