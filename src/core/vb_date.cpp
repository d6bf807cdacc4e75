#include <cmath>

#include "core/vb.h"

namespace qor {

namespace {

struct CivilDate {
  int64_t year;
  int month;
  int day;
};

// A date split into its calendar day (counted from 1899-12-30) and the
// seconds of that day.
struct DateParts {
  int64_t days;
  int64_t seconds;
};

constexpr int64_t kSecondsPerDay = 86400;
// 0100-01-01 and 9999-12-31, the range of dates the platform holds.
constexpr double kFirstDate = -657434;
constexpr double kLastDate = 2958466;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

constexpr int64_t kOleEpoch = DaysFromCivil(1899, 12, 30);

CivilDate CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The time of a date before 1899-12-30 counts forward from its day even
// though the number is negative: -1.25 is 1899-12-29 06:00.
double ComposeDate(int64_t days, double seconds) {
  double fraction = seconds / kSecondsPerDay;
  return static_cast<double>(days) + (days < 0 ? -fraction : fraction);
}

DateParts Split(double oleDate) {
  if (!(oleDate > kFirstDate - 1 && oleDate < kLastDate)) RaiseError(kErrOverflow);
  double dayPart = std::trunc(oleDate);
  int64_t days = static_cast<int64_t>(dayPart);
  int64_t seconds = std::llround(std::fabs(oleDate - dayPart) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++days;
  }
  return {days, seconds};
}

CivilDate CivilOf(double oleDate) { return CivilFromDays(Split(oleDate).days + kOleEpoch); }

std::string Padded(int64_t value, size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Reads between minDigits and maxDigits digits at pos.
bool ReadNumber(std::string_view text, size_t& pos, size_t minDigits, size_t maxDigits,
                int& value) {
  size_t count = 0;
  value = 0;
  while (pos < text.size() && count < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos++] - '0');
    ++count;
  }
  return count >= minDigits;
}

bool ReadChar(std::string_view text, size_t& pos, char expected) {
  if (pos >= text.size() || text[pos] != expected) return false;
  ++pos;
  return true;
}

// "hh:mm[:ss[.fff]]" from pos to the end of text, as seconds of the day.
bool ParseTime(std::string_view text, size_t pos, double& seconds) {
  int hour = 0;
  int minute = 0;
  int second = 0;
  if (!ReadNumber(text, pos, 1, 2, hour) || !ReadChar(text, pos, ':') ||
      !ReadNumber(text, pos, 2, 2, minute)) {
    return false;
  }
  double fraction = 0;
  if (ReadChar(text, pos, ':')) {
    if (!ReadNumber(text, pos, 2, 2, second)) return false;
    if (ReadChar(text, pos, '.')) {
      double scale = 0.1;
      size_t start = pos;
      for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, scale /= 10) {
        fraction += (text[pos] - '0') * scale;
      }
      if (pos == start) return false;
    }
  }
  if (pos != text.size() || hour > 23 || minute > 59 || second > 59) return false;
  seconds = hour * 3600.0 + minute * 60.0 + second + fraction;
  return true;
}

}  // namespace

double DateSerial(int year, int month, int day) {
  int64_t fullYear = year;
  if (fullYear >= 0 && fullYear < 30) fullYear += 2000;
  if (fullYear >= 30 && fullYear < 100) fullYear += 1900;
  int64_t monthIndex = static_cast<int64_t>(month) - 1;
  fullYear += FloorDiv(monthIndex, 12);
  int normalisedMonth = static_cast<int>(monthIndex - FloorDiv(monthIndex, 12) * 12) + 1;
  int64_t days = DaysFromCivil(fullYear, normalisedMonth, 1) - kOleEpoch + (int64_t{day} - 1);
  if (days < kFirstDate || days >= kLastDate) RaiseError(kErrInvalidCall);
  return static_cast<double>(days);
}

int Year(double oleDate) { return static_cast<int>(CivilOf(oleDate).year); }

int Month(double oleDate) { return CivilOf(oleDate).month; }

int Day(double oleDate) { return CivilOf(oleDate).day; }

std::string FormatDate(double oleDate) {
  CivilDate date = CivilOf(oleDate);
  return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2);
}

std::string FormatDateTime(double oleDate) {
  int64_t seconds = Split(oleDate).seconds;
  return FormatDate(oleDate) + " " + Padded(seconds / 3600, 2) + ":" +
         Padded(seconds / 60 % 60, 2) + ":" + Padded(seconds % 60, 2);
}

// "yyyy-mm-dd" or "yyyy/mm/dd", then optionally " hh:mm[:ss[.fff]]" or
// "Thh:mm:ss" as stored texts carry it.
bool ParseDate(std::string_view text, double& oleDate) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  size_t pos = 0;
  int year = 0;
  int month = 0;
  int day = 0;
  if (!ReadNumber(text, pos, 4, 4, year) || pos >= text.size()) return false;
  char separator = text[pos];
  if (separator != '-' && separator != '/') return false;
  ++pos;
  if (!ReadNumber(text, pos, 1, 2, month) || !ReadChar(text, pos, separator) ||
      !ReadNumber(text, pos, 1, 2, day)) {
    return false;
  }
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return false;
  }
  double seconds = 0;
  if (pos < text.size()) {
    if (text[pos] == 'T') {
      ++pos;
    } else {
      if (text[pos] != ' ') return false;
      while (pos < text.size() && text[pos] == ' ') ++pos;
    }
    if (!ParseTime(text, pos, seconds)) return false;
  }
  oleDate = ComposeDate(DaysFromCivil(year, month, day) - kOleEpoch, seconds);
  return true;
}

}  // namespace qor
