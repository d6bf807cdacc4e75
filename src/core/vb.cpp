#include "core/vb.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qor {

namespace {

// Digits of a decimal number as they were written, before any arithmetic.
struct DecimalText {
  bool negative = false;
  std::string intDigits;
  std::string fracDigits;
  int64_t exponent = 0;
};

constexpr int64_t kExponentCap = 100000;
constexpr uint64_t kMaxRadixValue = 0xFFFFFFFFULL;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int DigitInRadix(char c, int radix) {
  int digit = -1;
  if (IsDigit(c)) digit = c - '0';
  if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
  return digit < radix ? digit : -1;
}

// Radix of a "&H" / "&O" prefix at the start of text, 0 when there is none.
int RadixPrefix(std::string_view text) {
  if (text.size() < 2 || text[0] != '&') return 0;
  if (text[1] == 'H' || text[1] == 'h') return 16;
  if (text[1] == 'O' || text[1] == 'o') return 8;
  return 0;
}

// Hex and octal literals are 16-bit when they fit, else 32-bit: &HFFFF is -1.
double RadixValue(uint64_t value) {
  if (value > kMaxRadixValue) RaiseError(kErrOverflow);
  if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// Reads radix digits from position pos on; returns how many were read.
size_t ScanRadixDigits(std::string_view text, size_t pos, int radix, uint64_t& value) {
  size_t count = 0;
  value = 0;
  for (; pos < text.size(); ++pos, ++count) {
    int digit = DigitInRadix(text[pos], radix);
    if (digit < 0) break;
    if (value <= kMaxRadixValue) value = value * radix + digit;
  }
  return count;
}

// Reads "E"/"D", optional sign and digits at pos; leaves pos alone when no
// exponent digits follow.
bool ScanExponent(std::string_view text, size_t& pos, int64_t& exponent) {
  size_t at = pos;
  if (at >= text.size()) return false;
  char marker = text[at];
  if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd') return false;
  ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at >= text.size() || !IsDigit(text[at])) return false;
  int64_t value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    if (value < kExponentCap) value = value * 10 + (text[at] - '0');
  }
  exponent = negative ? -value : value;
  pos = at;
  return true;
}

// Decimal magnitude of the number (position of its first significant digit).
int64_t Magnitude(const DecimalText& number) {
  size_t first = number.intDigits.find_first_not_of('0');
  if (first != std::string::npos) {
    return static_cast<int64_t>(number.intDigits.size() - first) - 1 + number.exponent;
  }
  size_t firstFrac = number.fracDigits.find_first_not_of('0');
  if (firstFrac == std::string::npos) return 0;
  return -static_cast<int64_t>(firstFrac) - 1 + number.exponent;
}

double Compose(const DecimalText& number) {
  std::string text = number.intDigits.empty() ? "0" : number.intDigits;
  if (!number.fracDigits.empty()) text.append(1, '.').append(number.fracDigits);
  text.append(1, 'e').append(std::to_string(number.exponent));
  double value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (Magnitude(number) > 0) RaiseError(kErrOverflow);
    value = 0;
  }
  return number.negative ? -value : value;
}

// Scans sign, digits, point and exponent at the start of text (already free
// of blanks). allowGrouping accepts "1,000". Returns the length read; 0 when
// no digit was found.
size_t ScanDecimal(std::string_view text, bool allowGrouping, DecimalText& number) {
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    number.negative = text[pos++] == '-';
  }
  for (; pos < text.size(); ++pos) {
    char c = text[pos];
    if (IsDigit(c)) {
      number.intDigits += c;
    } else if (c == ',' && allowGrouping && !number.intDigits.empty()) {
      continue;
    } else {
      break;
    }
  }
  if (pos < text.size() && text[pos] == '.') {
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) number.fracDigits += text[pos];
  }
  if (number.intDigits.empty() && number.fracDigits.empty()) return 0;
  ScanExponent(text, pos, number.exponent);
  return pos;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Value of a text that IsNumericText accepts.
