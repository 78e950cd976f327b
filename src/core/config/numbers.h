// The two text-to-number conversions every reader uses for numeric values.
#pragma once

#include <cstdint>
#include <string_view>

namespace vantrel {

// Leading blanks and tabs skipped, optional sign, "$" for hexadecimal and "%"
// for binary digits, decimal otherwise; reading stops at the first other
// character; no digits give 0. 64-bit arithmetic.
std::int64_t textToInt(std::string_view text);

// A decimal number as the C library reads it (leading blanks, sign, digits,
// one '.', exponent), stopping at the first unusable character, in single
// precision; no number gives 0.
float textToFloat(std::string_view text);

}  // namespace vantrel
