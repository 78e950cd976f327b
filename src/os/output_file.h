// A file written from the start, in blocks, with its time and attributes set
// at the end (the archive's entries).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "os/clock.h"

namespace vantrel::os {

class OutputFile {
 public:
  OutputFile();
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the file, replacing an existing one; when it cannot be replaced,
  // an existing file is truncated instead. False when neither works.
  bool open(const std::string& path);
  bool write(const void* data, std::size_t size);
  // Closes the file, then sets its last-write time and (when not 0) its
  // stored attributes: DOS attribute bits in the low byte, Unix mode bits in
  // the high 16 bits as zip archives keep them.
  bool finish(const LocalTime& lastWrite, std::uint32_t attributes);
  void close();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// An archive entry's name as stored (the DOS code page, or UTF-8 when the
// archive says so) in Windows-1252.
std::string archiveNameToAnsi(const std::string& name, bool utf8);

}  // namespace vantrel::os
