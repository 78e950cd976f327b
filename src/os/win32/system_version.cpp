#include "os/system_version.h"

#include <windows.h>

namespace vantrel::os {

SystemVersion systemVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return SystemVersion{};
#pragma GCC diagnostic pop
  SystemVersion v;
  v.platform = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? SystemVersion::Platform::Windows9x
               : info.dwPlatformId == VER_PLATFORM_WIN32_NT    ? SystemVersion::Platform::WindowsNt
                                                               : SystemVersion::Platform::Other;
  v.major = static_cast<int>(info.dwMajorVersion);
  v.minor = static_cast<int>(info.dwMinorVersion);
  return v;
}

}  // namespace vantrel::os
