#include "os/system_proxy.h"

#include <windows.h>

namespace vantrel::os {

bool systemProxyInRegistry() { return true; }

std::string environmentHttpProxy() {
  for (const char* name : {"http_proxy", "HTTP_PROXY"}) {
    char value[1024];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    if (length > 0 && length < sizeof value) return std::string(value, length);
  }
  return "";
}

}  // namespace vantrel::os
