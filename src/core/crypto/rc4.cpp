#include "core/crypto/rc4.h"

#include <array>
#include <cstdint>
#include <utility>

namespace vantrel {

std::string rc4(std::string_view data, std::string_view key) {
  std::array<std::uint8_t, 256> s;
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<std::uint8_t>(i);
  std::uint8_t j = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    std::uint8_t k = key.empty() ? 0 : static_cast<std::uint8_t>(key[i % key.size()]);
    j = static_cast<std::uint8_t>(j + s[i] + k);
    std::swap(s[i], s[j]);
  }
  std::string out(data);
  std::uint8_t a = 0;
  std::uint8_t b = 0;
  for (char& c : out) {
    a = static_cast<std::uint8_t>(a + 1);
    b = static_cast<std::uint8_t>(b + s[a]);
    std::swap(s[a], s[b]);
    c = static_cast<char>(static_cast<std::uint8_t>(c) ^ s[static_cast<std::uint8_t>(s[a] + s[b])]);
  }
  return out;
}

}  // namespace vantrel
