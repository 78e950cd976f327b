// Where the system keeps its HTTP proxy configuration: Windows in the
// registry (the user's Internet Settings), POSIX in the environment.
#pragma once

#include <string>

namespace vantrel::os {

// True where the system's proxy is read from the registry.
bool systemProxyInRegistry();

// The first of the environment variables http_proxy and HTTP_PROXY that is
// set and not empty; "" when there is none.
std::string environmentHttpProxy();

}  // namespace vantrel::os
