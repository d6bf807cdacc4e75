#include "refhost/db/tsql_functions.h"

#include <sqlite3.h>

#include <cmath>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/vb.h"
#include "core/vb_error.h"

namespace refhost {

namespace {

constexpr double kSecondsPerDay = 86400.0;

std::string ArgText(sqlite3_value* value) {
  const unsigned char* text = sqlite3_value_text(value);
  return text ? std::string(reinterpret_cast<const char*>(text),
                            static_cast<size_t>(sqlite3_value_bytes(value)))
              : std::string();
}

bool AnyNull(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i) {
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
  }
  return false;
}

void ResultText(sqlite3_context* ctx, const std::string& text) {
  sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Byte offsets at which the UTF-8 characters of text begin.
std::vector<size_t> CharStarts(std::string_view text) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  return starts;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// A date argument: a text "yyyy-mm-dd[ hh:mm:ss]" or a number (an OLE date).
bool ArgDate(sqlite3_value* value, double& oleDate) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      oleDate = sqlite3_value_double(value);
      return true;
    case SQLITE_TEXT:
      return qor::ParseDate(ArgText(value), oleDate);
    default:
      return false;
  }
}

int64_t SecondsOf(double oleDate) { return std::llround(oleDate * kSecondsPerDay); }

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// The date as the functions return it: the day alone when there is no time of day.
std::string DateText(double oleDate) {
  return SecondsOf(oleDate) % 86400 == 0 ? qor::FormatDate(oleDate) : qor::FormatDateTime(oleDate);
}

enum class DatePart {
  kYear,
  kQuarter,
  kMonth,
  kDayOfYear,
  kDay,
  kWeek,
  kWeekday,
  kHour,
  kMinute,
  kSecond,
  kUnknown
};

DatePart ReadDatePart(const std::string& text) {
  const std::string p = AsciiLower(text);
  if (p == "year" || p == "yy" || p == "yyyy") return DatePart::kYear;
  if (p == "quarter" || p == "qq" || p == "q") return DatePart::kQuarter;
  if (p == "month" || p == "mm" || p == "m") return DatePart::kMonth;
  if (p == "dayofyear" || p == "dy" || p == "y") return DatePart::kDayOfYear;
  if (p == "day" || p == "dd" || p == "d") return DatePart::kDay;
  if (p == "week" || p == "wk" || p == "ww") return DatePart::kWeek;
  if (p == "weekday" || p == "dw") return DatePart::kWeekday;
  if (p == "hour" || p == "hh") return DatePart::kHour;
  if (p == "minute" || p == "mi" || p == "n") return DatePart::kMinute;
  if (p == "second" || p == "ss" || p == "s") return DatePart::kSecond;
  return DatePart::kUnknown;
}

int64_t MonthIndex(double oleDate) {
  return int64_t{qor::Year(oleDate)} * 12 + qor::Month(oleDate) - 1;
}

int64_t DayIndex(double oleDate) { return FloorDiv(SecondsOf(oleDate), 86400); }

// Weeks begin on Sunday; OLE day 1 (1899-12-31) is a Sunday.
int64_t WeekIndex(double oleDate) { return FloorDiv(DayIndex(oleDate) - 1, 7); }

// Number of boundaries of the part crossed from a to b (DATEDIFF).
bool DateDiff(DatePart part, double a, double b, int64_t& result) {
  switch (part) {
    case DatePart::kYear:
      result = qor::Year(b) - qor::Year(a);
      return true;
    case DatePart::kQuarter:
      result = FloorDiv(MonthIndex(b), 3) - FloorDiv(MonthIndex(a), 3);
      return true;
    case DatePart::kMonth:
      result = MonthIndex(b) - MonthIndex(a);
      return true;
    case DatePart::kDay:
    case DatePart::kDayOfYear:
    case DatePart::kWeekday:
      result = DayIndex(b) - DayIndex(a);
      return true;
    case DatePart::kWeek:
      result = WeekIndex(b) - WeekIndex(a);
      return true;
    case DatePart::kHour:
      result = FloorDiv(SecondsOf(b), 3600) - FloorDiv(SecondsOf(a), 3600);
      return true;
    case DatePart::kMinute:
      result = FloorDiv(SecondsOf(b), 60) - FloorDiv(SecondsOf(a), 60);
      return true;
    case DatePart::kSecond:
      result = SecondsOf(b) - SecondsOf(a);
      return true;
    default:
      return false;
  }
}

