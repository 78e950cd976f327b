#include "os/process_list.h"

namespace vantrel::os {

std::string upperCaseProcessName(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    unsigned char b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || b >= 0xE0) c = static_cast<char>(b - 32);
  }
  return out;
}

bool processNameMatches(const std::string& executable, const std::string& exeName) {
  std::string upper = upperCaseProcessName(executable);
  std::size_t slash = upper.find_last_of("\\/");
  if (slash != std::string::npos) upper.erase(0, slash + 1);
  return upper == upperCaseProcessName(exeName);
}

}  // namespace vantrel::os
