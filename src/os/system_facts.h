// The machine's facts for the system information report: one query each,
// every one falling back to a value the report can show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::os {

// The report's name of a Windows version: whether the version query
// succeeded, its platform id, major and minor version, and whether the
// extended query succeeded with the workstation product type.
std::string windowsVersionName(bool queried, std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                               bool workstation);

// The computer's name; a buffer of blanks when it cannot be had.
std::string computerName();
// The logged-on user's name; "" when it cannot be had.
std::string userName();
// The operating system's name for the report's line.
std::string operatingSystemName();

enum class MemoryFigure { TotalPhys, AvailPhys, TotalPageFile, AvailPageFile, TotalVirtual, AvailVirtual };
// Percent of the physical memory in use, 0 to 100; one query per call.
std::uint32_t memoryLoad();
// One memory figure in bytes as the 32-bit count the system reports it
// (at most 4,294,967,295); one query per call.
std::uint32_t memoryBytes(MemoryFigure figure);

// The internet connection flag word (0x02 LAN, ...); 0 when nothing is known.
std::uint32_t internetState();

// The executable names of the running processes, as the system lists them.
std::vector<std::string> processNames();
// The process's environment block, entry by entry ("NAME=value"), in block order.
std::vector<std::string> environmentEntries();

// The roots the report lists drives for, in their order: the letters C: to
// Z: on Windows, the mount points of real file systems on POSIX.
std::vector<std::string> driveRoots();
// The drive type code of a root: 0 unknown, 1 no root directory, 2 removable,
// 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk; -1 and -2 for roots that cannot
// name a drive.
int driveTypeCode(const std::string& root);
struct VolumeInformation {
  std::string name;        // up to its terminating zero, blanks kept
  std::string fileSystem;  // the same
  std::uint32_t serial = 0;
};
// Empty names and serial 0 when the query fails.
VolumeInformation volumeInformation(const std::string& root);
// kind 1 total bytes, 2 free bytes, 3 bytes free for the caller, in MB
// (integer division); 0 when the query fails, -1 for a root that cannot name a
// drive, -3 for any other kind.
std::int64_t diskSpaceMB(const std::string& root, int kind);

// The processor's time-stamp counter over one second, in MHz (rounded, ties
// to even); 0 where the processor has no such counter.
std::uint32_t cpuSpeedMHz();

}  // namespace vantrel::os
