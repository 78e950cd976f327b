#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "os/process_list.h"

namespace vantrel::os {

namespace {

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

}  // namespace

bool isProcessRunning(const std::string& exeName) {
  // Tool help is looked up at run time, as systems without it exist.
  HMODULE kernel = LoadLibraryA("Kernel32.dll");
  if (kernel == nullptr) return false;
  auto createSnapshot = reinterpret_cast<CreateSnapshotFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
  auto first = reinterpret_cast<ProcessWalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32First")));
  auto next = reinterpret_cast<ProcessWalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32Next")));
  bool found = false;
  if (createSnapshot != nullptr && first != nullptr && next != nullptr) {
    HANDLE snapshot = createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
      // The ANSI record: 296 bytes in the 32-bit build, 304 in the 64-bit one.
      PROCESSENTRY32 entry {};
      entry.dwSize = sizeof entry;
      for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
        if (processNameMatches(entry.szExeFile, exeName)) found = true;
      }
      CloseHandle(snapshot);
    }
  }
  FreeLibrary(kernel);
  return found;
}

}  // namespace vantrel::os
