#include <gtest/gtest.h>

#include "core/vb.h"
#include "unit/core/core_test_util.h"

namespace qor {
namespace {

double ParsedOrMinus(std::string_view text) {
  double oleDate = 0;
  return ParseDate(text, oleDate) ? oleDate : -1;
}

TEST(DateSerialTest, CountsDaysFromTheOleEpoch) {
  EXPECT_EQ(DateSerial(1899, 12, 30), 0);
  EXPECT_EQ(DateSerial(1900, 1, 1), 2);
  EXPECT_EQ(DateSerial(2024, 1, 1), 45292);
  EXPECT_EQ(DateSerial(1899, 12, 29), -1);
  EXPECT_EQ(FormatDate(DateSerial(1600, 2, 29)), "1600-02-29");
}

TEST(DateSerialTest, NormalisesMonthsAndDaysOutOfRange) {
  EXPECT_EQ(FormatDate(DateSerial(2024, 13, 1)), "2025-01-01");
  EXPECT_EQ(FormatDate(DateSerial(2024, 3, 0)), "2024-02-29");
  EXPECT_EQ(FormatDate(DateSerial(2023, 3, 0)), "2023-02-28");
  EXPECT_EQ(FormatDate(DateSerial(2024, 0, 1)), "2023-12-01");
  EXPECT_EQ(FormatDate(DateSerial(2024, -13, 1)), "2022-11-01");
  EXPECT_EQ(FormatDate(DateSerial(2024, 1, 32)), "2024-02-01");
  EXPECT_EQ(FormatDate(DateSerial(2024, 2, -1)), "2024-01-30");
  EXPECT_EQ(FormatDate(DateSerial(2024, 25, 366)), "2027-01-01");
  // Two-digit years are read as 1930-2029.
  EXPECT_EQ(FormatDate(DateSerial(24, 5, 6)), "2024-05-06");
  EXPECT_EQ(FormatDate(DateSerial(95, 5, 6)), "1995-05-06");
  EXPECT_EQ(ErrorOf([] { DateSerial(9999, 12, 32); }), kErrInvalidCall);
}

TEST(DateArithmeticTest, AddingDaysCrossesMonthAndYearEnds) {
  double feb28 = DateSerial(2024, 2, 28);
  EXPECT_EQ(FormatDate(feb28 + 1), "2024-02-29");
  EXPECT_EQ(FormatDate(feb28 + 2), "2024-03-01");
  EXPECT_EQ(FormatDate(DateSerial(2023, 2, 28) + 1), "2023-03-01");
  double newYearsEve = DateSerial(2026, 12, 31);
  EXPECT_EQ(FormatDate(newYearsEve + 1), "2027-01-01");
  EXPECT_EQ(FormatDate(newYearsEve + 60), "2027-03-01");
  EXPECT_EQ(FormatDate(newYearsEve - 365), "2025-12-31");
  EXPECT_EQ(Year(newYearsEve + 1), 2027);
  EXPECT_EQ(Month(newYearsEve + 1), 1);
  EXPECT_EQ(Day(newYearsEve + 1), 1);
  EXPECT_EQ(DateSerial(2025, 1, 1) - DateSerial(2024, 1, 1), 366);
  // The day of a date with a time is the day the time belongs to.
  EXPECT_EQ(Day(DateSerial(2024, 2, 29) + 0.99), 29);
  EXPECT_EQ(Day(-1.75), 29);
  EXPECT_EQ(Month(-1.75), 12);
}

TEST(DateFormatTest, FormatsDateAndTimeRoundingToTheSecond) {
  double date = DateSerial(2024, 3, 5);
  EXPECT_EQ(FormatDate(date), "2024-03-05");
  EXPECT_EQ(FormatDateTime(date), "2024-03-05 00:00:00");
  EXPECT_EQ(FormatDateTime(date + 0.5), "2024-03-05 12:00:00");
  EXPECT_EQ(FormatDateTime(date + (13 * 3600 + 4 * 60 + 5) / 86400.0), "2024-03-05 13:04:05");
  EXPECT_EQ(FormatDateTime(date + 0.9999999), "2024-03-06 00:00:00");
  EXPECT_EQ(FormatDateTime(-1.25), "1899-12-29 06:00:00");
  EXPECT_EQ(FormatDate(DateSerial(100, 1, 1)), "0100-01-01");
  EXPECT_EQ(ErrorOf([] { FormatDate(1e12); }), kErrOverflow);
}

TEST(ParseDateTest, ReadsTheStoredDateForms) {
  double expected = DateSerial(2024, 2, 29);
  EXPECT_EQ(ParsedOrMinus("2024-02-29"), expected);
  EXPECT_EQ(ParsedOrMinus("2024/2/29"), expected);
  EXPECT_EQ(ParsedOrMinus(" 2024-02-29 "), expected);
  EXPECT_EQ(ParsedOrMinus("2024-02-29 18:00"), expected + 0.75);
  EXPECT_EQ(ParsedOrMinus("2024-02-29 06:00:00"), expected + 0.25);
  EXPECT_EQ(ParsedOrMinus("2024-02-29T06:00:00"), expected + 0.25);
  EXPECT_EQ(FormatDateTime(ParsedOrMinus("2024-02-29 13:04:05.250")), "2024-02-29 13:04:05");
  EXPECT_DOUBLE_EQ(ParsedOrMinus("2024-02-29 00:00:00.500"), expected + 0.5 / 86400);
  EXPECT_EQ(ParsedOrMinus("1899-12-29 06:00"), -1.25);
}

TEST(ParseDateTest, RefusesWhatIsNotADate) {
  for (const char* text : {"", "2024", "2024-02-30", "2023-02-29", "2024-13-01", "2024-00-10",
                           "2024-02-29x", "2024-02/29", "24-02-29", "2024-02-29 24:00",
                           "2024-02-29 12:60", "2024-02-29 12:00:", "2024-02-29 12", "2024-02-29T",
                           "2024-02-29 12:00:00.", "29.02.2024", "0099-01-01"}) {
    double oleDate = 123;
    EXPECT_FALSE(ParseDate(text, oleDate)) << text;
    EXPECT_EQ(oleDate, 123) << text;
  }
}

TEST(ParseDateTest, RoundTripsWithFormat) {
  for (double date = DateSerial(2023, 12, 25); date < DateSerial(2025, 3, 10); date += 1) {
    ASSERT_EQ(ParsedOrMinus(FormatDate(date)), date);
  }
  double withTime = DateSerial(2026, 12, 31) + (23 * 3600 + 59 * 60 + 59) / 86400.0;
  EXPECT_DOUBLE_EQ(ParsedOrMinus(FormatDateTime(withTime)), withTime);
}

TEST(CDateTest, TakesDatesNumbersAndDateTexts) {
  EXPECT_EQ(CDate(Variant::Date(45000.5)), 45000.5);
  EXPECT_EQ(CDate(45000), 45000);
  EXPECT_EQ(CDate(Variant()), 0);
  EXPECT_EQ(CDate("2024-01-01"), 45292);
  EXPECT_EQ(ErrorOf([] { CDate("2024-02-30"); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CDate("45000"); }), kErrTypeMismatch);
}

}  // namespace
}  // namespace qor
