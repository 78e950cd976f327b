// Sequential reading of one file that is opened for reading only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantrel::os {

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Opens an existing plain file for reading. On Windows others may read it
  // meanwhile but not write it, and a file that someone holds open without
  // read sharing cannot be opened. False when it is missing, not a plain file
  // or cannot be opened.
  bool open(const std::string& path);

  // Reads up to `size` bytes into `buffer`, fewer only at the end of the
  // file or when a read failed; returns how many bytes it placed there.
  // failed() tells whether a read failed.
  std::size_t read(void* buffer, std::size_t size);
  bool failed() const { return failed_; }

  void close();

 private:
  std::intptr_t handle_ = -1;
  bool failed_ = false;
};

}  // namespace vantrel::os
