#include <windows.h>

#include <string>

#include "os/paths.h"

namespace vantrel::os {

namespace {

bool isDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool makeDirPath(const std::string& path) {
  std::size_t last = path.find_last_of("\\/");
  if (last == std::string::npos) return false;
  const std::string dir = path.substr(0, last + 1);
  // Each level from the root down; the levels that cannot be directories (a
  // drive "C:", the server of a UNC path) simply fail, the final test decides.
  for (std::size_t sep = dir.find_first_of("\\/", 1); sep != std::string::npos;
       sep = dir.find_first_of("\\/", sep + 1)) {
    std::string level = dir.substr(0, sep);
    if (level.empty() || level.back() == '\\' || level.back() == '/') continue;
    if (!isDirectory(level)) CreateDirectoryA(level.c_str(), nullptr);
  }
  return isDirectory(dir);
}

}  // namespace vantrel::os
