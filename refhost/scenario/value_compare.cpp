#include "refhost/scenario/value_compare.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/vb.h"

namespace refhost::scenario {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Length of the digits starting at pos.
size_t Digits(std::string_view text, size_t pos) {
  size_t n = 0;
  while (pos + n < text.size() && IsDigit(text[pos + n])) ++n;
  return n;
}

std::optional<double> StoredNumber(const qor::Variant& stored) {
  if (stored.IsNumber()) return qor::CDbl(stored);
  if (stored.IsString()) return ReadNumber(stored.StringValue());
  return std::nullopt;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  size_t whole = Digits(text, pos);
  pos += whole;
  size_t fraction = 0;
  if (pos < text.size() && text[pos] == '.') {
    fraction = Digits(text, pos + 1);
    pos += 1 + fraction;
  }
  if (whole + fraction == 0) return std::nullopt;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t expStart = pos + 1;
    if (expStart < text.size() && (text[expStart] == '+' || text[expStart] == '-')) ++expStart;
    size_t expDigits = Digits(text, expStart);
    if (expDigits == 0) return std::nullopt;
    pos = expStart + expDigits;
  }
  if (pos != text.size()) return std::nullopt;
  return std::strtod(std::string(text).c_str(), nullptr);
}

bool NumbersEqual(double a, double b) {
  double difference = std::fabs(a - b);
  if (difference < 1e-9) return true;
  return difference < 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

std::string StoredText(const qor::Variant& stored) {
  if (stored.IsObject())
    return "(object " +
           (stored.ObjectValue() ? stored.ObjectValue()->TypeName() : std::string("Nothing")) + ")";
  return qor::StrOf(stored);
}

bool ValueMatches(const qor::Variant& stored, const Token& expected) {
  if (!expected.quoted) {
    std::optional<double> wanted = ReadNumber(expected.text);
    std::optional<double> have = StoredNumber(stored);
    if (wanted && have) return NumbersEqual(*wanted, *have);
  }
  return StoredText(stored) == expected.text;
}

std::string DescribeStored(const qor::Variant& stored) {
  if (stored.IsString()) return "\"" + stored.StringValue() + "\"";
  if (stored.IsEmpty()) return "(empty)";
  if (stored.IsNull()) return "(null)";
  return StoredText(stored);
}

}  // namespace refhost::scenario
