#include "os/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "os/windows_1252.h"

namespace vantrel::os {

struct OutputFile::State {
  int fd = -1;
  std::string path;
};

OutputFile::OutputFile() : state_(std::make_unique<State>()) {}
OutputFile::~OutputFile() { close(); }

bool OutputFile::open(const std::string& path) {
  close();
  state_->path = path;
  // A new file in place of the old one (its open readers keep the old data).
  ::unlink(path.c_str());
  state_->fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (state_->fd < 0) state_->fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  return state_->fd >= 0;
}

bool OutputFile::write(const void* data, std::size_t size) {
  auto* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = ::write(state_->fd, p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool OutputFile::finish(const LocalTime& t, std::uint32_t attributes) {
  if (state_->fd < 0) return false;
  bool ok = ::close(state_->fd) == 0;
  state_->fd = -1;
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = 0;
  tm.tm_isdst = -1;
  std::time_t when = std::mktime(&tm);
  if (when != static_cast<std::time_t>(-1)) {
    struct timeval times[2] = {{when, 0}, {when, 0}};
    ::utimes(state_->path.c_str(), times);
  }
  mode_t mode = static_cast<mode_t>((attributes >> 16) & 07777);
  if (mode != 0) ::chmod(state_->path.c_str(), mode & 0777);
  else if ((attributes & 0x01) != 0) ::chmod(state_->path.c_str(), 0444);  // DOS read-only
  return ok;
}

void OutputFile::close() {
  if (state_->fd >= 0) ::close(state_->fd);
  state_->fd = -1;
}

std::string archiveNameToAnsi(const std::string& name, bool utf8) {
  std::string out;
  if (utf8) {
    for (std::size_t i = 0; i < name.size();) {
      auto c = static_cast<unsigned char>(name[i]);
      std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
      std::uint32_t cp = len == 1 ? c : c & (0x7Fu >> len);
      for (std::size_t k = 1; k < len && i + k < name.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3F);
      out += codePointToWindows1252(cp);
      i += len;
    }
    return out;
  }
  // The DOS code page's letters that Windows-1252 also has; others become '_'.
  static const struct {
    unsigned char dos;
    unsigned char ansi;
  } kLetters[] = {{0x80, 0xC7}, {0x81, 0xFC}, {0x82, 0xE9}, {0x83, 0xE2}, {0x84, 0xE4}, {0x85, 0xE0},
                  {0x86, 0xE5}, {0x87, 0xE7}, {0x88, 0xEA}, {0x89, 0xEB}, {0x8A, 0xE8}, {0x8B, 0xEF},
                  {0x8C, 0xEE}, {0x8D, 0xEC}, {0x8E, 0xC4}, {0x8F, 0xC5}, {0x90, 0xC9}, {0x91, 0xE6},
                  {0x92, 0xC6}, {0x93, 0xF4}, {0x94, 0xF6}, {0x95, 0xF2}, {0x96, 0xFB}, {0x97, 0xF9},
                  {0x98, 0xFF}, {0x99, 0xD6}, {0x9A, 0xDC}, {0xA0, 0xE1}, {0xA1, 0xED}, {0xA2, 0xF3},
                  {0xA3, 0xFA}, {0xA4, 0xF1}, {0xA5, 0xD1}, {0xE1, 0xDF}};
  for (char ch : name) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
      continue;
    }
    char mapped = '_';
    for (const auto& l : kLetters)
      if (l.dos == c) mapped = static_cast<char>(l.ansi);
    out += mapped;
  }
  return out;
}

}  // namespace vantrel::os
