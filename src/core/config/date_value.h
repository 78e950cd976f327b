// Moments as the state file's readers and writers carry them: signed 32-bit
// seconds since 1970-01-01 00:00:00, counted in local calendar time (no time
// zone), and their text form through a mask such as "%dd.%mm.%yyyy".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "os/clock.h"

namespace vantrel {

using DateValue = std::int32_t;

// The mask of the state file's dates.
inline constexpr std::string_view kDateMask = "%dd.%mm.%yyyy";

// Walks the mask and the text together, starting from 1970-01-01 00:00:00:
// "%dd" and "%mm" take up to two digits, "%yyyy" up to four (fewer when a
// non-digit follows; none gives 0 for the field); every other mask character
// skips one text character. An empty text gives 0. A day or month of 0, a day
// beyond its month, year 0, or a moment outside the 32-bit range gives -1.
DateValue parseDate(std::string_view text, std::string_view mask);

// The mask with "%dd", "%mm" (two digits) and "%yyyy" (four digits) replaced
// by the moment's day, month and year; every other character as it stands.
std::string formatDate(const os::LocalTime& moment, std::string_view mask);
std::string formatDate(DateValue value, std::string_view mask);

// The calendar moment of a value and back; a moment outside the 32-bit range
// gives -1.
os::LocalTime calendarOf(DateValue value);
DateValue dateValueOf(const os::LocalTime& moment);

// The current local time.
DateValue dateValueNow();

}  // namespace vantrel
