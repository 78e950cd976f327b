#include "os/system_facts.h"

namespace vantrel::os {

std::string windowsVersionName(bool queried, std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                               bool workstation) {
  const char* newer = "Neuer als Windows Vista";
  if (!queried) return newer;
  if (platformId == 1) {
    if (minor == 0) return "MS Windows 95";
    if (minor == 10) return "MS Windows 98";
    if (minor == 90) return "MS Windows Me";
    return newer;
  }
  if (platformId != 2) return newer;
  if (major == 3) return "MS Windows NT 3.51";
  if (major == 4) return "MS Windows NT4";
  if (major == 5 && minor == 0) return "MS Windows 2000";
  if (major == 5 && minor == 1) return "MS Windows XP";
  if (major == 5 && minor == 2) return workstation ? "MS Windows XP" : "MS Windows Server 2003";
  // Server editions of 6.0 and 6.1 have names of their own.
  if (major == 6 && minor == 0) return workstation ? "MS Windows Vista" : "MS Windows Server 2008";
  if (major == 6 && minor == 1) return workstation ? newer : "MS Windows Server 2008 R2";
  return newer;
}

}  // namespace vantrel::os
