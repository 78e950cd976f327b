// Whether this process runs with administrator rights.
#pragma once

namespace vantrel::os {

// Windows: the local service control manager grants full access. POSIX: the
// effective user is root.
bool isUserAdmin();

}  // namespace vantrel::os
