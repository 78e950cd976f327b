#include "core/network/request_proxy.h"

#include <string>

namespace vantrel {

void setRequestProxy(os::HttpGetRequest& request, const ProxySettings& settings) {
  request.accessType = os::kAccessDirect;
  request.proxy.clear();
  request.proxyUser.clear();
  request.proxyPassword.clear();
  if (!settings.useProxy) return;
  if (settings.autoProxy) {
    // The system's settings and stored credentials apply; none are passed.
    request.accessType = os::kAccessSystem;
    return;
  }
  request.accessType = os::kAccessProxy;
  // The port is always appended, 0 included.
  request.proxy = settings.proxyServer + ":" + std::to_string(settings.proxyPort);
  request.proxyUser = settings.proxyUser;
  request.proxyPassword = settings.proxyPassword;
}

}  // namespace vantrel
