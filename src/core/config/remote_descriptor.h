// The update descriptor of the server: the newest release on offer.
#pragma once

#include <string>

namespace vantrel {

// The [UPDATE] values of the descriptor, as text. Empty until
// readRemoteConfig has read a descriptor.
struct RemoteDescriptor {
  std::string version;    // offered release, dotted
  std::string updFile;    // the archive's name on the server
  std::string date;       // release date (required, not read further)
  std::string product;    // product name of the release
  std::string chLogFile;  // the change log's name on the server; may be empty
};

}  // namespace vantrel
