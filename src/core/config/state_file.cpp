#include "core/config/state_file.h"

#include <initializer_list>
#include <utility>

#include "core/config/ini_file.h"
#include "core/config/numbers.h"
#include "core/config/proxy_scrambling.h"
#include "core/config/version.h"
#include "core/support/log.h"
#include "core/text/text.h"
#include "os/files.h"
#include "os/paths.h"

namespace vantrel {

namespace {

const char* const kAutoProxy = "***AUTO***";

std::string stateFileOf(const LocalConfig& location) { return location.iniPath + location.iniFileName; }

bool isMissing(const std::string& file) { return os::fileSizeOf(file) < 0; }

std::int32_t low32(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

// The value without CR and LF, which would otherwise start new lines (and
// sections) in the file.
std::string withoutLineBreaks(const std::string& value) {
  std::string clean;
  for (char c : value) {
    if (c != '\r' && c != '\n') clean += c;
  }
  return clean;
}

void noteDroppedLineBreaks(const char* procedure, const char* section, const char* key) {
  writeLog(std::string(procedure) + "():> Zeilenumbr\xFC" "che aus dem Wert f\xFC" "r [" + section + "] - " + key +
               " entfernt",
           0);
}

// The callers' results do not depend on the write; a failed one is only
// logged, so that the log explains why the file kept its old value.
void noteFailedWrite(const char* procedure, const std::string& file) {
  writeLog(std::string(procedure) + "():> Schreiben in Ini-Datei fehlgeschlagen: " + file, 0);
}

void writeQuoted(const char* procedure, const std::string& file, const char* section, const char* key,
                 const std::string& value) {
  if (!writeIniValue(file, section, key, "\"" + value + "\"")) noteFailedWrite(procedure, file);
}

// Several values of one section in one replacement of the file, so that a run
// ended midway leaves all of them old or all new.
void writeQuotedTogether(const char* procedure, const std::string& file, const char* section,
                         std::initializer_list<std::pair<const char*, std::string>> values) {
  std::string content;
  std::int64_t size = os::fileSizeOf(file);
  bool ok = size != -2 && (size <= 0 || os::readWholeFile(file, content));
  if (ok) {
    for (const auto& [key, value] : values) content = iniWithValue(content, section, key, "\"" + value + "\"");
    ok = os::replaceFileContent(file, content);
  }
  if (!ok) noteFailedWrite(procedure, file);
}

// Today, as the date writers store it (the mask includes the quotes).
std::string quotedToday() { return formatDate(os::localTimeNow(), "\"%dd.%mm.%yyyy\""); }

}  // namespace

ReadStatus readLocalIni(StateIni& state, ProxySettings& proxy, LocalConfig& location,
                        const std::string& programDirectory) {
  std::string file = stateFileOf(location);
  writeLog("readLocalIni():> Ini-Datei zu finden unter: " + file, 0);
  if (isMissing(file)) {
    // The program directory serves from now on, for every writer as well.
    location.iniPath = programDirectory;
    file = stateFileOf(location);
    if (isMissing(file)) return kReadFileMissing;
  }
  // One snapshot of the file, so that all values come from the same version.
  std::string content;
  os::readWholeFile(file, content);
  if (!passesDecimalGate(iniValueIn(content, "SELF", "version"), "1.2")) return kReadVersionTooOld;

  auto update = [&content](const char* key) { return iniValueIn(content, "UPDATE", key); };
  state.lastCheck = parseDate(update("lastCheck"), kDateMask);
  state.lastUpdate = parseDate(update("lastUpdate"), kDateMask);
  state.localUpdateFile = update("localUpdateFile");
  state.productName = update("productName");
  state.lastSuccessfulAction = update("lastSuccessfulAction");
  state.locPastUpdateExitCode = low32(textToInt(update("locPastUpdateExitCode")));
  state.updateIntervall = 0;
  const std::string interval = update("updateIntervall");
  const bool intervalMissing = interval.empty();
  if (!intervalMissing) state.updateIntervall = low32(textToInt(interval));

  auto internet = [&content](const char* key) { return iniValueIn(content, "INTERNET", key); };
  proxy.useProxy = toLowerAnsi(internet("useProxy")) == "yes";
  proxy.proxyServer = internet("proxyServer");
  proxy.autoProxy = proxy.proxyServer == kAutoProxy;
  const std::string key = proxyScrambleKey(proxy.proxyServer);
  const std::string user = internet("proxyUser");
  proxy.proxyUser = user.empty() ? std::string() : unscrambleText(user, key);
  const std::string password = internet("proxyPassword");
  proxy.proxyPassword = password.empty() ? std::string() : unscrambleText(password, key);
  proxy.proxyPort = low32(textToInt(internet("proxyPort")));

  return intervalMissing ? kReadValueMissing : kReadComplete;
}

ReadStatus readLocalIni(StateIni& state, ProxySettings& proxy, LocalConfig& location) {
  return readLocalIni(state, proxy, location, os::getProgramPath());
}

int writeUpdateCheckDate(const LocalConfig& location) {
  const std::string file = stateFileOf(location);
  const std::string date = quotedToday();
  writeLog("writeUpdateCheckDate():> schreibe [UPDATE] - lastCheck: " + date + " in " + file, 0);
  if (!writeIniValue(file, "UPDATE", "lastCheck", date)) noteFailedWrite("writeUpdateCheckDate", file);
  return 0;
}

int writeUpdateDate(const LocalConfig& location) {
  const std::string file = stateFileOf(location);
  const std::string date = quotedToday();
  writeLog("writeUpdateDate():> schreibe [UPDATE] - lastUpdate: " + date + " in " + file, 0);
  if (!writeIniValue(file, "UPDATE", "lastUpdate", date)) noteFailedWrite("writeUpdateDate", file);
  return 0;
}

int writeUpdatePhase(const LocalConfig& location, const std::string& phase) {
  const std::string file = stateFileOf(location);
  const std::string value = withoutLineBreaks(phase);
  writeLog("writeUpdatePhase():> schreibe [UPDATE] - lastSuccessfulAction: \"" + value + "\"", 0);
  if (value != phase) noteDroppedLineBreaks("writeUpdatePhase", "UPDATE", "lastSuccessfulAction");
  writeQuoted("writeUpdatePhase", file, "UPDATE", "lastSuccessfulAction", value);
  return 0;
}

int writeUpdateFile(const LocalConfig& location, UpdateFileKey key, const std::string& value) {
  const std::string file = stateFileOf(location);
  const char* name = key == UpdateFileKey::productName ? "productName" : "localUpdateFile";
  const std::string clean = withoutLineBreaks(value);
  writeLog(std::string("writeUpdateFile():> schreibe [UPDATE] - ") + name + ": \"" + clean + "\"", 0);
  if (clean != value) noteDroppedLineBreaks("writeUpdateFile", "UPDATE", name);
  writeQuoted("writeUpdateFile", file, "UPDATE", name, clean);
  return 0;
}

int writeExitCode(const LocalConfig& location, std::int32_t code) {
  const std::string file = stateFileOf(location);
  writeLog("writeExitCode():> schreibe [UPDATE] - locPastUpdateExitCode: " + std::to_string(code) +
               " in Ini-Datei: " + file,
           0);
  writeQuoted("writeExitCode", file, "UPDATE", "locPastUpdateExitCode", std::to_string(code));
  return 0;
}

ReadStatus writeUpdateIntervall(const LocalConfig& location, std::int32_t days) {
  const std::string file = stateFileOf(location);
  writeLog("writeUpdateIntervall():> schreibe [UPDATE] - updateIntervall: " + std::to_string(days) +
               " in Ini-Datei: " + file,
           0);
  if (isMissing(file)) return kReadFileMissing;
  if (!passesIntegerGate(readIniValue(file, "SELF", "version"), "1.2")) return kReadVersionTooOld;
  writeQuoted("writeUpdateIntervall", file, "UPDATE", "updateIntervall", std::to_string(days));
  return kReadComplete;
}

ReadStatus writeProxyData(const LocalConfig& location, const ProxySettings& proxy, const std::string& key) {
  const std::string file = stateFileOf(location);
  writeLog("writeProxyData():> Ini-Datei zu finden unter: " + file, 0);
  if (isMissing(file)) return kReadFileMissing;
  if (!passesIntegerGate(readIniValue(file, "SELF", "version"), "1.2")) return kReadVersionTooOld;

  const std::string server = withoutLineBreaks(proxy.proxyServer);
  // The credentials must decode with the key of the server text that is
  // stored, which differs from the caller's when line breaks were dropped.
  std::string scrambleKey = key;
  if (server != proxy.proxyServer) {
    noteDroppedLineBreaks("writeProxyData", "INTERNET", "proxyServer");
    scrambleKey = proxyScrambleKey(server);
  }
  writeQuotedTogether(
      "writeProxyData", file, "INTERNET",
      {{"proxyServer", server},
       {"proxyPort", std::to_string(proxy.proxyPort)},
       {"proxyUser", proxy.proxyUser.empty() ? std::string() : scrambleText(proxy.proxyUser, scrambleKey)},
       {"proxyPassword", proxy.proxyPassword.empty() ? std::string() : scrambleText(proxy.proxyPassword, scrambleKey)},
       {"useProxy", proxy.useProxy ? "yes" : "no"}});
  return kReadComplete;
}

}  // namespace vantrel
