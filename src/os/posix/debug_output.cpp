#include "os/debug_output.h"

#include <iconv.h>

#include <cstdio>

namespace vantrel::os {

namespace {

std::string toUtf8(const std::string& ansi) {
  iconv_t cd = ::iconv_open("UTF-8", "WINDOWS-1252");
  if (cd == reinterpret_cast<iconv_t>(-1)) return ansi;
  std::string out(ansi.size() * 3 + 1, '\0');
  char* in = const_cast<char*>(ansi.data());
  std::size_t inLeft = ansi.size();
  char* to = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (::iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1)) break;
    // A byte the code page leaves undefined: show it as '?' and go on.
    ++in;
    --inLeft;
    if (outLeft == 0) break;
    *to++ = '?';
    --outLeft;
  }
  ::iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

void debugOutput(const std::string& ansiText) {
  std::string line = toUtf8(ansiText) + "\n";
  std::fflush(stdout);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace vantrel::os
