// The run's log file in the temporary directory.
#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "os/clock.h"

namespace vantrel {

// One log file per run and executable name: prefix + "_yymmdd_hhmmss.log"
// in the temporary directory. The first line of a run removes the files that
// earlier runs of the same executable name left there.
class LogFile {
 public:
  using Clock = std::function<os::LocalTime()>;

  // logMode: 0 switches the log off; the bit of value 2 writes the file.
  LogFile(std::string tempDir, std::string prefix, Clock clock = os::localTimeNow, unsigned char logMode = 3);

  // Appends `message` and CR LF, converted to UTF-8; with showLog 1 the file
  // is then opened for the user. Always 0.
  int write(const std::string& message, int showLog);

  // Empty until the first line was written.
  std::string path() const;

  // Whether `name` is a log file of an earlier run of `prefix`.
  static bool isEarlierRunFile(const std::string& name, const std::string& prefix, bool ignoreCase);

 private:
  std::string tempDir_;
  std::string prefix_;
  Clock clock_;
  unsigned char logMode_;
  bool initialised_ = false;
  std::string path_;
  mutable std::mutex mutex_;
};

// The process's log: the running executable's name in the user's temporary
// directory.
LogFile& processLog();

inline int writeLog(const std::string& message, int showLog) { return processLog().write(message, showLog); }

}  // namespace vantrel
