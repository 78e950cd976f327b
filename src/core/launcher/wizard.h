// What the program does with the wizard window beyond single writes.
#pragma once

#include <string>

namespace vantrel {

class Ui;
struct Run;

// The maker's home page, opened by a click on the banner.
extern const char* const kMakerWebSite;

// Moves the progress bar to `target` one unit per 15 ms; 0 and negative
// targets (as their absolute value) are set at once. Blocks the caller.
void animateProgress(Ui& ui, int target);

// The final state after a phase stopped on an error: "B&eenden", the final
// shortcuts, `busy` cleared, Weiter/Beenden and Konfigurieren enabled.
void setFinishMode(Run& run);

// Opens the maker's web site with the system's default handler.
void openWebSite();

}  // namespace vantrel
