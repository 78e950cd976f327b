#include "core/launcher/event_loop.h"

#include "core/launcher/run.h"
#include "core/launcher/wizard.h"
#include "core/support/log.h"

namespace vantrel {

namespace {

void call(const std::function<void(Run&)>& action, Run& run, const char* name) {
  if (action) action(run);
  else writeLog(std::string("Ereignisschleife:> ") + name + " ist in diesem Programm nicht verf\xFC" "gbar", 0);
}

}  // namespace

void runEventLoop(Run& run, const WizardActions& actions) {
  using wizard::kActionAbout;
  int actionLevel = 0;
  if (run.phase2Mode) {
    call(actions.installUpdate, run, "Das Einspielen des Updates");
    actionLevel = 1;
  }
  auto next = [&] {
    ++actionLevel;
    if (actions.next) actions.next(run, actionLevel);
  };

  bool leave = false;
  while (!leave) {
    UiEvent event = run.ui.waitForEvent();
    // While a phase works only the About box and the web site are served.
    if (run.busy) {
      bool about = event.kind == UiEvent::Kind::Action && event.window == UiWindow::Wizard && event.id == kActionAbout;
      bool banner = event.kind == UiEvent::Kind::Click && event.window == UiWindow::Wizard &&
                    event.id == wizard::kBannerImage;
      if (!about && !banner) continue;
    }
    if (event.window == UiWindow::ConfigDialog) {
      if (actions.configDialogEvent) actions.configDialogEvent(run, event);
      continue;
    }
    if (event.window != UiWindow::Wizard) continue;

    switch (event.kind) {
      case UiEvent::Kind::CloseBox:
        if (!run.busy) leave = true;
        break;
      case UiEvent::Kind::Action:
        switch (event.id) {
          case wizard::kActionLeave: leave = true; break;
          case wizard::kActionConfigure: call(actions.openConfigDialog, run, "Der Konfigurationsdialog"); break;
          case wizard::kActionNext: next(); break;
          case wizard::kActionAbout: call(actions.showAbout, run, "Das Info-Fenster"); break;
          case wizard::kActionSystemInfo: call(actions.showSystemInfo, run, "Die Systeminformation"); break;
          default: break;
        }
        break;
      case UiEvent::Kind::Click:
        switch (event.id) {
          case wizard::kNextButton: next(); break;
          case wizard::kCancelButton: leave = true; break;
          case wizard::kConfigButton: call(actions.openConfigDialog, run, "Der Konfigurationsdialog"); break;
          case wizard::kBannerImage: openWebSite(); break;
          default: break;
        }
        break;
      case UiEvent::Kind::Other:
        break;
    }
  }
}

}  // namespace vantrel
