#include "os/paths.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace vantrel::os {

namespace {

// The running executable; the kernel marks it " (deleted)" once the file was
// replaced (as an update of the program directory does), which is not part
// of its name.
std::string executablePath() {
  char buffer[PATH_MAX + 1];
  ssize_t n = ::readlink("/proc/self/exe", buffer, PATH_MAX);
  if (n <= 0) return {};
  std::string exe(buffer, static_cast<std::size_t>(n));
  static const std::string deleted = " (deleted)";
  if (exe.size() > deleted.size() && exe.compare(exe.size() - deleted.size(), deleted.size(), deleted) == 0)
    exe.erase(exe.size() - deleted.size());
  return exe;
}

std::string withSeparator(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

char pathSeparator() { return '/'; }
bool fileNamesIgnoreCase() { return false; }

std::string getProgramPath() {
  std::string exe = executablePath();
  std::size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash + 1);
}

std::string getProgramName() {
  std::string exe = executablePath();
  std::size_t slash = exe.rfind('/');
  return slash == std::string::npos ? exe : exe.substr(slash + 1);
}

std::string getTempDir() {
  const char* dir = std::getenv("TMPDIR");
  if (dir != nullptr && *dir != '\0') return withSeparator(dir);
  return "/tmp/";
}

std::string getLongTempDir() {
  std::string dir = getTempDir();
  char resolved[PATH_MAX];
  if (::realpath(dir.c_str(), resolved) != nullptr) return withSeparator(resolved);
  return dir;
}

}  // namespace vantrel::os
