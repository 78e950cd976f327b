// Dotted product versions and the layout-version gates of the INI files.
#pragma once

#include <cstdint>
#include <string_view>

namespace vantrel {

// A dotted version as one comparable number: first component times 1000000,
// second times 1000, plus the third, each cut to its first three characters.
using VersionNumber = std::int32_t;
VersionNumber versionToNumber(std::string_view text);

// The decimal gate of the readers: passes when textToFloat(version) is at
// least textToFloat(minimum).
bool passesDecimalGate(std::string_view version, std::string_view minimum);
// The integer gate of the two checked writers: textToInt on both sides.
bool passesIntegerGate(std::string_view version, std::string_view minimum);

}  // namespace vantrel
