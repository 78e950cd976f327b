// Base64 with the standard alphabet and '=' fill, no line breaks.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// 4 * ceil(n / 3) characters for n bytes.
std::string base64Encode(std::string_view bytes);

// The bytes of a Base64 text. Characters outside the alphabet are skipped and
// decoding ends at the first '='; a last group of two or three characters
// gives one or two bytes, a lone last character none. Never fails: text that
// is not Base64 decodes to whatever bytes its alphabet characters give.
std::string base64Decode(std::string_view text);

}  // namespace vantrel
