#include "core/network/download_name.h"

namespace vantrel {

std::string localDownloadName(const std::string& serverName) {
  const std::size_t cut = serverName.find_last_of("/\\");
  std::string name = cut == std::string::npos ? serverName : serverName.substr(cut + 1);
  if (name == "." || name == "..") return "";
  return name;
}

}  // namespace vantrel
