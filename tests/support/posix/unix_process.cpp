#include "support/unix_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace vantrel::test {

std::string unixPathOf(const std::string& path) { return path; }

void setEnvironment(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }

void unsetEnvironment(const std::string& name) { ::unsetenv(name.c_str()); }

UnixProcess::~UnixProcess() { end(); }

bool UnixProcess::start(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
      ::dup2(null, 2);
    }
    ::setpgid(0, 0);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  pid_ = child;
  return true;
}

void UnixProcess::end() {
  if (pid_ <= 0) return;
  pid_t pid = static_cast<pid_t>(pid_);
  pid_ = -1;
  // A tool that was asked to stop ends by itself within moments.
  for (int i = 0; i < 100; ++i) {
    if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
    if (i == 40) ::kill(pid, SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

}  // namespace vantrel::test
