#include "os/system_version.h"

namespace vantrel::os {

// No POSIX system is of the Windows families that are too old for updates.
SystemVersion systemVersion() { return SystemVersion{}; }

}  // namespace vantrel::os
