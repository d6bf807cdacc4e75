#include "common/amounts.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/vb.h"

namespace qorarap {

namespace {

// Amounts this large are out of the range the product stores; they count as 0.
constexpr double kAmountLimit = 922337203685478.0;
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
  return qor::Val(std::string(buffer, result.ptr) + "1");
}

double RoundHalfAwayFromZero(double amount, int32_t decimals) {
  double scale = std::pow(10.0, decimals);
  double scaled = std::fabs(amount) * scale;
  if (scaled >= kWholeNumbersFrom) return amount;
  double whole = std::floor(scaled);
  if (scaled - whole >= 0.5) whole += 1;
  if (whole == 0) return 0;
  return (amount < 0 ? -whole : whole) / scale;
}

}  // namespace

qor::Variant RoundAmount(const qor::Variant& value, int32_t decimals) {
  if (decimals < 0) qor::RaiseError(qor::kErrInvalidCall, "QORARAPBillInterface");
  if (value.IsNull()) return qor::Variant(0);
  double amount = qor::CDbl(value);
  if (std::fabs(amount) >= kAmountLimit || amount == 0) return qor::Variant(0);
  std::string text = qor::CStr(value);
  size_t point = text.find('.');
  if (point != std::string::npos && text.size() - point - 1 < static_cast<size_t>(decimals) + 2) {
    amount = WithHalfMark(amount, decimals);
  }
  return qor::Variant(RoundHalfAwayFromZero(amount, decimals));
}

}  // namespace qorarap
