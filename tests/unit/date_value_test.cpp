#include <gtest/gtest.h>

#include "core/config/date_value.h"

namespace vantrel {
namespace {

constexpr DateValue kDay = 86400;

TEST(DateValue, ParseWithTheStateFileMask) {
  struct Case {
    const char* text;
    DateValue expected;
  } cases[] = {
      {"", 0},
      {"01.01.1970", 0},
      {"02.01.1970", kDay},
      {"09.12.2024", 1733702400},
      {"9.12.2024", 1733702400},   // fewer digits when a non-digit follows
      {"09.12.2024 trailing", 1733702400},
      {"29.02.2024", 1709164800},  // leap year
      {"29.02.2023", -1},
      {"31.02.2024", -1},
      {"31.04.2024", -1},
      {"00.12.2024", -1},
      {"09.00.2024", -1},
      {"09.13.2024", -1},
      {"09.12.", -1},              // no year digits: year 0
      {"x", -1},                   // no day digits: day 0
      {"31.12.1969", -kDay},       // before 1970 is negative
      {"19.01.2038", 2147472000},  // the last day that fits 32 bits
      {"20.01.2038", -1},
      {"13.12.1901", -1},          // before the 32-bit range
      {"14.12.1901", -2147472000},
      {"1.1.1970", 0},
      {"09x12/2024", 1733702400},  // a mask character skips any one character
      {"091.12.2024", -1},         // ... a digit too: the month finds no digits
  };
  for (const Case& c : cases) EXPECT_EQ(parseDate(c.text, kDateMask), c.expected) << '"' << c.text << '"';
}

TEST(DateValue, FormatThroughAMask) {
  os::LocalTime t{2024, 12, 9, 13, 5, 7};
  EXPECT_EQ(formatDate(t, kDateMask), "09.12.2024");
  EXPECT_EQ(formatDate(t, "\"%dd.%mm.%yyyy\""), "\"09.12.2024\"");
  EXPECT_EQ(formatDate(os::LocalTime{987, 1, 2, 0, 0, 0}, kDateMask), "02.01.0987");
  EXPECT_EQ(formatDate(DateValue{0}, kDateMask), "01.01.1970");
  EXPECT_EQ(formatDate(DateValue{-1}, kDateMask), "31.12.1969");
}

TEST(DateValue, CalendarRoundTrip) {
  for (DateValue v : {DateValue{0}, DateValue{-1}, DateValue{1733702400 + 13 * 3600 + 5 * 60 + 7},
                      DateValue{2147483647}, DateValue{-2147483647 - 1}})
    EXPECT_EQ(dateValueOf(calendarOf(v)), v);
  // The text keeps the day only.
  EXPECT_EQ(parseDate(formatDate(DateValue{-1}, kDateMask), kDateMask), -kDay);
  EXPECT_EQ(parseDate(formatDate(DateValue{1733702400 + 47000}, kDateMask), kDateMask), 1733702400);
  os::LocalTime t = calendarOf(1733702400 + 13 * 3600 + 5 * 60 + 7);
  EXPECT_EQ(t.year, 2024);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 9);
  EXPECT_EQ(t.hour, 13);
  EXPECT_EQ(t.minute, 5);
  EXPECT_EQ(t.second, 7);
  EXPECT_EQ(dateValueOf(os::LocalTime{2040, 1, 1, 0, 0, 0}), -1);
}

}  // namespace
}  // namespace vantrel