double NumericTextValue(std::string_view text) {
  text = TrimSpaces(text);
  if (int radix = RadixPrefix(text)) {
    uint64_t value = 0;
    ScanRadixDigits(text, 2, radix, value);
    return RadixValue(value);
  }
  DecimalText number;
  ScanDecimal(text, true, number);
  return Compose(number);
}

double RoundHalfEven(double value) {
  double floor = std::floor(value);
  double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double RoundInRange(double value, double low, double high) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= low && rounded <= high)) RaiseError(kErrOverflow);
  return rounded;
}

// Kinds of value as "=" sees them.
enum class CompareKind { Empty, Number, Text, Object };

CompareKind KindOf(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
      return CompareKind::Empty;
    case VarType::String:
      return CompareKind::Text;
    case VarType::Object:
      return CompareKind::Object;
    default:
      return CompareKind::Number;
  }
}

// Empty (and Null) read as "" beside a text and as 0 beside a number.
Variant EmptyAs(CompareKind other) { return other == CompareKind::Text ? Variant("") : Variant(0); }

bool NumberEqualsText(const Variant& number, const std::string& text, bool noCase) {
  double parsed = 0;
  if (number.IsDate() && ParseDate(text, parsed)) return number.DoubleValue() == parsed;
  if (IsNumericText(text)) return CDbl(number) == NumericTextValue(text);
  std::string shown = CStr(number);
  return noCase ? EqualsNoCase(shown, text) : shown == text;
}

std::string ShortDateText(double oleDate) {
  std::string text = FormatDateTime(oleDate);
  constexpr std::string_view kMidnight = " 00:00:00";
  if (text.size() > kMidnight.size() &&
      text.compare(text.size() - kMidnight.size(), kMidnight.size(), kMidnight) == 0) {
    text.resize(text.size() - kMidnight.size());
  }
  return text;
}

std::string ExponentText(int exponent) {
  std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (digits.size() < 2) digits.insert(0, 1, '0');
  return std::string(exponent < 0 ? "E-" : "E+") + digits;
}

}  // namespace

double Val(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) compact += c;
  }
  if (int radix = RadixPrefix(compact)) {
    uint64_t value = 0;
    ScanRadixDigits(compact, 2, radix, value);
    return RadixValue(value);
  }
  DecimalText number;
  if (ScanDecimal(compact, false, number) == 0) return 0;
  return Compose(number);
}

double Val(const std::string& text) { return Val(std::string_view(text)); }

double Val(const char* text) { return Val(std::string_view(text)); }

double Val(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
      return 0;
    case VarType::String:
      return Val(value.StringValue());
    default:
      return CDbl(value);
  }
}

double CDbl(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return 0;
    case VarType::Null:
      RaiseError(94);
    case VarType::Boolean:
      return value.BoolValue() ? -1 : 0;
    case VarType::Long:
      return value.LongValue();
    case VarType::Double:
    case VarType::Date:
      return value.DoubleValue();
    case VarType::String:
      if (!IsNumericText(value.StringValue())) RaiseError(kErrTypeMismatch);
      return NumericTextValue(value.StringValue());
    case VarType::Object:
      break;
  }
  RaiseError(kErrTypeMismatch);
}

