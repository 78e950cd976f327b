#include "os/files.h"

#include <windows.h>

#include <algorithm>

namespace vantrel::os {

namespace {

constexpr std::size_t kMaxPath = 260;

}  // namespace

std::int64_t fileSizeOf(const std::string& path) {
  if (path.empty()) return -1;
  std::string copy = path.substr(0, kMaxPath);
  if ((copy.size() == 2 || copy.size() == 3) && copy[1] == ':') {
    if (copy.size() == 2) copy += '\\';
    return GetDriveTypeA(copy.c_str()) > 1 ? -2 : -1;
  }
  while (!copy.empty() && copy.back() == '\\') copy.pop_back();
  // Wildcards would make the search answer for some other file; no file
  // name can contain them.
  if (copy.empty() || copy.find_first_of("*?") != std::string::npos) return -1;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(copy.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    if (copy.size() >= 2 && copy[0] == '\\' && copy[1] == '\\') {
      DWORD attributes = GetFileAttributesA(copy.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return -2;
    }
    return -1;
  }
  FindClose(find);
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return -2;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool fileExists(const std::string& path) { return fileSizeOf(path) >= 0; }

bool readWholeFile(const std::string& path, std::string& content) {
  content.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[65536];
  bool ok = true;
  while (true) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    content.append(buffer, got);
  }
  CloseHandle(file);
  return ok;
}

bool replaceFileContent(const std::string& path, const std::string& content) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
    return false;
  std::string temp = path + ".tmp" + std::to_string(GetCurrentProcessId());
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < content.size()) {
    DWORD wrote = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
    ok = WriteFile(file, content.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
    done += wrote;
  }
  ok = ok && FlushFileBuffers(file);
  CloseHandle(file);
  if (ok) ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

bool appendToFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  SetFilePointer(file, 0, nullptr, FILE_END);
  DWORD wrote = 0;
  bool ok = bytes.empty() ||
            (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) && wrote == bytes.size());
  CloseHandle(file);
  return ok;
}

std::vector<std::string> listFiles(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

bool deleteFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

}  // namespace vantrel::os
