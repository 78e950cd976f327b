// vantrel.cfg: which product is guarded and where its updates come from.
#pragma once

#include <string>

#include "core/config/read_status.h"

namespace vantrel {

struct LocalConfig {
  // update server
  std::string httpServer;
  std::string httpPath;
  std::string confFile;
  // update target
  std::string updatePath;
  // product
  std::string name;
  std::string taskID;
  std::string path;
  std::string vermanager;
  std::string taskShutdown;
  std::string toStart;
  // state file location ([INI] path and fileName)
  std::string iniPath;
  std::string iniFileName;
};

// Reads programDirectory + "vantrel.cfg" into `config`.
ReadStatus readLocalConfig(LocalConfig& config, const std::string& programDirectory);

}  // namespace vantrel
