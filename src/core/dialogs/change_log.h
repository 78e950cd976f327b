// The change-log window of a newer release.
#pragma once

#include <string>

#include "core/config/local_config.h"
#include "core/config/remote_descriptor.h"
#include "core/config/state_ini.h"

namespace vantrel {

class Ui;
struct Run;

// Downloads chLogFile from httpServer + httpPath into localTempDir +
// localDownloadName(chLogFile) and opens the change-log window on it, sized
// by the primary display. 0 when the window is open (then waitForChangeLog);
// 3 when the download failed or no window could be shown.
int showChangeLog(Ui& ui, const RemoteDescriptor& descriptor, const LocalConfig& config,
                  const std::string& localTempDir, const ProxySettings& settings);
// The same with the run's records.
int showChangeLog(Run& run);

// The window's client size for a primary display of width × height pixels
// (0 × 0 when the displays cannot be enumerated): at least 480 × 320, at
// most 800 × 640.
void changeLogWindowSize(int displayWidth, int displayHeight, int& width, int& height);

// Waits on the calling thread until the change-log window is closed (OK,
// Alt+O, Escape or its close box), dropping every other event; then closes it
// and enables the wizard window again.
void waitForChangeLog(Ui& ui);

}  // namespace vantrel
