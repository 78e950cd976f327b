#include "core/launcher/haupt_programm.h"

#include "core/launcher/command_line.h"
#include "core/launcher/run.h"
#include "core/launcher/startup_checks.h"
#include "ui/ui.h"

namespace vantrel {

void HauptProgramm(Run& run, const std::vector<std::string>& parameters) {
  run.busy = false;
  run.startTarget = true;
  run.options = parseCommandLine(parameters, run.parameterList);
  if (run.options.has(kOptHelp)) {
    run.ui.messageBox(kHelpTitle, helpText(), MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  runStartupChecks(run);
}

}  // namespace vantrel
