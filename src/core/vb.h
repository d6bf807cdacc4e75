#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/variant.h"

// The VB-compatible conversions: the only way values become numbers or text.
namespace qor {

// Leading number of a text: blanks anywhere are ignored, "&H"/"&O" prefixes,
// sign, decimals and exponent accepted; trailing junk ends the number; no
// number gives 0.
double Val(std::string_view text);
double Val(const Variant& value);  // Val of CStr(value); Null/Empty give 0
// Texts of every kind take the text form (else std::string and literals
// would be ambiguous between the two above).
double Val(const std::string& text);
double Val(const char* text);

// Numeric conversions. Texts must be numeric (IsNumeric) or error 13; Null is
// error 94; Empty is 0; True is -1. CLng/CInt round half to even and raise
// error 6 on overflow.
double CDbl(const Variant& value);
int32_t CLng(const Variant& value);
int16_t CInt(const Variant& value);
bool CBool(const Variant& value);
// Date: a Date, a number (OLE date) or a text "yyyy-mm-dd[ hh:mm:ss]".
double CDate(const Variant& value);

// Text of a value: doubles with up to 15 significant digits and no trailing
// zeros (2.345, never 2.3450000000000002); booleans "True"/"False"; dates
// "yyyy-mm-dd" (with " hh:mm:ss" when there is a time part); Empty "";
// Null is error 94.
std::string CStr(const Variant& value);
// As CStr, but Null gives "".
std::string StrOf(const Variant& value);
std::string FormatDouble(double value);

bool IsNumeric(const Variant& value);
bool IsNumericText(std::string_view text);

// VB comparison as "a = b" between variants: numbers with numbers
// numerically; number with a numeric text numerically; texts as texts
// (case-sensitive unless noCase). Null or Empty compare as 0 / "".
bool VarEquals(const Variant& a, const Variant& b, bool noCase = false);

// Dates: OLE dates, days since 1899-12-30.
double DateSerial(int year, int month, int day);
int Year(double oleDate);
int Month(double oleDate);
int Day(double oleDate);
// "yyyy-mm-dd"
std::string FormatDate(double oleDate);
// "yyyy-mm-dd hh:mm:ss"
std::string FormatDateTime(double oleDate);
// Parses "yyyy-mm-dd", "yyyy/mm/dd", optionally with " hh:mm[:ss]"; false on failure.
bool ParseDate(std::string_view text, double& oleDate);

// Texts.
std::string Trim(std::string_view text);
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Position (0-based) of needle in text, compared without regard to case;
// npos when absent.
size_t FindNoCase(std::string_view text, std::string_view needle, size_t from = 0);
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
// The first count characters of a UTF-8 text (never half a character).
std::string LeftChars(std::string_view text, size_t count);

}  // namespace qor
