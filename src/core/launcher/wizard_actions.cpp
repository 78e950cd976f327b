#include "core/launcher/wizard_actions.h"

#include "core/dialogs/about_box.h"
#include "core/launcher/phase1.h"
#include "core/launcher/phase2.h"
#include "core/launcher/run.h"

namespace vantrel {

WizardActions wizardActions() {
  WizardActions actions;
  actions.next = aktionMainweiter;
  actions.showAbout = [](Run& run) { showAbout(run.ui); };
  actions.installUpdate = handlerMain2;
  // Not yet in this program (the loop logs that they are not available):
  // openConfigDialog, configDialogEvent, showSystemInfo.
  return actions;
}

}  // namespace vantrel
