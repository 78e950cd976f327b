// The facts the system information report shows, one probe per fact. The
// report's layout works on this interface; the real probes ask the machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/clock.h"
#include "os/system_facts.h"

namespace vantrel {

class SystemProbes {
 public:
  virtual ~SystemProbes() = default;

  virtual os::LocalTime now() = 0;
  virtual std::string programFile() = 0;     // full path of the running executable
  virtual std::string programVersion() = 0;  // FileVersion of that file, "" without one
  virtual std::string tempDir() = 0;
  virtual bool isUserAdmin() = 0;

  virtual std::string getComputerName() = 0;
  virtual std::string getUserName() = 0;
  virtual std::string getOSName() = 0;
  virtual std::uint32_t getMemoryLoad() = 0;
  // The figure as the 32-bit count the system reports, passed on as signed.
  virtual std::int32_t memoryBytes(os::MemoryFigure figure) = 0;
  virtual std::uint32_t getInternetState() = 0;
  virtual std::vector<std::string> processNames() = 0;        // unfiltered
  virtual std::vector<std::string> environmentEntries() = 0;  // "NAME=value", block order
  virtual std::vector<std::string> driveRoots() = 0;
  virtual int getDriveTypeCode(const std::string& root) = 0;
  virtual os::VolumeInformation volumeInformation(const std::string& root) = 0;
  virtual std::int64_t getDiskSpaceMB(const std::string& root, int kind) = 0;
  virtual std::uint32_t getCpuSpeedMHz() = 0;
};

// The probes of the running program on this machine.
class MachineProbes : public SystemProbes {
 public:
  os::LocalTime now() override;
  std::string programFile() override;
  std::string programVersion() override;
  std::string tempDir() override;
  bool isUserAdmin() override;
  std::string getComputerName() override;
  std::string getUserName() override;
  std::string getOSName() override;
  std::uint32_t getMemoryLoad() override;
  std::int32_t memoryBytes(os::MemoryFigure figure) override;
  std::uint32_t getInternetState() override;
  std::vector<std::string> processNames() override;
  std::vector<std::string> environmentEntries() override;
  std::vector<std::string> driveRoots() override;
  int getDriveTypeCode(const std::string& root) override;
  os::VolumeInformation volumeInformation(const std::string& root) override;
  std::int64_t getDiskSpaceMB(const std::string& root, int kind) override;
  std::uint32_t getCpuSpeedMHz() override;
};

// MB of a 32-bit byte count: truncating integer division below 2^31, the
// unsigned value divided in floating point and rounded above.
std::int64_t bytesToMB(std::int32_t bytes);

}  // namespace vantrel
