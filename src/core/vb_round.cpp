#include "core/vb_round.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/vb.h"

namespace qor {

namespace {

// From 2^52 on a double has no fraction left to round.
constexpr double kWholeNumbersFrom = 4503599627370496.0;

// The amount written with decimals + 1 places and a final "1" one place
// beyond them, so that an amount lying exactly on a half (2.345 stored as
// 2.34499999...) is nudged over it before rounding.
double WithHalfMark(double amount, int32_t decimals) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof(buffer), amount, std::chars_format::fixed,
                              decimals + 1);
  if (result.ec != std::errc()) return amount;
  return Val(std::string(buffer, result.ptr) + "1");
}

double RoundScaled(double amount, int32_t decimals) {
  double scale = std::pow(10.0, decimals);
  double scaled = std::fabs(amount) * scale;
  if (scaled >= kWholeNumbersFrom) return amount;
  double whole = std::floor(scaled);
  if (scaled - whole >= 0.5) whole += 1;
  if (whole == 0) return 0;
  return (amount < 0 ? -whole : whole) / scale;
}

}  // namespace

double RoundHalfAway(const Variant& value, int32_t decimals) {
  double amount = CDbl(value);
  if (amount == 0 || !std::isfinite(amount)) return amount;
  std::string text = CStr(value);
  size_t point = text.find('.');
  if (point != std::string::npos && text.size() - point - 1 < static_cast<size_t>(decimals) + 2) {
    amount = WithHalfMark(amount, decimals);
  }
  return RoundScaled(amount, decimals);
}

}  // namespace qor
