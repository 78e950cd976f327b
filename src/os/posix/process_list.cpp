#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <string>

#include "os/process_list.h"

namespace vantrel::os {

namespace {

bool isNumber(const char* name) {
  if (*name == '\0') return false;
  for (; *name != '\0'; ++name) {
    if (*name < '0' || *name > '9') return false;
  }
  return true;
}

// The process's executable: the target of /proc/<pid>/exe (without the
// " (deleted)" the kernel adds once the file was replaced, as an update
// does), or, where that link may not be read (another user's process), the
// first word of its command line.
std::string executableOf(const std::string& procDir) {
  char buffer[PATH_MAX + 1];
  ssize_t n = ::readlink((procDir + "/exe").c_str(), buffer, PATH_MAX);
  if (n > 0) {
    std::string exe(buffer, static_cast<std::size_t>(n));
    static const std::string deleted = " (deleted)";
    if (exe.size() > deleted.size() && exe.compare(exe.size() - deleted.size(), deleted.size(), deleted) == 0)
      exe.erase(exe.size() - deleted.size());
    return exe;
  }
  std::ifstream cmdline(procDir + "/cmdline", std::ios::binary);
  std::string first;
  std::getline(cmdline, first, '\0');
  return first;
}

}  // namespace

bool isProcessRunning(const std::string& exeName) {
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return false;
  bool found = false;
  while (dirent* entry = ::readdir(proc)) {
    if (!isNumber(entry->d_name)) continue;
    std::string exe = executableOf(std::string("/proc/") + entry->d_name);
    if (!exe.empty() && processNameMatches(exe, exeName)) found = true;
  }
  ::closedir(proc);
  return found;
}

}  // namespace vantrel::os
