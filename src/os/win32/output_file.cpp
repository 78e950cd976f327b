#include "os/output_file.h"

#include <windows.h>

#include "os/windows_1252.h"

namespace vantrel::os {

struct OutputFile::State {
  HANDLE file = INVALID_HANDLE_VALUE;
  std::string path;
};

OutputFile::OutputFile() : state_(std::make_unique<State>()) {}
OutputFile::~OutputFile() { close(); }

bool OutputFile::open(const std::string& path) {
  close();
  state_->path = path;
  state_->file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (state_->file == INVALID_HANDLE_VALUE)
    state_->file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return state_->file != INVALID_HANDLE_VALUE;
}

bool OutputFile::write(const void* data, std::size_t size) {
  DWORD wrote = 0;
  return WriteFile(state_->file, data, static_cast<DWORD>(size), &wrote, nullptr) && wrote == size;
}

bool OutputFile::finish(const LocalTime& t, std::uint32_t attributes) {
  if (state_->file == INVALID_HANDLE_VALUE) return false;
  SYSTEMTIME local{static_cast<WORD>(t.year), static_cast<WORD>(t.month), 0, static_cast<WORD>(t.day),
                   static_cast<WORD>(t.hour), static_cast<WORD>(t.minute), 0, 0};
  FILETIME localTime;
  FILETIME universal;
  if (SystemTimeToFileTime(&local, &localTime) && LocalFileTimeToFileTime(&localTime, &universal))
    SetFileTime(state_->file, nullptr, nullptr, &universal);
  bool ok = CloseHandle(state_->file) != 0;
  state_->file = INVALID_HANDLE_VALUE;
  DWORD dos = attributes & 0xFF & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
  if (dos != 0) SetFileAttributesA(state_->path.c_str(), dos);
  return ok;
}

void OutputFile::close() {
  if (state_->file != INVALID_HANDLE_VALUE) CloseHandle(state_->file);
  state_->file = INVALID_HANDLE_VALUE;
}

std::string archiveNameToAnsi(const std::string& name, bool utf8) {
  if (utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), wide.data(), n);
    std::string out;
    for (wchar_t c : wide) out += codePointToWindows1252(static_cast<std::uint32_t>(c));
    return out;
  }
  std::string out(name.size(), '\0');
  OemToCharBuffA(name.data(), out.data(), static_cast<DWORD>(name.size()));
  return out;
}

}  // namespace vantrel::os
