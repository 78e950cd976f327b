// The local calendar time.
#pragma once

namespace vantrel::os {

struct LocalTime {
  int year = 0;    // e.g. 2026
  int month = 0;   // 1-12
  int day = 0;     // 1-31
  int hour = 0;    // 0-23
  int minute = 0;
  int second = 0;
};

LocalTime localTimeNow();

}  // namespace vantrel::os
