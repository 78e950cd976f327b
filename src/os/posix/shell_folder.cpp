#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "os/paths.h"

namespace vantrel::os {

namespace {

std::string homeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home == '/') return home;
  const passwd* entry = ::getpwuid(::geteuid());
  if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') return entry->pw_dir;
  return {};
}

// An XDG base directory: the variable when it holds an absolute path, else
// the default below the home folder.
std::string baseDirectory(const char* variable, const char* defaultBelowHome, const std::string& home) {
  const char* value = std::getenv(variable);
  if (value != nullptr && *value == '/') return value;
  return home.empty() ? std::string() : home + "/" + defaultBelowHome;
}

// A user directory as user-dirs.dirs names it (XDG_DESKTOP_DIR="$HOME/Desktop"),
// else the default name below the home folder that xdg-user-dirs would give it.
std::string userDirectory(const std::string& key, const char* defaultName, const std::string& home) {
  if (home.empty()) return {};
  std::ifstream file(baseDirectory("XDG_CONFIG_HOME", ".config", home) + "/user-dirs.dirs");
  std::string line;
  while (std::getline(file, line)) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
    std::size_t pos = start + key.size();
    if (line.compare(pos, 2, "=\"") != 0) continue;
    pos += 2;
    std::string value;
    for (; pos < line.size() && line[pos] != '"'; ++pos) {
      if (line[pos] == '\\' && pos + 1 < line.size()) ++pos;
      value += line[pos];
    }
    if (value.compare(0, 5, "$HOME") == 0) return home + value.substr(5);
    if (!value.empty() && value[0] == '/') return value;
    // Any other form is not valid in that file; keep looking, then the default.
  }
  return home + "/" + defaultName;
}

std::string folderFor(int csidl) {
  const std::string home = homeDirectory();
  switch (csidl) {
    case 0:   // DESKTOP
    case 16:  // DESKTOPDIRECTORY
      return userDirectory("XDG_DESKTOP_DIR", "Desktop", home);
    case 5:  // PERSONAL
      return userDirectory("XDG_DOCUMENTS_DIR", "Documents", home);
    case 13:  // MYMUSIC
      return userDirectory("XDG_MUSIC_DIR", "Music", home);
    case 14:  // MYVIDEO
      return userDirectory("XDG_VIDEOS_DIR", "Videos", home);
    case 21:  // TEMPLATES
      return userDirectory("XDG_TEMPLATES_DIR", "Templates", home);
    case 39:  // MYPICTURES
      return userDirectory("XDG_PICTURES_DIR", "Pictures", home);
    case 26:  // APPDATA
      return baseDirectory("XDG_CONFIG_HOME", ".config", home);
    case 28:  // LOCAL_APPDATA
      return baseDirectory("XDG_DATA_HOME", ".local/share", home);
    case 40:  // PROFILE
      return home;
    default:
      // No counterpart here (COMMON_DOCUMENTS included): the callers' own
      // fallbacks apply.
      return {};
  }
}

}  // namespace

std::string getSpecialFolder(int csidl) {
  std::string folder = folderFor(csidl);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace vantrel::os
