#include <unistd.h>

#include "os/rights.h"

namespace vantrel::os {

bool isUserAdmin() { return ::geteuid() == 0; }

}  // namespace vantrel::os