double AddMonths(double oleDate, int64_t months) {
  int64_t index = MonthIndex(oleDate) + months;
  int year = static_cast<int>(FloorDiv(index, 12));
  int month = static_cast<int>(index - FloorDiv(index, 12) * 12) + 1;
  // Beyond the years of a datetime (DateSerial would read year 26 as 2026).
  if (FloorDiv(index, 12) < 1753 || FloorDiv(index, 12) > 9999) return HUGE_VAL;
  int day = qor::Day(oleDate);
  double monthEnd = qor::DateSerial(year, month + 1, 1) - 1;
  day = std::min(day, qor::Day(monthEnd));
  double timeOfDay = oleDate - std::floor(oleDate);
  return qor::DateSerial(year, month, day) + timeOfDay;
}

bool DateAdd(DatePart part, int64_t n, double d, double& result) {
  switch (part) {
    case DatePart::kYear:
      result = AddMonths(d, n * 12);
      return true;
    case DatePart::kQuarter:
      result = AddMonths(d, n * 3);
      return true;
    case DatePart::kMonth:
      result = AddMonths(d, n);
      return true;
    case DatePart::kDay:
    case DatePart::kDayOfYear:
    case DatePart::kWeekday:
      result = d + static_cast<double>(n);
      return true;
    case DatePart::kWeek:
      result = d + 7.0 * static_cast<double>(n);
      return true;
    case DatePart::kHour:
      result = static_cast<double>(SecondsOf(d) + n * 3600) / kSecondsPerDay;
      return true;
    case DatePart::kMinute:
      result = static_cast<double>(SecondsOf(d) + n * 60) / kSecondsPerDay;
      return true;
    case DatePart::kSecond:
      result = static_cast<double>(SecondsOf(d) + n) / kSecondsPerDay;
      return true;
    default:
      return false;
  }
}

bool DatePartOf(DatePart part, double d, int64_t& result) {
  switch (part) {
    case DatePart::kYear:
      result = qor::Year(d);
      return true;
    case DatePart::kQuarter:
      result = (qor::Month(d) - 1) / 3 + 1;
      return true;
    case DatePart::kMonth:
      result = qor::Month(d);
      return true;
    case DatePart::kDayOfYear:
      result = DayIndex(d) - DayIndex(qor::DateSerial(qor::Year(d), 1, 1)) + 1;
      return true;
    case DatePart::kDay:
      result = qor::Day(d);
      return true;
    case DatePart::kWeek:
      result = WeekIndex(d) - WeekIndex(qor::DateSerial(qor::Year(d), 1, 1)) + 1;
      return true;
    case DatePart::kWeekday:
      result = (DayIndex(d) - 1 - FloorDiv(DayIndex(d) - 1, 7) * 7) + 1;
      return true;
    case DatePart::kHour:
      result = SecondsOf(d) - FloorDiv(SecondsOf(d), 86400) * 86400;
      result /= 3600;
      return true;
    case DatePart::kMinute:
      result = (SecondsOf(d) - FloorDiv(SecondsOf(d), 3600) * 3600) / 60;
      return true;
    case DatePart::kSecond:
      result = SecondsOf(d) - FloorDiv(SecondsOf(d), 60) * 60;
      return true;
    default:
      return false;
  }
}

constexpr double kIntLow = -2147483648.0;
constexpr double kIntHigh = 2147483647.0;
// The dates a datetime holds: 1753-01-01 to 9999-12-31 (OLE dates).
constexpr double kDateTooEarly = -53690.0;
constexpr double kDateTooLate = 2958466.0;

