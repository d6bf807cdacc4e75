#include "common/sql_text.h"

#include <algorithm>

#include "core/vb.h"

namespace qorarap {

namespace {

std::string QuoteText(const std::string& text, bool quote) {
  std::string doubled = qor::ReplaceAll(text, "'", "''");
  return quote ? "'" + doubled + "'" : doubled;
}

bool IsControl(char c) { return c == '\0' || c == '\n' || c == '\r'; }

}  // namespace

std::string SqlText(const qor::Variant& value, bool quote, bool trim, bool removeControl) {
  std::string text = qor::StrOf(value);
  if (trim) text = qor::Trim(text);
  if (removeControl) text.erase(std::remove_if(text.begin(), text.end(), IsControl), text.end());
  return QuoteText(text, quote);
}

std::string SqlValue(const qor::Variant& value, bool quote, bool emptyIsNull, bool trim) {
  std::string text = qor::StrOf(value);
  if (trim) text = qor::Trim(text);
  if (text.empty() && emptyIsNull) return "Null";
  return QuoteText(text, quote);
}

qor::Variant NullTo(const qor::Variant& value, const qor::Variant& replacement) {
  return value.IsNull() ? replacement : value;
}

bool IsPositive(double x) { return x > 0; }

bool FindInVector(const qor::Variant& value, const qor::HostVector& vector, int32_t& index) {
  for (int32_t position = 1; position <= vector.Count(); ++position) {
    if (qor::VarEquals(vector.Item(position), value)) {
      index = position;
      return true;
    }
  }
  return false;
}

}  // namespace qorarap
