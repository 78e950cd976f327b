// The Windows-1252 code page: one byte to a Unicode code point and back.
#pragma once

#include <cstdint>

namespace vantrel::os {

std::uint32_t windows1252ToCodePoint(unsigned char byte);
// '?' for a character the code page does not hold.
char codePointToWindows1252(std::uint32_t codePoint);

}  // namespace vantrel::os
