// The change-log window of a newer release.
#pragma once

namespace vantrel {

class Ui;

// The window's client size for a primary display of width × height pixels
// (0 × 0 when the displays cannot be enumerated): at least 480 × 320, at
// most 800 × 640.
void changeLogWindowSize(int displayWidth, int displayHeight, int& width, int& height);

// Waits on the calling thread until the change-log window is closed (OK,
// Alt+O, Escape or its close box), dropping every other event; then closes it
// and enables the wizard window again.
void waitForChangeLog(Ui& ui);

}  // namespace vantrel
