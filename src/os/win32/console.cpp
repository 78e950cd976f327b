#include "os/console.h"

#include <windows.h>

namespace vantrel::os {

bool standardOutputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace vantrel::os
