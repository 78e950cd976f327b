// The options of Vantrel's own command line.
#pragma once

#include <cstdint>

namespace vantrel {

enum OptionFlag : std::uint32_t {
  kOptHelp = 0x0001,
  kOptNoStart = 0x0080,
  kOptForce = 0x0100,
  kOptCancel = 0x0200,
  kOptConfig = 0x0400,
  kOptIntervalGiven = 0x0800,
  kOptDebug = 0x1000,
  kOptMode2 = 0x2000,
};

struct OptionSet {
  std::uint32_t flags = 0;
  int intervalDays = 0;  // 1-255 when kOptIntervalGiven is set, else 0

  bool has(OptionFlag flag) const { return (flags & flag) != 0; }
};

}  // namespace vantrel
