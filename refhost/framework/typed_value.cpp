#include "refhost/framework/typed_value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/vb.h"
#include "core/vb_error.h"
#include "core/vb_round.h"

namespace refhost {

namespace {

constexpr int32_t kMostDecimals = 15;

int32_t ShownDecimals(int32_t decimals) { return std::clamp(decimals, 0, kMostDecimals); }

}  // namespace

TypedNumber ReadTypedNumber(std::string_view text) {
  std::string trimmed = qor::Trim(text);
  if (trimmed.empty()) return {TypedVerdict::Accepted, 0.0};
  if (!qor::IsNumericText(trimmed)) return {TypedVerdict::NotANumber, 0};
  double value = 0;
  try {
    value = qor::CDbl(qor::Variant(trimmed));
  } catch (const qor::VbError&) {
    return {TypedVerdict::OutOfRange, 0};  // beyond what a double holds
  }
  if (!IsStorableAmount(value)) return {TypedVerdict::OutOfRange, 0};
  return {TypedVerdict::Accepted, value};
}

TypedNumber ReadTypedId(std::string_view text) {
  TypedNumber number = ReadTypedNumber(text);
  if (number.verdict != TypedVerdict::Accepted) return number;
  if (number.value != std::floor(number.value)) return {TypedVerdict::NotANumber, 0};
  if (number.value > 2147483647.0 || number.value < -2147483648.0) {
    return {TypedVerdict::OutOfRange, 0};
  }
  return number;
}

bool IsStorableAmount(double value) {
  return std::isfinite(value) && std::fabs(value) <= kLargestAmount;
}

double RoundToDecimals(double value, int32_t decimals) {
  return qor::RoundHalfAway(qor::Variant(value), ShownDecimals(decimals));
}

std::string FormatShownNumber(const qor::Variant& value, int32_t decimals) {
  int32_t places = ShownDecimals(decimals);
  double number = qor::CDbl(value);
  double shown = std::isfinite(number) ? qor::RoundHalfAway(value, places) : number;
  if (shown == 0) shown = 0;  // no "-0.00"
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", places, shown);
  return buffer;
}

std::string OutOfRangeMessage(const std::string& caption, const std::string& typed) {
  return "输入的数值“" + typed + "”超出了“" + caption + "”允许的范围，请重新输入。";
}

std::string FormulaOutOfRangeMessage(const std::string& caption) {
  return "“" + caption + "”的计算结果超出了允许的范围，保持原值。";
}

}  // namespace refhost
