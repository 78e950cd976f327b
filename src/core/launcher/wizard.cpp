#include "core/launcher/wizard.h"

#include <chrono>
#include <thread>

#include "core/launcher/run.h"
#include "os/process.h"
#include "ui/ui.h"

namespace vantrel {

const char* const kMakerWebSite = "http://www.zelmar.example/";

void animateProgress(Ui& ui, int target) {
  if (target == 0) {
    ui.setProgress(0);
    return;
  }
  if (target < 0) {
    ui.setProgress(-target);
    return;
  }
  int current = ui.progress();
  const int direction = current <= target ? 1 : -1;
  while (true) {
    current += direction;
    // The bar's range keeps it within 0-100.
    ui.setProgress(current < 0 ? 0 : current > 100 ? 100 : current);
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
    if (direction > 0 ? current >= target : current <= target) break;
  }
}

void setFinishMode(Run& run) {
  run.ui.setControlText(wizard::kNextButton, "B&eenden");
  run.ui.useFinishShortcuts();
  run.busy = false;
  run.ui.setBusy(false);
  run.ui.setControlEnabled(wizard::kConfigButton, true);
  run.ui.setControlEnabled(wizard::kNextButton, true);
}

void openWebSite() { os::shellOpen(kMakerWebSite, "", ""); }

}  // namespace vantrel
