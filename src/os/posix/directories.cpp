#include <sys/stat.h>

#include <string>

#include "os/paths.h"

namespace vantrel::os {

namespace {

bool isDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool makeDirPath(const std::string& path) {
  std::size_t last = path.rfind('/');
  if (last == std::string::npos) return false;
  const std::string dir = path.substr(0, last + 1);
  for (std::size_t slash = dir.find('/', 1); slash != std::string::npos; slash = dir.find('/', slash + 1)) {
    std::string level = dir.substr(0, slash);
    if (level.empty() || level.back() == '/') continue;  // doubled separators
    if (!isDirectory(level)) ::mkdir(level.c_str(), 0777);
  }
  return isDirectory(dir);
}

}  // namespace vantrel::os
