// The terminal of the console front end: one writer that flushes every line
// and one reader that owns standard input.
#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace vantrel {

class ConsoleIo {
 public:
  // Prints Windows-1252 text as UTF-8 and flushes.
  void print(const std::string& ansiText);
  // Prints the prompt at the start of a line and reads one line (without its
  // line break, back in Windows-1252). Empty at the end of input.
  std::optional<std::string> readLine(const std::string& prompt);

  static ConsoleIo& instance();

 private:
  void printLocked(const std::string& ansiText);
  std::mutex mutex_;
  bool atLineStart_ = true;
};

}  // namespace vantrel