bool InDateRange(double oleDate) { return oleDate >= kDateTooEarly && oleDate < kDateTooLate; }

void OverflowError(sqlite3_context* ctx, const std::string& type) {
  std::string message =
      "Arithmetic overflow error converting expression to data type " + type + ".";
  sqlite3_result_error(ctx, message.c_str(), -1);
}

// The values an integer type holds ([-2^63, 2^63) for bigint, as doubles).
std::pair<double, double> IntegerRange(const std::string& base) {
  if (base == "tinyint") return {0.0, 255.0};
  if (base == "smallint") return {-32768.0, 32767.0};
  if (base == "bigint") return {-9223372036854775808.0, 9223372036854774784.0};
  return {kIntLow, kIntHigh};
}

void IsNullFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

void CharIndexFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
  const std::string needle = AsciiLower(ArgText(argv[0]));
  const std::string haystack = AsciiLower(ArgText(argv[1]));
  if (needle.empty()) return sqlite3_result_int(ctx, 0);
  const std::vector<size_t> starts = CharStarts(haystack);
  int64_t start = argc > 2 ? sqlite3_value_int64(argv[2]) : 1;
  if (start < 1) start = 1;
  if (start > static_cast<int64_t>(starts.size())) return sqlite3_result_int(ctx, 0);
  size_t found = haystack.find(needle, starts[static_cast<size_t>(start - 1)]);
  if (found == std::string::npos) return sqlite3_result_int(ctx, 0);
  size_t position = 0;
  while (position < starts.size() && starts[position] < found) ++position;
  sqlite3_result_int64(ctx, static_cast<int64_t>(position) + 1);
}

void LenFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  std::string text = ArgText(argv[0]);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  sqlite3_result_int64(ctx, static_cast<int64_t>(CharStarts(text).size()));
}

void GetDateFunc(sqlite3_context* ctx, int, sqlite3_value**) {
  auto* now = static_cast<const std::function<double()>*>(sqlite3_user_data(ctx));
  ResultText(ctx, qor::FormatDateTime((*now)()));
}

void DateDiffFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
  double a = 0;
  double b = 0;
  int64_t result = 0;
  if (!ArgDate(argv[1], a) || !ArgDate(argv[2], b)) {
    return sqlite3_result_error(ctx, "DATEDIFF: a value is not a date", -1);
  }
  if (!DateDiff(ReadDatePart(ArgText(argv[0])), a, b, result)) {
    return sqlite3_result_error(ctx, "DATEDIFF: unknown date part", -1);
  }
  sqlite3_result_int64(ctx, result);
}

void DateAddFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
  double d = 0;
  double result = 0;
  if (!ArgDate(argv[2], d)) return sqlite3_result_error(ctx, "DATEADD: not a date", -1);
  // The number is an int, as in T-SQL.
  double number = sqlite3_value_double(argv[1]);
  if (!(number >= kIntLow && number <= kIntHigh)) return OverflowError(ctx, "int");
  try {
    if (!DateAdd(ReadDatePart(ArgText(argv[0])), sqlite3_value_int64(argv[1]), d, result)) {
      return sqlite3_result_error(ctx, "DATEADD: unknown date part", -1);
    }
  } catch (const qor::VbError&) {
    result = kDateTooLate;  // beyond every date: reported below
  }
  if (!InDateRange(result)) {
    return sqlite3_result_error(ctx, "Adding a value to a 'datetime' column caused an overflow.",
                                -1);
  }
  ResultText(ctx, DateText(result));
}

void DatePartFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
  double d = 0;
  int64_t result = 0;
  if (!ArgDate(argv[1], d)) return sqlite3_result_error(ctx, "DATEPART: not a date", -1);
  if (!DatePartOf(ReadDatePart(ArgText(argv[0])), d, result)) {
    return sqlite3_result_error(ctx, "DATEPART: unknown date part", -1);
  }
  sqlite3_result_int64(ctx, result);
}

