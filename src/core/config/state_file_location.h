// Where the state file lies: the [INI] path of vantrel.cfg, either a plain
// directory or "*" + special-folder name + "*" + rest, e.g.
// "*#CSIDL_COMMON_DOCUMENTS*" followed by "\Company\Product\".
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The machine's answers that the resolution needs.
class IniPathSources {
 public:
  virtual ~IniPathSources() = default;
  // The shell special folder with that CSIDL number, "" when there is none.
  virtual std::string specialFolder(int csidl) = 0;
  // The shared documents folder as the local registry's shell folders name
  // it, "" when not there.
  virtual std::string commonDocumentsFromRegistry() = 0;
  // The directory of the running executable, with its trailing separator.
  virtual std::string programPath() = 0;
};

// The answers of this machine: getSpecialFolder, the registry value "Common
// Documents" of HKEY_LOCAL_MACHINE\...\explorer\Shell Folders, getProgramPath.
class SystemIniPathSources : public IniPathSources {
 public:
  std::string specialFolder(int csidl) override;
  std::string commonDocumentsFromRegistry() override;
  std::string programPath() override;
};

// The CSIDL number of a special-folder name such as "#CSIDL_COMMON_DOCUMENTS"
// (any letter case); -1 for any other text.
int csidlOfName(std::string_view name);

// The directory an [INI] path value names: the special folder's path without
// its trailing separator, followed by the rest after the second marker; the
// value unchanged when it has no markers. For COMMON_DOCUMENTS an empty folder
// is looked up in the registry and then replaced by the program directory.
// Logs each step; never fails.
std::string getRealIniPath(const std::string& value, IniPathSources& sources);
std::string getRealIniPath(const std::string& value);

}  // namespace vantrel
