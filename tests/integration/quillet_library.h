// The built checksum library, loaded the way callers load it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "os/paths.h"
#include "os/shared_library.h"
#include "quillet/quillet.h"

namespace vantrel::test {

// The file name of the library as the build makes it (quillet.dll, libquillet.so).
inline std::string quilletLibraryName() { return QUILLET_LIBRARY_NAME; }
inline std::string quilletLibraryPath() { return os::getProgramPath() + QUILLET_LIBRARY_NAME; }

class LoadedQuillet {
 public:
  explicit LoadedQuillet(const std::string& nameOrPath = quilletLibraryPath())
      : handle_(os::loadLibrary(nameOrPath)) {
    function_ = reinterpret_cast<QuilletFunction>(os::findExport(handle_, "quillet"));
  }
  ~LoadedQuillet() { os::unloadLibrary(handle_); }
  LoadedQuillet(const LoadedQuillet&) = delete;
  LoadedQuillet& operator=(const LoadedQuillet&) = delete;

  bool ok() const { return function_ != nullptr; }
  QuilletFunction function() const { return function_; }
  // The answer, copied at once as callers must.
  std::string operator()(const char* path) const { return function_(path); }
  std::string operator()(const std::string& path) const { return function_(path.c_str()); }

 private:
  os::LibraryHandle handle_;
  QuilletFunction function_ = nullptr;
};

}  // namespace vantrel::test
