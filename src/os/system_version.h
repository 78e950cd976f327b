// The operating system's family and version.
#pragma once

namespace vantrel::os {

struct SystemVersion {
  enum class Platform { Windows9x, WindowsNt, Other } platform = Platform::Other;
  int major = 0;
  int minor = 0;
};

SystemVersion systemVersion();

}  // namespace vantrel::os