// year(d), month(d), day(d): the part is the function's user data.
void DateFieldFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  double d = 0;
  if (!ArgDate(argv[0], d)) return sqlite3_result_error(ctx, "not a date", -1);
  int64_t result = 0;
  DatePartOf(*static_cast<const DatePart*>(sqlite3_user_data(ctx)), d, result);
  sqlite3_result_int64(ctx, result);
}

void LeftRightFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
  const bool left = sqlite3_user_data(ctx) != nullptr;
  const std::string text = ArgText(argv[0]);
  int64_t n = sqlite3_value_int64(argv[1]);
  if (n < 0) return sqlite3_result_error(ctx, "LEFT/RIGHT: negative length", -1);
  const std::vector<size_t> starts = CharStarts(text);
  if (static_cast<size_t>(n) >= starts.size()) return ResultText(ctx, text);
  if (left) return ResultText(ctx, text.substr(0, starts[static_cast<size_t>(n)]));
  ResultText(ctx, text.substr(starts[starts.size() - static_cast<size_t>(n)]));
}

// A type written as "name" or "name(a[,b])".
struct TypeName {
  std::string base;
  int first = -1;
  int second = -1;
};

TypeName ReadType(const std::string& text) {
  TypeName type;
  size_t open = text.find('(');
  type.base = AsciiLower(text.substr(0, open));
  if (open == std::string::npos) return type;
  std::string args = text.substr(open + 1);
  if (AsciiLower(args).rfind("max", 0) == 0) return type;
  type.first = static_cast<int>(qor::Val(args));
  size_t comma = args.find(',');
  if (comma != std::string::npos) type.second = static_cast<int>(qor::Val(args.substr(comma + 1)));
  return type;
}

bool IsOneOf(const std::string& word, std::initializer_list<const char*> words) {
  for (const char* w : words) {
    if (word == w) return true;
  }
  return false;
}

std::string StyledDate(double oleDate, int64_t style) {
  const std::string full = qor::FormatDateTime(oleDate);
  const std::string day = full.substr(0, 10);
  switch (style) {
    case 23:
      return day;
    case 112:
      return day.substr(0, 4) + day.substr(5, 2) + day.substr(8, 2);
    case 111:
      return day.substr(0, 4) + "/" + day.substr(5, 2) + "/" + day.substr(8, 2);
    case 102:
      return day.substr(0, 4) + "." + day.substr(5, 2) + "." + day.substr(8, 2);
    case 8:
    case 108:
      return full.substr(11);
    case 21:
    case 121:
      return full + ".000";
    default:
      return full;
  }
}

std::string TextOf(sqlite3_value* value, int argc, sqlite3_value** argv) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
      return std::to_string(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
      return qor::FormatDouble(sqlite3_value_double(value));
    default:
      break;
  }
  std::string text = ArgText(value);
  double oleDate = 0;
  if (argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL && qor::ParseDate(text, oleDate)) {
    return StyledDate(oleDate, sqlite3_value_int64(argv[2]));
  }
  return text;
}

bool NumberOf(sqlite3_value* value, double& number) {
  if (sqlite3_value_type(value) == SQLITE_INTEGER || sqlite3_value_type(value) == SQLITE_FLOAT) {
    number = sqlite3_value_double(value);
    return true;
  }
  const std::string text = qor::Trim(ArgText(value));
  if (!qor::IsNumericText(text)) return false;
  number = qor::Val(text);
  return true;
}

void ConvertFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const TypeName type = ReadType(ArgText(argv[0]));
  const std::string& base = type.base;
  if (IsOneOf(base, {"varchar", "nvarchar", "char", "nchar", "text", "ntext", "sysname"})) {
    std::string text = TextOf(argv[1], argc, argv);
    const std::vector<size_t> starts = CharStarts(text);
    if (type.first >= 0 && static_cast<size_t>(type.first) < starts.size()) {
      text = text.substr(0, starts[static_cast<size_t>(type.first)]);
    }
    return ResultText(ctx, text);
  }
  if (IsOneOf(base, {"datetime", "date", "smalldatetime", "datetime2"})) {
    double d = 0;
    if (!ArgDate(argv[1], d)) return sqlite3_result_error(ctx, "CONVERT: not a date", -1);
    if (!InDateRange(d)) return OverflowError(ctx, base);
    return ResultText(ctx, base == "date" ? qor::FormatDate(d) : DateText(d));
  }
  double number = 0;
  if (!NumberOf(argv[1], number)) {
    return sqlite3_result_error(ctx, "CONVERT: the value is not a number", -1);
  }
  if (IsOneOf(base, {"int", "integer", "bigint", "smallint", "tinyint"})) {
    // Beyond the type is an overflow, as in T-SQL: never a wrapped number.
    double whole = std::trunc(number);
    auto [low, high] = IntegerRange(base);
    if (!(whole >= low && whole <= high)) return OverflowError(ctx, base);
    return sqlite3_result_int64(ctx, static_cast<int64_t>(whole));
  }
  if (base == "bit") return sqlite3_result_int(ctx, number != 0 ? 1 : 0);
  if (IsOneOf(base, {"decimal", "numeric", "money", "smallmoney", "float", "real"})) {
    int scale = base == "money" || base == "smallmoney" ? 4 : type.second;
    if (IsOneOf(base, {"decimal", "numeric"}) && scale < 0) scale = 0;
    if (scale >= 0) {
      double factor = std::pow(10.0, scale);
      number = std::round(number * factor) / factor;
    }
    return sqlite3_result_double(ctx, number);
  }
  sqlite3_result_error(ctx, "CONVERT: unsupported type", -1);
}

constexpr DatePart kYearPart = DatePart::kYear;
constexpr DatePart kMonthPart = DatePart::kMonth;
constexpr DatePart kDayPart = DatePart::kDay;

using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

// What SQLite calls: the function, with every C++ exception stopped here and
// reported as the statement's error (no exception may cross SQLite's C code).
template <SqlFunction Fn>
void Guarded(sqlite3_context* ctx, int argc, sqlite3_value** argv) noexcept {
  try {
    Fn(ctx, argc, argv);
  } catch (const qor::VbError& error) {
    sqlite3_result_error(ctx, error.Description().c_str(), -1);
  } catch (const std::bad_alloc&) {
    sqlite3_result_error_nomem(ctx);
  } catch (const std::exception& error) {
    sqlite3_result_error(ctx, error.what(), -1);
  } catch (...) {
    sqlite3_result_error(ctx, "the function failed", -1);
  }
}

template <SqlFunction Fn>
void Register(sqlite3* db, const char* name, int args, const void* data = nullptr,
              bool deterministic = true) {
  int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
  sqlite3_create_function_v2(db, name, args, flags, const_cast<void*>(data), Guarded<Fn>, nullptr,
                             nullptr, nullptr);
}

}  // namespace

void RegisterTsqlFunctions(sqlite3* db, const std::function<double()>* now) {
  static const int kLeftMarker = 1;
  Register<IsNullFunc>(db, "qor_isnull", 2);
  Register<CharIndexFunc>(db, "charindex", 2);
  Register<CharIndexFunc>(db, "charindex", 3);
  Register<LenFunc>(db, "len", 1);
  Register<GetDateFunc>(db, "getdate", 0, now, false);
  Register<DateDiffFunc>(db, "datediff", 3);
  Register<DateAddFunc>(db, "dateadd", 3);
  Register<DatePartFunc>(db, "datepart", 2);
  Register<DateFieldFunc>(db, "year", 1, &kYearPart);
  Register<DateFieldFunc>(db, "month", 1, &kMonthPart);
  Register<DateFieldFunc>(db, "day", 1, &kDayPart);
  Register<ConvertFunc>(db, "qor_convert", 2);
  Register<ConvertFunc>(db, "qor_convert", 3);
  Register<LeftRightFunc>(db, "qor_left", 2, &kLeftMarker);
  Register<LeftRightFunc>(db, "qor_right", 2, nullptr);
}

}  // namespace refhost
