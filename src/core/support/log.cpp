#include "core/support/log.h"

#include <cstdio>

#include "core/text/text.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/process.h"

namespace vantrel {

LogFile::LogFile(std::string tempDir, std::string prefix, Clock clock, unsigned char logMode)
    : tempDir_(std::move(tempDir)), prefix_(std::move(prefix)), clock_(std::move(clock)), logMode_(logMode) {}

bool LogFile::isEarlierRunFile(const std::string& name, const std::string& prefix, bool ignoreCase) {
  static const std::string pattern = "_??????_??????.log";
  if (name.size() != prefix.size() + pattern.size()) return false;
  auto same = [ignoreCase](std::string_view a, std::string_view b) {
    return ignoreCase ? equalsIgnoreCaseAnsi(a, b) : a == b;
  };
  if (!same(std::string_view(name).substr(0, prefix.size()), prefix)) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char want = pattern[i];
    char got = name[prefix.size() + i];
    if (want == '?') continue;
    if (!same(std::string_view(&got, 1), std::string_view(&want, 1))) return false;
  }
  return true;
}

int LogFile::write(const std::string& message, int showLog) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (logMode_ == 0) return 0;
  if (!initialised_) {
    for (const std::string& name : os::listFiles(tempDir_)) {
      if (isEarlierRunFile(name, prefix_, os::fileNamesIgnoreCase())) os::deleteFile(tempDir_ + name);
    }
  }
  if ((logMode_ & 2) != 0) {
    if (!initialised_) {
      os::LocalTime t = clock_();
      char stamp[32];
      std::snprintf(stamp, sizeof stamp, "_%02d%02d%02d_%02d%02d%02d.log", t.year % 100, t.month, t.day, t.hour,
                    t.minute, t.second);
      path_ = tempDir_ + prefix_ + stamp;
      initialised_ = true;
    }
    os::appendToFile(path_, bytesToUtf8(message) + "\r\n");
  }
  if (showLog == 1 && !path_.empty()) os::shellOpen(path_, "", "");
  return 0;
}

std::string LogFile::path() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return path_;
}

LogFile& processLog() {
  static LogFile log(os::getLongTempDir(), os::getProgramName());
  return log;
}

}  // namespace vantrel
