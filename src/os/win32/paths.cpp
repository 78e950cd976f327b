#include "os/paths.h"

#include <windows.h>

namespace vantrel::os {

namespace {

std::string modulePath() {
  char buffer[MAX_PATH + 1];
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, n);
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
