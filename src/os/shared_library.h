// Loading a shared library at run time and looking up its exports by name.
#pragma once

#include <string>

namespace vantrel::os {

using LibraryHandle = void*;
using ExportedFunction = void (*)();

// A plain file name is looked up along the system's standard search order
// for libraries; a path is loaded as it stands. nullptr when it cannot be
// loaded.
LibraryHandle loadLibrary(const std::string& nameOrPath);
// nullptr when the library has no export of that name.
ExportedFunction findExport(LibraryHandle library, const std::string& name);
void unloadLibrary(LibraryHandle library);

}  // namespace vantrel::os
