#include "core/config/local_config.h"

#include "core/config/ini_file.h"
#include "core/config/version.h"
#include "core/support/log.h"
#include "os/files.h"

namespace vantrel {

ReadStatus readLocalConfig(LocalConfig& config, const std::string& programDirectory) {
  const std::string file = programDirectory + "vantrel.cfg";
  writeLog("readLocalConfig():> Config-Datei zu finden unter: " + file, 0);
  if (os::fileSizeOf(file) < 0) return kReadFileMissing;
  if (!passesDecimalGate(readIniValue(file, "SELF", "version"), "1.3")) return kReadVersionTooOld;

  config.httpServer = readIniValue(file, "UPDATE", "httpServer");
  config.confFile = readIniValue(file, "UPDATE", "confFile");
  config.httpPath = readIniValue(file, "UPDATE", "httpPath");
  config.updatePath = readIniValue(file, "UPDATE", "updatePath");
  config.name = readIniValue(file, "PRODUCT", "name");
  config.taskID = readIniValue(file, "PRODUCT", "taskID");
  config.path = readIniValue(file, "PRODUCT", "path");
  config.vermanager = readIniValue(file, "PRODUCT", "vermanager");
  config.taskShutdown = readIniValue(file, "PRODUCT", "taskShutdown");
  config.toStart = readIniValue(file, "PRODUCT", "toStart");
  config.iniPath = readIniValue(file, "INI", "path");
  config.iniFileName = readIniValue(file, "INI", "fileName");

  const std::string* required[] = {&config.httpServer, &config.confFile, &config.httpPath, &config.updatePath,
                                   &config.name,       &config.taskID,   &config.path,     &config.vermanager,
                                   &config.toStart,    &config.iniPath,  &config.iniFileName};
  for (const std::string* value : required) {
    if (value->empty()) return kReadValueMissing;
  }
  return kReadComplete;
}

}  // namespace vantrel
