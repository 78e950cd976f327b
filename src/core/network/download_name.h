// The local file of a download whose name the server chose.
#pragma once

#include <string>

namespace vantrel {

// The part of `serverName` after its last "/" or "\": the name the download
// gets in the local download folder, so a name with a path in it cannot
// write outside that folder. "" when that part is empty, "." or "..": such a
// name is refused.
std::string localDownloadName(const std::string& serverName);

}  // namespace vantrel
