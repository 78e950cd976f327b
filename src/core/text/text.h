// Text helpers for the 8-bit Windows-1252 strings the whole program carries.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A to Z and the accented capitals of Windows-1252 (0xC0-0xDE, without the
// multiplication sign) become lower case; everything else stays.
std::string toLowerAnsi(std::string_view text);
// The inverse mapping: a to z and 0xE0-0xFE (without the division sign).
std::string toUpperAnsi(std::string_view text);
bool equalsIgnoreCaseAnsi(std::string_view a, std::string_view b);

// Each byte taken as the Unicode code point of the same value (the log's encoding).
std::string bytesToUtf8(std::string_view text);
// Real Windows-1252 to UTF-8 and back (the console's encoding). Characters
// that Windows-1252 cannot hold become '?'.
std::string ansiToUtf8(std::string_view text);
std::string utf8ToAnsi(std::string_view text);

// Removes leading and trailing blanks and tabs.
std::string_view trimBlanks(std::string_view text);
bool isBlankText(std::string_view text);
std::string replaceAll(std::string text, std::string_view what, std::string_view with);

}  // namespace vantrel
