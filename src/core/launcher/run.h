// Everything one run of Vantrel knows: its options, its program-wide values
// and the records read from its files. The entry creates it and hands it to
// every step.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/config/local_config.h"
#include "core/config/remote_descriptor.h"
#include "core/config/state_ini.h"
#include "core/launcher/options.h"

namespace vantrel {

class Ui;

struct Run {
  explicit Run(Ui& ui) : ui(ui) {}

  Ui& ui;
  OptionSet options;

  std::vector<std::string> parameterList;  // pass-through parameters for the programs started
  bool startTarget = true;                 // false after /upd:nostart
  std::atomic<bool> busy{false};           // set by the worker while a wizard phase works
  bool noCheck = false;
  bool phase2Mode = false;
  std::int32_t updateInterval = 30;  // days between checks; below 0: never
  std::string programDir;            // with trailing separator
  std::string localTempDir;          // with trailing separator
  std::int32_t nextCheck = 0;        // seconds since 1970 in local calendar time
  std::string titleSuffix;
  bool configDialogOpen = false;  // events of a dialog already closed are dropped

  LocalConfig localConfig;
  StateIni stateIni;
  ProxySettings proxySettings;
  RemoteDescriptor remoteDescriptor;  // empty until the descriptor was read
};

}  // namespace vantrel
