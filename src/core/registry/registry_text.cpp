#include "core/registry/registry_text.h"

#include "core/config/numbers.h"

namespace vantrel {

std::int32_t hexToNumber(std::string_view text) {
  std::uint32_t result = 0;
  for (char c : text) {
    std::uint32_t code = static_cast<unsigned char>(c);
    std::uint32_t digit;
    if (c >= '0' && c <= '9') {
      digit = code - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = code - 'a' + 10;
    } else {
      digit = code - 55;  // 'A'..'F' give 10..15; other characters what they give
    }
    result = result * 16 + digit;
  }
  return static_cast<std::int32_t>(result);
}

std::string registryBinaryText(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    unsigned char b = static_cast<unsigned char>(c);
    out += digits[b >> 4];
    out += digits[b & 0x0F];
  }
  return out;
}

std::string registryBinaryBytes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    out += static_cast<char>(hexToNumber(text.substr(i, 2)) & 0xFF);
  return out;
}

std::string registryDwordText(std::string_view bytes) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i)
    number |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  return std::to_string(static_cast<std::int32_t>(number));
}

std::string registryDwordBytes(std::string_view text) {
  std::uint32_t number = static_cast<std::uint32_t>(textToInt(text));
  std::string out(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) out[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace vantrel
