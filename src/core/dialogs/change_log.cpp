#include "core/dialogs/change_log.h"

#include "ui/ui.h"

namespace vantrel {

void changeLogWindowSize(int displayWidth, int displayHeight, int& width, int& height) {
  width = displayWidth >= 0 && displayWidth <= 480 ? 480 : displayWidth >= 800 && displayWidth <= 99999 ? 800 : displayWidth;
  height = displayHeight >= 0 && displayHeight <= 320   ? 320
           : displayHeight >= 640 && displayHeight <= 99999 ? 640
                                                            : displayHeight;
}

void waitForChangeLog(Ui& ui) {
  while (true) {
    UiEvent event = ui.waitForEvent();
    if (event.window != UiWindow::ChangeLog) continue;
    bool closed = event.kind == UiEvent::Kind::CloseBox ||
                  (event.kind == UiEvent::Kind::Action && event.id == changelog::kActionClose) ||
                  (event.kind == UiEvent::Kind::Click && event.id == changelog::kOkButton);
    if (closed) break;
  }
  ui.closeChangeLogWindow();
  ui.setWizardEnabled(true);
}

}  // namespace vantrel
