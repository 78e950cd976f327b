#include "support/unix_process.h"

#include <windows.h>

#include <cstdlib>

namespace vantrel::test {

namespace {

std::wstring wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring out(n > 0 ? n : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
  out.resize(out.empty() ? 0 : out.size() - 1);
  return out;
}

// Wine's own conversions between its drives and the Unix file system.
using ToUnix = char*(__cdecl*)(const wchar_t*);
using ToDos = wchar_t*(__cdecl*)(const char*);

template <typename Function>
Function wineFunction(const char* name) {
  // Through void (*)(void), which any function pointer type may be cast to.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

std::string dosPathOf(const std::string& unixPath) {
  auto toDos = wineFunction<ToDos>("wine_get_dos_file_name");
  if (toDos == nullptr) return unixPath;
  wchar_t* dos = toDos(unixPath.c_str());
  if (dos == nullptr) return unixPath;
  int n = WideCharToMultiByte(CP_ACP, 0, dos, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, dos, -1, out.data(), n, nullptr, nullptr);
  HeapFree(GetProcessHeap(), 0, dos);
  out.resize(out.empty() ? 0 : out.size() - 1);
  return out;
}

}  // namespace

std::string unixPathOf(const std::string& path) {
  auto toUnix = wineFunction<ToUnix>("wine_get_unix_file_name");
  if (toUnix == nullptr) return path;
  char* unix = toUnix(wide(path).c_str());
  if (unix == nullptr) return path;
  std::string out = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return out;
}

// _putenv changes the C runtime's copy of the environment as well as the
// process's, so both kinds of readers see it.
void setEnvironment(const std::string& name, const std::string& value) { _putenv((name + "=" + value).c_str()); }

void unsetEnvironment(const std::string& name) { _putenv((name + "=").c_str()); }

UnixProcess::~UnixProcess() { end(); }

bool UnixProcess::start(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  // Wine runs a program that is not a Windows executable as a Unix process,
  // with the command line split by the Windows rules.
  std::string commandLine;
  for (std::size_t i = 0; i < argv.size(); ++i) {
    if (i > 0) commandLine += ' ';
    commandLine += '"' + (i == 0 ? dosPathOf(argv[0]) : argv[i]) + '"';
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nullptr;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &info))
    return false;
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  if (info.hProcess != nullptr) CloseHandle(info.hProcess);
  return true;
}

void UnixProcess::end() {}

}  // namespace vantrel::test
