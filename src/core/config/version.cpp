#include "core/config/version.h"

#include <algorithm>

#include "core/config/numbers.h"

namespace vantrel {

VersionNumber versionToNumber(std::string_view text) {
  std::uint64_t sum = 0;
  std::int64_t weight = 1000000;
  auto dots = static_cast<int>(std::count(text.begin(), text.end(), '.'));
  for (int pass = 1; pass <= 2 && dots >= pass; ++pass) {
    std::size_t p = text.find('.') + 1;  // position of the first dot, counted from 1
    std::string_view component = text.substr(0, std::min<std::size_t>(p - 1, 3));
    sum += static_cast<std::uint64_t>(textToInt(component) * weight);
    text.remove_prefix(p);
    weight /= 1000;
  }
  sum += static_cast<std::uint64_t>(textToInt(text.substr(0, 3)) * weight);
  return static_cast<VersionNumber>(static_cast<std::uint32_t>(sum));
}

bool passesDecimalGate(std::string_view version, std::string_view minimum) {
  return !(textToFloat(minimum) > textToFloat(version));
}

bool passesIntegerGate(std::string_view version, std::string_view minimum) {
  return textToInt(version) >= textToInt(minimum);
}

}  // namespace vantrel
