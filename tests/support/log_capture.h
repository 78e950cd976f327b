// The lines the process log receives while a test runs.
#pragma once

#include <string>
#include <vector>

namespace vantrel::test {

class LogCapture {
 public:
  // Starts at the current end of the process log (writing a marker line first
  // so that the log file exists).
  LogCapture();

  // The lines written since, as the log holds them (UTF-8, one byte per
  // Windows-1252 character), without their line breaks.
  std::vector<std::string> lines() const;

  // Whether a line equal to bytesToUtf8(text) was written since.
  bool has(const std::string& text) const;

 private:
  std::size_t start_ = 0;
};

}  // namespace vantrel::test
