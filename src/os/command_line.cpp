#include "os/command_line.h"

namespace vantrel::os {

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
  std::vector<std::string> parts;
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  while (true) {
    while (i < n && commandLine[i] == ' ') ++i;
    if (i >= n) break;
    if (commandLine[i] == '"') {
      std::size_t close = commandLine.find('"', i + 1);
      if (close == std::string::npos) {
        parts.push_back(commandLine.substr(i + 1));
        break;
      }
      parts.push_back(commandLine.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      std::size_t end = commandLine.find(' ', i);
      if (end == std::string::npos) end = n;
      parts.push_back(commandLine.substr(i, end - i));
      i = end;
    }
  }
  return parts;
}

}  // namespace vantrel::os
