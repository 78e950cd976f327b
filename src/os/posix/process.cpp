#include "os/process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "os/command_line.h"

namespace vantrel::os {

namespace {

std::string currentDirectory() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
  return buffer;
}

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool findOnPath(const std::string& name, std::string& found) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::string list = path;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    std::string dir = list.substr(start, end - start);
    if (!dir.empty()) {
      std::string candidate = dir + "/" + name;
      if (isExecutableFile(candidate)) {
        found = candidate;
        return true;
      }
    }
    start = end + 1;
  }
  return false;
}

// The executable a program name stands for, made absolute before any change
// of directory. Like the Windows loader, a bare name is looked for in the
// current directory first, then on the search path.
bool resolveProgram(const std::string& name, std::string& program) {
  program = name;
  if (program.find('/') == std::string::npos) {
    std::string local = currentDirectory() + "/" + program;
    if (isExecutableFile(local)) program = local;
    else if (!findOnPath(program, program)) return false;
  } else if (program[0] != '/') {
    program = currentDirectory() + "/" + program;
  }
  return isExecutableFile(program);
}

// Starts argv detached from this process (it is not our child, so no zombie
// is left). Reports whether the exec succeeded, through a pipe that closes on
// exec.
bool spawnDetached(const std::vector<std::string>& args, const std::string& workingDir) {
  if (args.empty()) return false;
  std::string program;
  if (!resolveProgram(args[0], program)) return false;

  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::close(report[0]);
    pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    int error = 0;
    if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) {
      error = errno;
    } else {
      ::execv(program.c_str(), argv.data());
      error = errno;
    }
    if (::write(report[1], &error, sizeof error) < 0) {
      // Nothing more can be reported.
    }
    ::_exit(127);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t n;
  do {
    n = ::read(report[0], &error, sizeof error);
  } while (n < 0 && errno == EINTR);
  ::close(report[0]);
  bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return forked && n == 0;
}

bool hasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x != nullptr && *x != '\0') || (w != nullptr && *w != '\0');
}

}  // namespace

std::vector<std::string> programParameters(int argc, char** argv) {
  std::vector<std::string> params;
  for (int i = 1; i < argc; ++i) params.emplace_back(argv[i]);
  return params;
}

bool createProcess(const std::string& commandLine, const std::string& workingDir) {
  return spawnDetached(splitCommandLine(commandLine), workingDir);
}

bool shellOpen(const std::string& file, const std::string& /*parameters*/, const std::string& workingDir) {
  // The desktop's opener stands in for the shell; without a desktop there is
  // nothing to open the file with.
  struct stat st {};
  if (file.empty() || ::stat(file.c_str(), &st) != 0 || !hasDisplay()) return false;
  std::string opener;
  if (!findOnPath("xdg-open", opener)) return false;
  return spawnDetached({opener, file}, workingDir);
}

void endProgram() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  ::_exit(0);
}

}  // namespace vantrel::os

namespace vantrel::os {

bool runAndWait(const std::string& commandLine, const std::string& workingDir, int& exitCode) {
  std::vector<std::string> args = splitCommandLine(commandLine);
  if (args.empty()) return false;
  std::string program;
  if (!resolveProgram(args[0], program)) return false;
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  std::fflush(nullptr);
  pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::close(report[0]);
    int error = 0;
    if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) error = errno;
    else {
      ::execv(program.c_str(), argv.data());
      error = errno;
    }
    if (::write(report[1], &error, sizeof error) < 0) {
      // Nothing more can be reported.
    }
    ::_exit(127);
  }
  ::close(report[1]);
  int error = 0;
  ssize_t n;
  do {
    n = ::read(report[0], &error, sizeof error);
  } while (n < 0 && errno == EINTR);
  ::close(report[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (n != 0) return false;  // the exec failed
  exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  return true;
}

}  // namespace vantrel::os
