#include "core/launcher/wizard_actions.h"

#include "core/dialogs/about_box.h"
#include "core/dialogs/config_dialog.h"
#include "core/launcher/phase1.h"
#include "core/launcher/phase2.h"
#include "core/launcher/run.h"
#include "core/report/system_info.h"

namespace vantrel {

WizardActions wizardActions() {
  WizardActions actions;
  actions.next = aktionMainweiter;
  actions.showAbout = [](Run& run) { showAbout(run.ui); };
  actions.installUpdate = handlerMain2;
  actions.openConfigDialog = showConfigDialog;
  actions.configDialogEvent = handleConfigDialogEvent;
  actions.showSystemInfo = showSystemInfo;
  return actions;
}

}  // namespace vantrel
