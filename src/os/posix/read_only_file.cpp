#include "os/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vantrel::os {

ReadOnlyFile::~ReadOnlyFile() { close(); }

bool ReadOnlyFile::open(const std::string& path) {
  close();
  failed_ = false;
  // Non-blocking, so that a FIFO put in the file's place cannot hang the open.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  handle_ = fd;
  return true;
}

std::size_t ReadOnlyFile::read(void* buffer, std::size_t size) {
  if (handle_ < 0) {
    failed_ = true;
    return 0;
  }
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  // read() may return less than asked before the end; keep going until the
  // buffer is full or the file ends, as a read of a Windows file does.
  while (done < size) {
    ssize_t n = ::read(static_cast<int>(handle_), out + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      break;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

void ReadOnlyFile::close() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

}  // namespace vantrel::os
