#include "core/config/date_value.h"

#include <cstdio>
#include <limits>

namespace vantrel {

namespace {

bool isLeapYear(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(std::int64_t year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1970-01-01 to the given day of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

DateValue fitted(std::int64_t seconds) {
  if (seconds < std::numeric_limits<DateValue>::min() || seconds > std::numeric_limits<DateValue>::max()) return -1;
  return static_cast<DateValue>(seconds);
}

// Up to `width` digits from text[pos]; pos moves past them.
int takeDigits(std::string_view text, std::size_t& pos, int width) {
  int value = 0;
  for (int i = 0; i < width && pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++i, ++pos)
    value = value * 10 + (text[pos] - '0');
  return value;
}

bool maskTokenAt(std::string_view mask, std::size_t i, std::string_view token) {
  return mask.substr(i, token.size()) == token;
}

}  // namespace

DateValue parseDate(std::string_view text, std::string_view mask) {
  if (text.empty()) return 0;
  int year = 1970;
  int month = 1;
  int day = 1;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < mask.size();) {
    if (maskTokenAt(mask, i, "%yyyy")) {
      year = takeDigits(text, pos, 4);
      i += 5;
    } else if (maskTokenAt(mask, i, "%dd")) {
      day = takeDigits(text, pos, 2);
      i += 3;
    } else if (maskTokenAt(mask, i, "%mm")) {
      month = takeDigits(text, pos, 2);
      i += 3;
    } else {
      ++pos;
      ++i;
    }
  }
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return -1;
  return fitted(daysFromCivil(year, month, day) * 86400);
}

std::string formatDate(const os::LocalTime& moment, std::string_view mask) {
  std::string out;
  char digits[16];
  for (std::size_t i = 0; i < mask.size();) {
    if (maskTokenAt(mask, i, "%yyyy")) {
      std::snprintf(digits, sizeof digits, "%04d", moment.year);
      out += digits;
      i += 5;
    } else if (maskTokenAt(mask, i, "%dd") || maskTokenAt(mask, i, "%mm")) {
      std::snprintf(digits, sizeof digits, "%02d", mask[i + 1] == 'd' ? moment.day : moment.month);
      out += digits;
      i += 3;
    } else {
      out += mask[i++];
    }
  }
  return out;
}

std::string formatDate(DateValue value, std::string_view mask) { return formatDate(calendarOf(value), mask); }

os::LocalTime calendarOf(DateValue value) {
  std::int64_t seconds = value;
  std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  std::int64_t rest = seconds - days * 86400;
  os::LocalTime t;
  civilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

DateValue dateValueOf(const os::LocalTime& moment) {
  std::int64_t days = daysFromCivil(moment.year, moment.month, moment.day);
  return fitted(days * 86400 + moment.hour * 3600 + moment.minute * 60 + moment.second);
}

DateValue dateValueNow() { return dateValueOf(os::localTimeNow()); }

}  // namespace vantrel
