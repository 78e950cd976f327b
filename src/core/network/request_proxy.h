// How a download reaches the update server: directly, through the proxy the
// user entered, or through the system's own configuration.
#pragma once

#include "core/config/state_ini.h"
#include "os/http.h"

namespace vantrel {

// Sets accessType, proxy, proxyUser and proxyPassword of the request from the
// stored settings: direct unless useProxy; with useProxy the named proxy
// "server:port" and its credentials, or, with autoProxy as well, the system's
// configuration without any proxy fields.
void setRequestProxy(os::HttpGetRequest& request, const ProxySettings& settings);

}  // namespace vantrel
