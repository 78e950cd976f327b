#include "os/shared_library.h"

#include <windows.h>

namespace vantrel::os {

LibraryHandle loadLibrary(const std::string& nameOrPath) {
  if (nameOrPath.empty()) return nullptr;
  // A path on a drive that is not there must fail quietly, without the
  // system's "no disk" box.
  UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryA(nameOrPath.c_str());
  SetErrorMode(previous);
  return module;
}

ExportedFunction findExport(LibraryHandle library, const std::string& name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<ExportedFunction>(GetProcAddress(static_cast<HMODULE>(library), name.c_str()));
}

void unloadLibrary(LibraryHandle library) {
  if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace vantrel::os
