#include "core/text/base64.h"

#include <cstdint>

namespace vantrel {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextetOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::string base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      group <<= 8;
      if (k < n) group |= static_cast<unsigned char>(bytes[i + k]);
    }
    out += kAlphabet[(group >> 18) & 0x3F];
    out += kAlphabet[(group >> 12) & 0x3F];
    out += n > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
    out += n > 2 ? kAlphabet[group & 0x3F] : '=';
  }
  return out;
}

std::string base64Decode(std::string_view text) {
  std::string out;
  std::uint32_t group = 0;
  int count = 0;
  for (char c : text) {
    if (c == '=') break;
    int sextet = sextetOf(c);
    if (sextet < 0) continue;
    group = (group << 6) | static_cast<std::uint32_t>(sextet);
    if (++count == 4) {
      out += static_cast<char>((group >> 16) & 0xFF);
      out += static_cast<char>((group >> 8) & 0xFF);
      out += static_cast<char>(group & 0xFF);
      group = 0;
      count = 0;
    }
  }
  if (count == 2) {
    out += static_cast<char>((group >> 4) & 0xFF);
  } else if (count == 3) {
    out += static_cast<char>((group >> 10) & 0xFF);
    out += static_cast<char>((group >> 2) & 0xFF);
  }
  return out;
}

}  // namespace vantrel
