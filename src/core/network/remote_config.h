// Fetching and reading the update descriptor.
#pragma once

#include <string>

#include "core/config/local_config.h"
#include "core/config/read_status.h"
#include "core/config/remote_descriptor.h"
#include "core/config/state_ini.h"

namespace vantrel {

class Ui;
struct Run;

// Downloads confFile from httpServer + httpPath into localTempDir and reads
// it into `descriptor`, driving step row 1 and the progress bar of the
// wizard. 0 read, 1 a required value empty (all values read), 2 layout
// version below 1.1 (nothing read), 3 download failed (nothing read).
ReadStatus readRemoteConfig(Ui& ui, RemoteDescriptor& descriptor, const LocalConfig& config,
                            const std::string& localTempDir, const ProxySettings& proxy);
// The same with the run's records.
ReadStatus readRemoteConfig(Run& run);

}  // namespace vantrel
