// The text forms in which the registry library exchanges values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// The value types the library reads and writes, by the platform's numbers.
enum RegistryType : int {
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
};

// The integer written in hexadecimal digits: per character result * 16 +
// digit, where 0-9 count 0-9, A-F and a-f 10-15, and any other character its
// code minus 55. 32-bit arithmetic, wrapping.
std::int32_t hexToNumber(std::string_view text);

// Binary data as two upper-case hexadecimal digits per byte ("000AFF").
std::string registryBinaryText(std::string_view bytes);
// The bytes of such a text: pairs of characters through hexToNumber, low 8
// bits each; a last odd character is ignored.
std::string registryBinaryBytes(std::string_view text);

// A DWORD's 4 bytes (in the registry's little-endian order) as signed decimal.
std::string registryDwordText(std::string_view bytes);
// textToInt of the text, low 32 bits, as the 4 bytes of a DWORD.
std::string registryDwordBytes(std::string_view text);

}  // namespace vantrel
