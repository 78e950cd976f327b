#include "os/system_facts.h"

#include <windows.h>
#include <tlhelp32.h>
#include <wininet.h>
#include <intrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vantrel::os {

namespace {

MEMORYSTATUS memoryStatus() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return status;
}

std::string upperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return text;
}

}  // namespace

std::string computerName() {
  char buffer[256];
  std::fill(buffer, buffer + 255, ' ');
  buffer[255] = '\0';
  DWORD size = 255;
  GetComputerNameA(buffer, &size);
  return std::string(buffer);
}

std::string userName() {
  char buffer[256] = {};
  DWORD size = 255;
  if (!GetUserNameA(buffer, &size)) return {};
  return std::string(buffer);
}

std::string operatingSystemName() {
  OSVERSIONINFOA plain{};
  plain.dwOSVersionInfoSize = 148;
  if (!GetVersionExA(&plain)) return windowsVersionName(false, 0, 0, 0, false);
  bool workstation = false;
  if (plain.dwPlatformId == VER_PLATFORM_WIN32_NT) {
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = 156;
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)))
      workstation = extended.wProductType == VER_NT_WORKSTATION;
  }
  return windowsVersionName(true, plain.dwPlatformId, plain.dwMajorVersion, plain.dwMinorVersion,
                                     workstation);
}

std::uint32_t memoryLoad() { return memoryStatus().dwMemoryLoad; }

std::uint32_t memoryBytes(MemoryFigure figure) {
  MEMORYSTATUS s = memoryStatus();
  SIZE_T value = 0;
  switch (figure) {
    case MemoryFigure::TotalPhys: value = s.dwTotalPhys; break;
    case MemoryFigure::AvailPhys: value = s.dwAvailPhys; break;
    case MemoryFigure::TotalPageFile: value = s.dwTotalPageFile; break;
    case MemoryFigure::AvailPageFile: value = s.dwAvailPageFile; break;
    case MemoryFigure::TotalVirtual: value = s.dwTotalVirtual; break;
    case MemoryFigure::AvailVirtual: value = s.dwAvailVirtual; break;
  }
  // The 64-bit build's fields are wider: the report takes the 32-bit count,
  // capped as the 32-bit query caps it.
  unsigned long long wide = value;
  return wide > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(wide);
}

std::uint32_t internetState() {
  DWORD flags = 0;
  InternetGetConnectedState(&flags, 0);
  return flags;
}

std::vector<std::string> processNames() {
  std::vector<std::string> names;
  HMODULE kernel = LoadLibraryA("Kernel32.dll");
  if (kernel == nullptr) return names;
  using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
  using WalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
  auto snapshot = reinterpret_cast<SnapshotFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
  auto first = reinterpret_cast<WalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32First")));
  auto next = reinterpret_cast<WalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32Next")));
  if (snapshot != nullptr && first != nullptr && next != nullptr) {
    HANDLE snap = snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap != INVALID_HANDLE_VALUE) {
      PROCESSENTRY32 entry{};
      entry.dwSize = sizeof entry;
      for (BOOL more = first(snap, &entry); more; more = next(snap, &entry)) names.push_back(entry.szExeFile);
      CloseHandle(snap);
    }
  }
  FreeLibrary(kernel);
  return names;
}

std::vector<std::string> environmentEntries() {
  std::vector<std::string> entries;
  char* block = GetEnvironmentStringsA();
  if (block == nullptr) return entries;
  for (const char* p = block; *p != '\0'; p += std::strlen(p) + 1) entries.push_back(p);
  FreeEnvironmentStringsA(block);
  return entries;
}

std::vector<std::string> driveRoots() {
  std::vector<std::string> roots;
  for (char letter = 'C'; letter <= 'Z'; ++letter) roots.push_back(std::string(1, letter) + ":\\");
  return roots;
}

int driveTypeCode(const std::string& root) {
  if (root.size() < 3) return -1;
  char first = root[0];
  if (first >= 'a' && first <= 'z') first = static_cast<char>(first - 32);
  if (first < 'A' || first > 'Z') return -2;
  return static_cast<int>(GetDriveTypeA(root.c_str()));
}

VolumeInformation volumeInformation(const std::string& root) {
  char name[261];
  char fileSystem[261];
  std::fill(name, name + 260, ' ');
  std::fill(fileSystem, fileSystem + 260, ' ');
  name[260] = fileSystem[260] = '\0';
  DWORD serial = 0;
  UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);  // no box for an empty drive
  GetVolumeInformationA(root.c_str(), name, 260, &serial, nullptr, nullptr, fileSystem, 260);
  SetErrorMode(oldMode);
  VolumeInformation info;
  info.name = name;
  info.fileSystem = fileSystem;
  info.serial = serial;
  return info;
}

std::int64_t diskSpaceMB(const std::string& root, int kind) {
  if (root.size() < 2) return -1;
  ULARGE_INTEGER available{}, total{}, free{};
  UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  GetDiskFreeSpaceExA(upperCase(root).c_str(), &available, &total, &free);
  SetErrorMode(oldMode);
  unsigned long long bytes = 0;
  switch (kind) {
    case 1: bytes = total.QuadPart; break;
    case 2: bytes = free.QuadPart; break;
    case 3: bytes = available.QuadPart; break;
    default: return -3;
  }
  return static_cast<std::int64_t>(bytes / 1024 / 1024);
}

std::uint32_t cpuSpeedMHz() {
  unsigned long long start = __rdtsc();
  Sleep(1000);
  unsigned long long end = __rdtsc();
  return static_cast<std::uint32_t>(std::nearbyint(static_cast<double>(end - start) / 1000000.0));
}

}  // namespace vantrel::os
