// What happens between the command line and the wizard's first event.
#pragma once

#include <string>

#include "core/config/date_value.h"
#include "core/config/read_status.h"
#include "os/system_version.h"

namespace vantrel {

struct Run;

// Reads vantrel.cfg and the state file, decides whether an update check is
// due, and starts the product at once or runs the wizard first; returns when
// the run is over (the caller ends the process).
void runStartupChecks(Run& run);

// The error box of an unreadable vantrel.cfg: its log line (empty for an
// unknown code) and its text.
struct StatusReport {
  std::string logLine;
  std::string text;
};
StatusReport localConfigFailure(int code);
// The warning box of an unreadable state file.
StatusReport localIniFailure(int code);

// Windows 95, 98 and ME, and NT 3.x and 4.0, are too old for updates.
bool isSystemTooOld(const os::SystemVersion& version);

// The due decision on the run's nextCheck, updateInterval and noCheck.
bool isCheckDue(const Run& run, DateValue now);

}  // namespace vantrel
