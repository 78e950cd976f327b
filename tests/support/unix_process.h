// Starting the Python tools of tools/ (the test servers) as Unix processes,
// from the native test programs and from the Windows ones under Wine alike.
#pragma once

#include <string>
#include <vector>

namespace vantrel::test {

// The Unix path of a path of this program's file system (the same path on
// POSIX; under Wine the file's place in the Unix file system).
std::string unixPathOf(const std::string& path);

// Sets or removes an environment variable of this process, so that the
// platform's own reading of the environment sees it.
void setEnvironment(const std::string& name, const std::string& value);
void unsetEnvironment(const std::string& name);

// A Unix program started detached, its standard streams on /dev/null (it
// must not hold a pipe of the test runner open). Under Wine there is no
// handle to it: such programs end themselves (the tools watch a stop file
// and bound their lifetime).
class UnixProcess {
 public:
  UnixProcess() = default;
  ~UnixProcess();
  UnixProcess(const UnixProcess&) = delete;
  UnixProcess& operator=(const UnixProcess&) = delete;

  // `argv[0]` is the program's Unix path.
  bool start(const std::vector<std::string>& argv);
  // Ends the process if it still runs and this platform can reach it.
  void end();

 private:
  long pid_ = -1;
};

}  // namespace vantrel::test