int32_t CLng(const Variant& value) {
  if (value.Type() == VarType::Long) return value.LongValue();
  return static_cast<int32_t>(RoundInRange(CDbl(value), std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
}

int16_t CInt(const Variant& value) {
  return static_cast<int16_t>(RoundInRange(CDbl(value), std::numeric_limits<int16_t>::min(),
                                           std::numeric_limits<int16_t>::max()));
}

bool CBool(const Variant& value) {
  if (value.Type() == VarType::Boolean) return value.BoolValue();
  if (value.IsString()) {
    std::string_view text = TrimSpaces(value.StringValue());
    if (EqualsNoCase(text, "True")) return true;
    if (EqualsNoCase(text, "False")) return false;
  }
  return CDbl(value) != 0;
}

double CDate(const Variant& value) {
  switch (value.Type()) {
    case VarType::Null:
      RaiseError(94);
    case VarType::String: {
      double oleDate = 0;
      if (!ParseDate(value.StringValue(), oleDate)) RaiseError(kErrTypeMismatch);
      return oleDate;
    }
    default:
      return CDbl(value);
  }
}

std::string CStr(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return "";
    case VarType::Null:
      RaiseError(94);
    case VarType::Boolean:
      return value.BoolValue() ? "True" : "False";
    case VarType::Long:
      return std::to_string(value.LongValue());
    case VarType::Double:
      return FormatDouble(value.DoubleValue());
    case VarType::Date:
      return ShortDateText(value.DoubleValue());
    case VarType::String:
      return value.StringValue();
    case VarType::Object:
      break;
  }
  RaiseError(kErrTypeMismatch);
}

std::string StrOf(const Variant& value) { return value.IsNull() ? std::string() : CStr(value); }

// 15 significant digits, trailing zeros dropped; scientific notation from
// 1E+15 up and below 0.0001, as the platform prints doubles.
std::string FormatDouble(double value) {
  if (value == 0) return "0";
  if (std::isnan(value)) return "-1.#IND";
  if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof(buffer), std::fabs(value),
                              std::chars_format::scientific, 14);
  std::string_view scientific(buffer, static_cast<size_t>(result.ptr - buffer));
  size_t exponentAt = scientific.find('e');
  std::string digits(1, scientific[0]);
  digits.append(scientific.substr(2, exponentAt - 2));
  int exponent = std::stoi(std::string(scientific.substr(exponentAt + 1)));
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string text = value < 0 ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    text += digits[0];
    if (digits.size() > 1) text.append(1, '.').append(digits, 1);
    return text + ExponentText(exponent);
  }
  if (exponent < 0) return text + "0." + std::string(-exponent - 1, '0') + digits;
  size_t intLength = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= intLength)
    return text + digits + std::string(intLength - digits.size(), '0');
  return text + digits.substr(0, intLength) + "." + digits.substr(intLength);
}

bool IsNumeric(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Long:
    case VarType::Double:
      return true;
    case VarType::String:
      return IsNumericText(value.StringValue());
    default:
      return false;
  }
}

bool IsNumericText(std::string_view text) {
  text = TrimSpaces(text);
  if (int radix = RadixPrefix(text)) {
    uint64_t value = 0;
    size_t count = ScanRadixDigits(text, 2, radix, value);
    return count > 0 && count + 2 == text.size() && value <= kMaxRadixValue;
  }
  DecimalText number;
  size_t length = ScanDecimal(text, true, number);
  return length > 0 && length == text.size();
}

bool VarEquals(const Variant& a, const Variant& b, bool noCase) {
  CompareKind kindA = KindOf(a);
  CompareKind kindB = KindOf(b);
  if (kindA == CompareKind::Object || kindB == CompareKind::Object) {
    return kindA == kindB && a.ObjectValue() == b.ObjectValue();
  }
  if (kindA == CompareKind::Empty && kindB == CompareKind::Empty) return true;
  if (kindA == CompareKind::Empty) return VarEquals(EmptyAs(kindB), b);
  if (kindB == CompareKind::Empty) return VarEquals(a, EmptyAs(kindA));
  if (kindA == CompareKind::Text && kindB == CompareKind::Text) {
    return noCase ? EqualsNoCase(a.StringValue(), b.StringValue())
                  : a.StringValue() == b.StringValue();
  }
  if (kindA == CompareKind::Text) return NumberEqualsText(b, a.StringValue(), noCase);
  if (kindB == CompareKind::Text) return NumberEqualsText(a, b.StringValue(), noCase);
  return CDbl(a) == CDbl(b);
}

}  // namespace qor
