#include "core/report/system_probes.h"

#include <cmath>

#include "core/support/version_info.h"
#include "os/paths.h"
#include "os/rights.h"

namespace vantrel {

os::LocalTime MachineProbes::now() { return os::localTimeNow(); }
std::string MachineProbes::programFile() { return os::getProgramPath() + os::getProgramName(); }
std::string MachineProbes::programVersion() { return readFileVersionInfo(programFile(), kFieldFileVersion, false); }
std::string MachineProbes::tempDir() { return os::getTempDir(); }
bool MachineProbes::isUserAdmin() { return os::isUserAdmin(); }
std::string MachineProbes::getComputerName() { return os::computerName(); }
std::string MachineProbes::getUserName() { return os::userName(); }
std::string MachineProbes::getOSName() { return os::operatingSystemName(); }
std::uint32_t MachineProbes::getMemoryLoad() { return os::memoryLoad(); }
std::int32_t MachineProbes::memoryBytes(os::MemoryFigure figure) {
  return static_cast<std::int32_t>(os::memoryBytes(figure));
}
std::uint32_t MachineProbes::getInternetState() { return os::internetState(); }
std::vector<std::string> MachineProbes::processNames() { return os::processNames(); }
std::vector<std::string> MachineProbes::environmentEntries() { return os::environmentEntries(); }
std::vector<std::string> MachineProbes::driveRoots() { return os::driveRoots(); }
int MachineProbes::getDriveTypeCode(const std::string& root) { return os::driveTypeCode(root); }
os::VolumeInformation MachineProbes::volumeInformation(const std::string& root) {
  return os::volumeInformation(root);
}
std::int64_t MachineProbes::getDiskSpaceMB(const std::string& root, int kind) { return os::diskSpaceMB(root, kind); }
std::uint32_t MachineProbes::getCpuSpeedMHz() { return os::cpuSpeedMHz(); }

std::int64_t bytesToMB(std::int32_t bytes) {
  if (bytes >= 0) return bytes / 1024 / 1024;
  return std::llround((static_cast<double>(bytes) + 4294967296.0) / 1024.0 / 1024.0);
}

}  // namespace vantrel
