// What happens between the command line and the wizard's first event.
#pragma once

#include <string>

#include "core/config/read_status.h"

namespace vantrel {

struct Run;

// Reads vantrel.cfg and prepares the run's directories; returns when the run
// is over.
void runStartupChecks(Run& run);

// The error box of an unreadable vantrel.cfg: its log line (empty for an
// unknown code) and its text.
struct StatusReport {
  std::string logLine;
  std::string text;
};
StatusReport localConfigFailure(int code);

}  // namespace vantrel
