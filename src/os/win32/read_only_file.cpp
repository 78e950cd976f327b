#include "os/read_only_file.h"

#include <windows.h>

namespace vantrel::os {

namespace {

// INVALID_HANDLE_VALUE is -1 as well, the value of a closed file.
HANDLE handleOf(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

}  // namespace

ReadOnlyFile::~ReadOnlyFile() { close(); }

bool ReadOnlyFile::open(const std::string& path) {
  close();
  failed_ = false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

std::size_t ReadOnlyFile::read(void* buffer, std::size_t size) {
  if (handle_ == -1) {
    failed_ = true;
    return 0;
  }
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    DWORD chunk = size - done > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size - done);
    DWORD got = 0;
    if (!ReadFile(handleOf(handle_), out + done, chunk, &got, nullptr)) {
      failed_ = true;
      done += got;
      break;
    }
    if (got == 0) break;
    done += got;
  }
  return done;
}

void ReadOnlyFile::close() {
  if (handle_ != -1) CloseHandle(handleOf(handle_));
  handle_ = -1;
}

}  // namespace vantrel::os
