#include "os/debug_output.h"

#include <windows.h>

namespace vantrel::os {

void debugOutput(const std::string& ansiText) { OutputDebugStringA(ansiText.c_str()); }

}  // namespace vantrel::os
