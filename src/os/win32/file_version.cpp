#include "os/file_version.h"

#include <windows.h>

#include <vector>

namespace vantrel::os {

// The version library is loaded while a resource is held, and released with it.
struct FileVersionResource::State {
  HMODULE library = nullptr;
  using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
  using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
  using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
  using LanguageFn = DWORD(WINAPI*)(DWORD, LPSTR, DWORD);
  SizeFn getSize = nullptr;
  InfoFn getInfo = nullptr;
  QueryFn query = nullptr;
  LanguageFn languageName = nullptr;
  std::vector<char> block;

  ~State() {
    if (library != nullptr) FreeLibrary(library);
  }
};

FileVersionResource::FileVersionResource() : state_(std::make_unique<State>()) {}
FileVersionResource::~FileVersionResource() = default;

template <typename T>
static T function(HMODULE library, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

bool FileVersionResource::load(const std::string& file) {
  State& s = *state_;
  s.library = LoadLibraryA("Version.dll");
  if (s.library == nullptr) return false;
  s.getSize = function<State::SizeFn>(s.library, "GetFileVersionInfoSizeA");
  s.getInfo = function<State::InfoFn>(s.library, "GetFileVersionInfoA");
  s.query = function<State::QueryFn>(s.library, "VerQueryValueA");
  s.languageName = function<State::LanguageFn>(s.library, "VerLanguageNameA");
  if (s.getSize == nullptr || s.getInfo == nullptr || s.query == nullptr || s.languageName == nullptr) return false;
  DWORD handle = 0;
  DWORD size = s.getSize(file.c_str(), &handle);
  if (size == 0) return false;
  s.block.resize(size);
  if (!s.getInfo(file.c_str(), 0, size, s.block.data())) {
    s.block.clear();
    return false;
  }
  return true;
}

bool FileVersionResource::translation(std::uint16_t& language, std::uint16_t& codePage) const {
  if (state_->block.empty()) return false;
  void* data = nullptr;
  UINT length = 0;
  if (!state_->query(state_->block.data(), "\\VarFileInfo\\Translation", &data, &length) || length < 4) return false;
  auto* words = static_cast<const WORD*>(data);
  language = words[0];
  codePage = words[1];
  return true;
}

bool FileVersionResource::queryText(const std::string& path, std::string& value) const {
  if (state_->block.empty()) return false;
  char* data = nullptr;
  UINT length = 0;
  if (!state_->query(state_->block.data(), path.c_str(), reinterpret_cast<void**>(&data), &length) ||
      data == nullptr)
    return false;
  value.assign(data, length);
  std::size_t nul = value.find('\0');
  if (nul != std::string::npos) value.resize(nul);
  return true;
}

std::string FileVersionResource::languageName(std::uint16_t language) const {
  if (state_->languageName == nullptr) return {};
  char name[129] = {};
  DWORD n = state_->languageName(language, name, 128);
  return std::string(name, n > 128 ? 128 : n);
}

}  // namespace vantrel::os
