#include "core/launcher/phase1.h"

#include <string>
#include <thread>

#include "core/config/state_file.h"
#include "core/launcher/fatal_error.h"
#include "core/launcher/run.h"
#include "core/launcher/wizard.h"
#include "core/support/log.h"
#include "os/process.h"
#include "ui/ui.h"

namespace vantrel {

void finishRun(Run& run) {
  startProduct(run);
  os::endProgram();
}

void handlerMain1(Run& run) {
  const LocalConfig& state = run.localConfig;
  run.busy = true;
  writeUpdatePhase(state, "0");
  writeUpdateFile(state, UpdateFileKey::localUpdateFile, "");
  writeUpdateFile(state, UpdateFileKey::productName, "");
  run.ui.setControlEnabled(wizard::kCancelButton, false);
  run.ui.setControlEnabled(wizard::kConfigButton, false);
  run.ui.setControlEnabled(wizard::kNextButton, false);

  // Opened with /upd:cancel or only for the configuration: Weiter starts the
  // product.
  if (run.noCheck) finishRun(run);

  // The update check itself is not part of this build yet: say so and leave
  // the wizard in its final state, from which Beenden starts the product.
  writeLog("handlerMain1:> Die Updatepr\xFC" "fung ist in diesem Programm nicht verf\xFC" "gbar", 0);
  setFinishMode(run);
}

int aktionMainweiter(Run& run, int level) {
  writeLog("aktionMainweiter:> Aktionslevel: " + std::to_string(level), 0);
  switch (level) {
    case 1:
      // Busy from here on, not only once the worker runs: an event that
      // arrives before the worker's first step must already be dropped.
      run.busy = true;
      std::thread([&run] { handlerMain1(run); }).detach();
      break;
    case 2:
      finishRun(run);
    default:
      writeLog("aktionMainWeiter:> Fehler im Programmablauf!", 0);
      os::endProgram();
  }
  return level;
}

}  // namespace vantrel
