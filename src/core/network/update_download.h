// Downloading the update archive, with its progress in the wizard window.
#pragma once

#include <cstdint>
#include <string>

#include "core/config/local_config.h"
#include "core/config/remote_descriptor.h"
#include "core/config/state_ini.h"
#include "os/http.h"

namespace vantrel {

class Ui;
struct Run;

// Fetches httpServer + httpPath + updFile into localTempDir +
// localDownloadName(updFile), driving step row 2 and the progress bar.
// 0 when the archive is complete there; 3 when the download failed (also for
// a name that leaves no usable local file name: nothing is then written).
int downloadUpdateFile(Ui& ui, const RemoteDescriptor& descriptor, const LocalConfig& config,
                       const std::string& localTempDir, const ProxySettings& settings);
// The same with the run's records.
int downloadUpdateFile(Run& run);

// The archive download's progress callback: logs the percentage of one chunk,
// sets the bar to it and drops the calling thread's pending window events.
// Always 1 (never cancels).
std::int32_t HTTP_CallbackP(Ui& ui, os::HttpGetRequest& request, std::int32_t receivedSoFar,
                            std::int32_t announcedLength, std::int32_t elapsedSeconds);

// The archive download's completion callback: the bar to 100, whatever the
// result. Always 0.
int updateDownloadComplete(Ui& ui, os::HttpGetRequest& request, os::HttpResult result, std::int32_t receivedSoFar,
                           std::int32_t announcedLength, std::int32_t elapsedSeconds);

}  // namespace vantrel
