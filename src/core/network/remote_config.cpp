#include "core/network/remote_config.h"

#include "core/config/ini_file.h"
#include "core/config/version.h"
#include "core/launcher/run.h"
#include "core/launcher/wizard.h"
#include "core/network/request_proxy.h"
#include "core/support/log.h"
#include "os/http.h"
#include "ui/ui.h"

namespace vantrel {

namespace {

constexpr int kRow = 1;

// What the log learns of the request: URL, target and the way out, the
// proxy and its user, never the password. Line breaks are LF CR.
std::string settingsBlock(const os::HttpGetRequest& request, const std::string& target, const ProxySettings& proxy) {
  std::string block = "URL: " + request.url + "\n\rZiel: " + target + "\n\r";
  block += std::string("Proxy wird verwendet: Updater - ") + (proxy.useProxy ? "-1" : "0") +
           " System (Registry) - 0\n\r";
  block += "Internetzugriff erfolgt: ";
  if (request.accessType == os::kAccessDirect)
    block += "#INTERNET_OPEN_TYPE_DIRECT\n\r";
  else if (request.accessType == os::kAccessProxy)
    block += "#INTERNET_OPEN_TYPE_PROXY\n\r";
  else
    block += std::to_string(request.accessType) + "\n\r";
  block += "Proxyserver und Port: " + request.proxy + " Username: " + request.proxyUser + " Passwort: ***hidden***";
  return block;
}

ReadStatus failed(Ui& ui, const char* status, ReadStatus code) {
  ui.setControlText(wizard::kStepStatus1 + kRow - 1, status);
  ui.refreshStepIcons();
  return code;
}

}  // namespace

ReadStatus readRemoteConfig(Ui& ui, RemoteDescriptor& descriptor, const LocalConfig& config,
                            const std::string& localTempDir, const ProxySettings& proxy) {
  animateProgress(ui, 0);
  ui.chooseStepPicture(kRow, StepPicture::Working);
  ui.refreshStepIcons();
  // Shown by the next refresh unless the descriptor is read.
  ui.chooseStepPicture(kRow, StepPicture::Failed);

  const std::string target = localTempDir + config.confFile;
  animateProgress(ui, 25);
  writeLog("readRemoteConfig():> Versuche '" + config.confFile + "' von " + config.httpServer + " nach " + target +
               " zu laden.",
           0);

  os::HttpGetRequest request;
  setRequestProxy(request, proxy);
  request.url = config.httpServer + config.httpPath + config.confFile;
  request.mode = os::kHttpToFile;
  request.localFile = target;
  request.chunkSize = 16384;
  const os::HttpResult result = os::httpGetFromWeb(request);
  writeLog("HTTPGETSTATUS remoteConfig: " + std::to_string(result), 0);
  writeLog("Proxysettings f\xFCr Remote Configfile:>" + settingsBlock(request, target, proxy), 0);

  if (result != os::kHttpOk) return failed(ui, "...  Updateinformationen nicht gefunden", kReadFileMissing);
  if (!passesDecimalGate(readIniValue(target, "SELF", "version"), "1.1"))
    return failed(ui, "...  Updateinformationen veraltet", kReadVersionTooOld);

  animateProgress(ui, 50);
  ReadStatus code = kReadComplete;
  const struct {
    const char* key;
    std::string RemoteDescriptor::*field;
  } required[] = {{"version", &RemoteDescriptor::version},
                  {"updFile", &RemoteDescriptor::updFile},
                  {"date", &RemoteDescriptor::date},
                  {"product", &RemoteDescriptor::product}};
  for (const auto& value : required) {
    descriptor.*value.field = readIniValue(target, "UPDATE", value.key);
    if ((descriptor.*value.field).empty()) code = kReadValueMissing;
  }
  descriptor.chLogFile = readIniValue(target, "UPDATE", "chLogFile");
  animateProgress(ui, 100);

  if (code == kReadValueMissing) return failed(ui, "...  Updateinformationen ung\xFCltig", code);
  ui.chooseStepPicture(kRow, StepPicture::Done);
  ui.setControlText(wizard::kStepStatus1 + kRow - 1, "...  Updateinformationen gefunden");
  ui.refreshStepIcons();
  return code;
}

ReadStatus readRemoteConfig(Run& run) {
  return readRemoteConfig(run.ui, run.remoteDescriptor, run.localConfig, run.localTempDir, run.proxySettings);
}

}  // namespace vantrel
