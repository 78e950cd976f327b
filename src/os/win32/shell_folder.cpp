#include <windows.h>
#include <shlobj.h>

#include <cctype>
#include <string>

#include "os/paths.h"

namespace vantrel::os {

std::string getSpecialFolder(int csidl) {
  LPITEMIDLIST items = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, csidl, &items) != S_OK || items == nullptr) return {};
  char buffer[MAX_PATH + 1] = {};
  // Virtual folders (printers, recycle bin) have no file-system path.
  BOOL isPath = SHGetPathFromIDListA(items, buffer);
  ILFree(items);
  if (!isPath) return {};
  std::string folder = buffer;
  // Some shells answer a virtual folder with its parsing name
  // ("::{GUID}\..."), which is no file-system path either: only a drive or
  // UNC path counts.
  bool drivePath = folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) && folder[1] == ':' &&
                   folder[2] == '\\';
  bool uncPath = folder.compare(0, 2, "\\\\") == 0;
  if (!drivePath && !uncPath) return {};
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace vantrel::os
