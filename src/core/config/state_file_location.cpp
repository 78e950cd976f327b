#include "core/config/state_file_location.h"

#include "core/registry/registry.h"
#include "core/support/log.h"
#include "core/text/text.h"
#include "os/paths.h"

namespace vantrel {

namespace {

constexpr int kCommonDocuments = 46;

const char* const kShellFoldersKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\MICROSOFT\\Windows\\CurrentVersion\\explorer\\Shell Folders";

}  // namespace

std::string SystemIniPathSources::specialFolder(int csidl) { return os::getSpecialFolder(csidl); }

std::string SystemIniPathSources::commonDocumentsFromRegistry() {
  return regReadValue(kShellFoldersKey, "Common Documents", ".");
}

std::string SystemIniPathSources::programPath() { return os::getProgramPath(); }

int csidlOfName(std::string_view name) {
  static const struct {
    const char* name;
    int csidl;
  } folders[] = {
      {"DESKTOP", 0},
      {"INTERNET", 1},
      {"PROGRAMS", 2},
      {"CONTROLS", 3},
      {"PRINTERS", 4},
      {"PERSONAL", 5},
      {"FAVORITES", 6},
      {"STARTUP", 7},
      {"RECENT", 8},
      {"SENDTO", 9},
      {"BITBUCKET", 10},
      {"STARTMENU", 11},
      {"MYMUSIC", 13},
      {"MYVIDEO", 14},
      {"DESKTOPDIRECTORY", 16},
      {"DRIVES", 17},
      {"NETWORK", 18},
      {"NETHOOD", 19},
      {"FONTS", 20},
      {"TEMPLATES", 21},
      {"COMMON_STARTMENU", 22},
      {"COMMON_PROGRAMS", 23},
      {"COMMON_STARTUP", 24},
      {"COMMON_DESKTOPDIRECTORY", 25},
      {"APPDATA", 26},
      {"PRINTHOOD", 27},
      {"LOCAL_APPDATA", 28},
      {"COMMON_FAVORITES", 31},
      {"INTERNET_CACHE", 32},
      {"COOKIES", 33},
      {"HISTORY", 34},
      {"COMMON_APPDATA", 35},
      {"WINDOWS", 36},
      {"SYSTEM", 37},
      {"PROGRAM_FILES", 38},
      {"MYPICTURES", 39},
      {"PROFILE", 40},
      {"SYSTEMX86", 41},
      {"PROGRAM_FILES_COMMON", 43},
      {"COMMON_TEMPLATES", 45},
      {"COMMON_DOCUMENTS", 46},
      {"COMMON_ADMINTOOLS", 47},
      {"ADMINTOOLS", 48},
  };
  const std::string upper = toUpperAnsi(name);
  static const std::string prefix = "#CSIDL_";
  if (upper.compare(0, prefix.size(), prefix) != 0) return -1;
  for (const auto& folder : folders) {
    if (upper.compare(prefix.size(), std::string::npos, folder.name) == 0) return folder.csidl;
  }
  return -1;
}

std::string getRealIniPath(const std::string& value, IniPathSources& sources) {
  // The name is the text between the first two markers and the rest what
  // follows the second; without a second marker (or with the two markers
  // side by side) the rest is the whole value.
  std::size_t first = value.find('*');
  std::string name = first == std::string::npos ? value : value.substr(first + 1);
  std::string rest = value;
  std::size_t second = name.find('*');
  if (second != std::string::npos && second >= 1) {
    rest = name.substr(second + 1);
    name = name.substr(0, second);
  }
  writeLog("getRealIniPath():> extrahierte specialFolder-Konstante: " + name, 0);

  const int csidl = csidlOfName(name);
  std::string folder = sources.specialFolder(csidl);
  if (isBlankText(folder) && csidl == kCommonDocuments) {
    writeLog("getRealIniPath():> CSIDL_COMMON_DOCUMENTS lieferte Leerstring zur\xFC"
             "ck... versuche Werte aus Registry zu extrahieren...",
             0);
    folder = sources.commonDocumentsFromRegistry();
    writeLog("getRealIniPath():> Wert f\xFCr CSIDL_COMMON_DOCUMENTS (HKEY_LOCAL_MACHINE\\SOFTWARE\\MICROSOFT\\Windows\\"
             "CurrentVersion\\explorer\\Shell Folders\\Common Documents) aus Registry: '" +
                 folder + "'",
             0);
  }
  if (isBlankText(folder) && csidl == kCommonDocuments) {
    writeLog("getRealIniPath():> Wert aus Registry f\xFCr Common Documents lieferte Leerstring zur\xFC"
             "ck... Versuche ini-Datei im Programmverzeichnis zu finden...",
             0);
    folder = sources.programPath();
  }

  // The folder loses its trailing separator: every separator among its last
  // two characters goes.
  const char separator = os::pathSeparator();
  std::size_t tailStart = folder.size() < 2 ? 0 : folder.size() - 2;
  std::string tail = folder.substr(tailStart);
  folder.erase(tailStart);
  for (char c : tail) {
    if (c != separator) folder += c;
  }

  std::string result = folder + rest;
  writeLog("getRealIniPath():> extrahierter Pfad: " + result, 0);
  return result;
}

std::string getRealIniPath(const std::string& value) {
  SystemIniPathSources sources;
  return getRealIniPath(value, sources);
}

}  // namespace vantrel
