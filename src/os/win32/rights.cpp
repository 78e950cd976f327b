#include <windows.h>

#include "os/rights.h"

namespace vantrel::os {

// Full access to the service control manager's active database (standard
// rights required, connect, create service, enumerate service, lock) is
// granted to administrators only.
bool isUserAdmin() {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, 0xF000F);
  if (manager == nullptr) return false;
  CloseServiceHandle(manager);
  return true;
}

}  // namespace vantrel::os
