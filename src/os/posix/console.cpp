#include "os/console.h"

#include <unistd.h>

namespace vantrel::os {

bool standardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

}  // namespace vantrel::os
