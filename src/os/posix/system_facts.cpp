#include "os/system_facts.h"

#include <dirent.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include <cctype>

extern char** environ;

namespace vantrel::os {

namespace {

// A byte count as the 32-bit figure the report expects: capped at its limit,
// as the system's 32-bit memory query caps it.
std::uint32_t capped(unsigned long long bytes) { return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(bytes); }

std::string readFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string fileNamePart(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mount table's escapes (\040 for a blank and so on).
std::string unescapeMountField(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      int value = 0;
      bool octal = true;
      for (std::size_t k = 1; k <= 3; ++k) {
        char c = field[i + k];
        if (c < '0' || c > '7') octal = false;
        else value = value * 8 + (c - '0');
      }
      if (octal) {
        out += static_cast<char>(value);
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

struct Mount {
  std::string device;
  std::string point;
  std::string type;
};

std::vector<Mount> mounts() {
  std::vector<Mount> list;
  std::ifstream in("/proc/self/mounts");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Mount m;
    if (fields >> m.device >> m.point >> m.type) {
      m.device = unescapeMountField(m.device);
      m.point = unescapeMountField(m.point);
      list.push_back(m);
    }
  }
  return list;
}

// File systems that need no device: the kernel's "nodev" list.
std::set<std::string> deviceLessFileSystems() {
  std::set<std::string> names;
  std::ifstream in("/proc/filesystems");
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, 5, "nodev") == 0) {
      std::istringstream fields(line.substr(5));
      std::string name;
      if (fields >> name) names.insert(name);
    }
  }
  return names;
}

const std::set<std::string>& networkFileSystems() {
  static const std::set<std::string> names = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p"};
  return names;
}

bool findMount(const std::string& root, Mount& found) {
  bool any = false;
  for (const Mount& m : mounts()) {  // the last mount on a point is the one seen
    if (m.point == root) {
      found = m;
      any = true;
    }
  }
  return any;
}

std::string canonical(const std::string& path) {
  char buffer[PATH_MAX];
  return ::realpath(path.c_str(), buffer) != nullptr ? std::string(buffer) : std::string();
}

// The entry of /dev/disk/<folder> that links to the device; "" when none.
std::string diskLinkName(const std::string& folder, const std::string& device) {
  std::string target = canonical(device);
  if (target.empty()) return {};
  std::string dir = "/dev/disk/" + folder + "/";
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return {};
  std::string name;
  while (dirent* e = ::readdir(d)) {
    if (e->d_name[0] == '.') continue;
    if (canonical(dir + e->d_name) == target) {
      name = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return name;
}

// udev writes blanks and other bytes in link names as \x20.
std::string unescapeUdev(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
      out += static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string computerName() {
  char buffer[256] = {};
  if (::gethostname(buffer, sizeof buffer - 1) != 0) return std::string(255, ' ');
  return (buffer);
}

std::string userName() {
  passwd* entry = ::getpwuid(::geteuid());
  return entry != nullptr && entry->pw_name != nullptr ? (entry->pw_name) : std::string();
}

std::string operatingSystemName() {
  utsname names{};
  if (::uname(&names) != 0) return "Unbekanntes System";
  return (std::string(names.sysname) + " " + names.release);
}

std::uint32_t memoryLoad() {
  struct sysinfo info{};
  if (::sysinfo(&info) != 0 || info.totalram == 0) return 0;
  unsigned long long total = info.totalram, free = info.freeram + info.bufferram;
  return static_cast<std::uint32_t>((total - (free > total ? total : free)) * 100 / total);
}

std::uint32_t memoryBytes(MemoryFigure figure) {
  struct sysinfo info{};
  if (::sysinfo(&info) != 0) return 0;
  unsigned long long unit = info.mem_unit;
  switch (figure) {
    case MemoryFigure::TotalPhys: return capped(info.totalram * unit);
    case MemoryFigure::AvailPhys: return capped((info.freeram + info.bufferram) * unit);
    // The commit limit and what is left of it: memory and swap together.
    case MemoryFigure::TotalPageFile: return capped((info.totalram + info.totalswap) * unit);
    case MemoryFigure::AvailPageFile: return capped((info.freeram + info.bufferram + info.freeswap) * unit);
    case MemoryFigure::TotalVirtual:
    case MemoryFigure::AvailVirtual: {
      // The process's address space: its limit, less what it maps.
      rlimit limit{};
      unsigned long long total = ULLONG_MAX;
      if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) total = limit.rlim_cur;
      if (figure == MemoryFigure::TotalVirtual) return capped(total);
      unsigned long long pages = 0;
      std::ifstream statm("/proc/self/statm");
      statm >> pages;
      unsigned long long used = pages * static_cast<unsigned long long>(::sysconf(_SC_PAGESIZE));
      return capped(used >= total ? 0 : total - used);
    }
  }
  return 0;
}

std::uint32_t internetState() {
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return 0;
  std::uint32_t flags = 0;
  for (ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
    if ((a->ifa_flags & IFF_UP) && !(a->ifa_flags & IFF_LOOPBACK)) flags = 0x02;
  }
  ::freeifaddrs(list);
  return flags;
}

std::vector<std::string> processNames() {
  std::vector<std::string> names;
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return names;
  while (dirent* e = ::readdir(proc)) {
    std::string pid = e->d_name;
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string dir = "/proc/" + pid;
    // The executable's file name; kernel threads and processes of other users
    // whose link cannot be read go by the name the kernel keeps.
    char buffer[PATH_MAX + 1];
    ssize_t n = ::readlink((dir + "/exe").c_str(), buffer, PATH_MAX);
    std::string name;
    if (n > 0) {
      name = fileNamePart(std::string(buffer, static_cast<std::size_t>(n)));
      static const std::string deleted = " (deleted)";
      if (name.size() > deleted.size() && name.compare(name.size() - deleted.size(), deleted.size(), deleted) == 0)
        name.erase(name.size() - deleted.size());
    } else {
      name = readFirstLine(dir + "/comm");
      if (name.empty()) continue;  // the process ended meanwhile
    }
    names.push_back((name));
  }
  ::closedir(proc);
  return names;
}

std::vector<std::string> environmentEntries() {
  std::vector<std::string> entries;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) entries.push_back((*e));
  return entries;
}

std::vector<std::string> driveRoots() {
  std::set<std::string> deviceLess = deviceLessFileSystems();
  std::vector<std::string> roots;
  std::set<std::string> seen;
  for (const Mount& m : mounts()) {
    bool real = deviceLess.count(m.type) == 0 || networkFileSystems().count(m.type) != 0;
    if (real && seen.insert(m.point).second) roots.push_back((m.point));
  }
  return roots;
}

int driveTypeCode(const std::string& root) {
  if (root.empty() || root[0] != '/') return -2;
  Mount m;
  if (!findMount(root, m)) return 1;
  if (networkFileSystems().count(m.type) != 0) return 4;
  if (m.type == "iso9660" || m.type == "udf") return 5;
  if (m.type == "ramfs" || m.type == "tmpfs") return 6;
  // A block device the kernel marks removable: /sys/class/block/<dev>/removable,
  // or that of the disk a partition belongs to.
  std::string device = fileNamePart(canonical(m.device));
  if (!device.empty()) {
    std::string sys = canonical("/sys/class/block/" + device);
    for (const std::string& dir : {sys, sys.empty() ? std::string() : sys.substr(0, sys.rfind('/'))}) {
      if (!dir.empty() && readFirstLine(dir + "/removable") == "1") return 2;
    }
  }
  return 3;
}

VolumeInformation volumeInformation(const std::string& root) {
  VolumeInformation info;
  Mount m;
  if (root.empty() || !findMount(root, m)) return info;
  info.fileSystem = (m.type);
  info.name = (unescapeUdev(diskLinkName("by-label", m.device)));
  // The file system's identifier: its first 32 bits, as a FAT volume's
  // "1A2B-3C4D" or the front of a UUID.
  std::string uuid = diskLinkName("by-uuid", m.device);
  std::string digits;
  for (char c : uuid) {
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
  }
  if (digits.size() >= 8) info.serial = static_cast<std::uint32_t>(std::strtoul(digits.substr(0, 8).c_str(), nullptr, 16));
  return info;
}

std::int64_t diskSpaceMB(const std::string& root, int kind) {
  if (root.empty()) return -1;
  if (kind < 1 || kind > 3) return -3;
  struct statvfs s{};
  if (::statvfs(root.c_str(), &s) != 0) return 0;
  unsigned long long blocks = kind == 1 ? s.f_blocks : kind == 2 ? s.f_bfree : s.f_bavail;
  return static_cast<std::int64_t>(blocks * s.f_frsize / 1024 / 1024);
}

std::uint32_t cpuSpeedMHz() {
#if defined(__x86_64__) || defined(__i386__)
  unsigned long long start = __rdtsc();
  ::usleep(1000000);
  unsigned long long end = __rdtsc();
  return static_cast<std::uint32_t>(std::nearbyint(static_cast<double>(end - start) / 1000000.0));
#else
  return 0;
#endif
}

}  // namespace vantrel::os
