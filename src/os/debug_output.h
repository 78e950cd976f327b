// One line for a debugger that is watching the program.
#pragma once

#include <string>

namespace vantrel::os {

// Windows: OutputDebugStringA with the Windows-1252 text as it stands.
// POSIX, where no debugger channel exists: the text and a newline on
// standard error, as UTF-8.
void debugOutput(const std::string& ansiText);

}  // namespace vantrel::os
