// The records of the state file: update progress and timing, and the proxy.
#pragma once

#include <cstdint>
#include <string>

#include "core/config/date_value.h"

namespace vantrel {

// [UPDATE] of the state file.
struct StateIni {
  DateValue lastCheck = 0;                // day of the last update check
  DateValue lastUpdate = 0;               // day of the last installed update
  std::int32_t updateIntervall = 0;       // days between checks; negative: never unless forced
  std::string lastSuccessfulAction;       // step the update wizard last reached, "0" to "4"
  std::string localUpdateFile;            // the downloaded update archive, or ""
  std::string productName;                // product of the last update descriptor, or ""
  std::int32_t locPastUpdateExitCode = 0; // exit code of pastUpdate.exe, -1 when it did not start
};

// [INTERNET] of the state file, used by every download.
struct ProxySettings {
  bool useProxy = false;
  std::string proxyServer;  // host, or "***AUTO***" for the system's internet settings
  std::int32_t proxyPort = 0;
  std::string proxyUser;      // plain text (stored scrambled)
  std::string proxyPassword;  // plain text (stored scrambled)
  bool autoProxy = false;     // proxyServer is "***AUTO***"
};

}  // namespace vantrel
