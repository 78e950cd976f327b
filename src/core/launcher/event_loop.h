// The wizard's event loop: waits for the window's events and hands them on.
#pragma once

#include <functional>

#include "ui/ui.h"

namespace vantrel {

struct Run;

// The actions the loop dispatches to that live in other parts of the
// program. An empty action logs that it is not available in this build.
struct WizardActions {
  std::function<void(Run&)> installUpdate;   // phase 2, before the first event
  std::function<void(Run&)> openConfigDialog;
  std::function<void(Run&, const UiEvent&)> configDialogEvent;
  std::function<void(Run&)> showAbout;
  std::function<void(Run&)> showSystemInfo;
  std::function<int(Run&, int)> next;        // aktionMainweiter
};

// Runs until a "leave" action; the caller then starts the product.
void runEventLoop(Run& run, const WizardActions& actions);

}  // namespace vantrel
