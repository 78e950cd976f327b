// Reading and writing the state file, which lies at the [INI] path and
// fileName of vantrel.cfg (LocalConfig::iniPath + iniFileName, joined at each
// call). Every value is written between double quotes through the crash-safe
// writeIniValue; [SELF] is never written. CR and LF are dropped from a value
// before it is written (and the log says so), so no value can add lines or
// sections to the file.
#pragma once

#include <cstdint>
#include <string>

#include "core/config/local_config.h"
#include "core/config/read_status.h"
#include "core/config/state_ini.h"

namespace vantrel {

// Reads the file into both records. When the file is not at the configured
// place, location.iniPath becomes the program directory for the rest of the
// run, and the file is looked for there (3 when it is missing too). Below
// layout version 1.2 (decimal gate): 2, the records untouched. 1 when
// updateIntervall is empty, after reading everything; else 0.
ReadStatus readLocalIni(StateIni& state, ProxySettings& proxy, LocalConfig& location,
                        const std::string& programDirectory);
// The same, with the running executable's directory as the program directory.
ReadStatus readLocalIni(StateIni& state, ProxySettings& proxy, LocalConfig& location);

// The unchecked writers: they write whether or not the file exists (a missing
// file is created with [UPDATE] and that key) and whatever its version; a
// failed write goes unnoticed. Each returns 0.
int writeUpdateCheckDate(const LocalConfig& location);  // lastCheck := today
int writeUpdateDate(const LocalConfig& location);       // lastUpdate := today
int writeUpdatePhase(const LocalConfig& location, const std::string& phase);
enum class UpdateFileKey { localUpdateFile, productName };
int writeUpdateFile(const LocalConfig& location, UpdateFileKey key, const std::string& value);
int writeExitCode(const LocalConfig& location, std::int32_t code);

// The checked writers: 3 when the file is missing, 2 below layout version 1
// (integer gate), else they write and return 0.
ReadStatus writeUpdateIntervall(const LocalConfig& location, std::int32_t days);
// Writes proxyServer, proxyPort, proxyUser and proxyPassword (scrambled with
// `key`, "" when empty) and useProxy ("yes"/"no"). `key` is
// proxyScrambleKey(proxy.proxyServer).
ReadStatus writeProxyData(const LocalConfig& location, const ProxySettings& proxy, const std::string& key);

}  // namespace vantrel
