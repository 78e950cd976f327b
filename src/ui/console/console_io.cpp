#include "ui/console/console_io.h"

#include <cstdio>
#include <iostream>

#include "core/text/text.h"

namespace vantrel {

ConsoleIo& ConsoleIo::instance() {
  static ConsoleIo io;
  return io;
}

void ConsoleIo::printLocked(const std::string& ansiText) {
  if (ansiText.empty()) return;
  std::string utf8 = ansiToUtf8(ansiText);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
  atLineStart_ = ansiText.back() == '\n';
}

void ConsoleIo::print(const std::string& ansiText) {
  std::lock_guard<std::mutex> lock(mutex_);
  printLocked(ansiText);
}

std::optional<std::string> ConsoleIo::readLine(const std::string& prompt) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!atLineStart_) printLocked("\n");
    printLocked(prompt);
    std::fflush(stdout);
  }
  std::string line;
  int c;
  bool any = false;
  while ((c = std::fgetc(stdin)) != EOF) {
    any = true;
    if (c == '\n') break;
    line += static_cast<char>(c);
  }
  if (!any) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::lock_guard<std::mutex> lock(mutex_);
  atLineStart_ = true;  // the user's line break ended the prompt's line
  return utf8ToAnsi(line);
}

}  // namespace vantrel
