#include "os/system_proxy.h"

#include <cstdlib>

namespace vantrel::os {

bool systemProxyInRegistry() { return false; }

std::string environmentHttpProxy() {
  for (const char* name : {"http_proxy", "HTTP_PROXY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

}  // namespace vantrel::os
