#include "os/paths.h"

#include <windows.h>

namespace vantrel::os {

namespace {

// The full path of the running executable. The room grows until the path
// fits, so a path beyond MAX_PATH is not cut into a wrong directory or name.
std::string modulePath() {
  std::string buffer(MAX_PATH + 1, '\0');
  while (true) {
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return buffer.substr(0, n);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::string withSeparator(std::string dir) {
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  return dir;
}

}  // namespace

char pathSeparator() { return '\\'; }
bool fileNamesIgnoreCase() { return true; }

std::string getProgramPath() {
  std::string exe = modulePath();
  std::size_t slash = exe.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : exe.substr(0, slash + 1);
}

std::string getProgramName() {
  std::string exe = modulePath();
  std::size_t slash = exe.find_last_of("\\/");
  return slash == std::string::npos ? exe : exe.substr(slash + 1);
}

std::string getTempDir() {
  char buffer[MAX_PATH + 1];
  DWORD n = GetTempPathA(MAX_PATH, buffer);
  if (n == 0 || n > MAX_PATH) return {};
  return withSeparator(std::string(buffer, n));
}

std::string getLongTempDir() {
  std::string dir = getTempDir();
  if (dir.empty()) return dir;
  char buffer[MAX_PATH + 1];
  DWORD n = GetLongPathNameA(dir.c_str(), buffer, MAX_PATH);
  if (n == 0 || n > MAX_PATH) return dir;
  return withSeparator(std::string(buffer, n));
}

}  // namespace vantrel::os
