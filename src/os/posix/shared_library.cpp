#include "os/shared_library.h"

#include <dlfcn.h>

namespace vantrel::os {

LibraryHandle loadLibrary(const std::string& nameOrPath) {
  if (nameOrPath.empty()) return nullptr;
  return ::dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
}

ExportedFunction findExport(LibraryHandle library, const std::string& name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<ExportedFunction>(::dlsym(library, name.c_str()));
}

void unloadLibrary(LibraryHandle library) {
  if (library != nullptr) ::dlclose(library);
}

}  // namespace vantrel::os
