#include "core/network/update_download.h"

#include "core/launcher/run.h"
#include "core/launcher/wizard.h"
#include "core/network/download_name.h"
#include "core/network/request_proxy.h"
#include "core/support/log.h"
#include "ui/ui.h"

namespace vantrel {

namespace {

constexpr int kRow = 2;

}  // namespace

std::int32_t HTTP_CallbackP(Ui& ui, os::HttpGetRequest& request, std::int32_t receivedSoFar,
                            std::int32_t announcedLength, std::int32_t) {
  // Without an announced length there is no share to show: the bar stays at
  // 0 and the line says 0 until the completion callback sets 100.
  int percent = 0;
  if (announcedLength > 0)
    percent = static_cast<int>(static_cast<double>(receivedSoFar) / static_cast<double>(announcedLength) * 100.0);
  writeLog("HTTP_CallbackP():> File: " + request.localFile + " Percent: " + std::to_string(percent), 0);
  // A server that sends more than it announced must not push the bar past
  // its range.
  ui.setProgress(percent < 0 ? 0 : percent > 100 ? 100 : percent);
  ui.dropPendingEvents();
  return 1;
}

int updateDownloadComplete(Ui& ui, os::HttpGetRequest&, os::HttpResult, std::int32_t, std::int32_t, std::int32_t) {
  ui.setProgress(100);
  return 0;
}

int downloadUpdateFile(Ui& ui, const RemoteDescriptor& descriptor, const LocalConfig& config,
                       const std::string& localTempDir, const ProxySettings& settings) {
  animateProgress(ui, 0);
  ui.chooseStepPicture(kRow, StepPicture::Working);
  ui.refreshStepIcons();
  // Shown by the next refresh unless the archive arrives.
  ui.chooseStepPicture(kRow, StepPicture::Failed);

  // The server names the archive; only its last part names the local file.
  const std::string localName = localDownloadName(descriptor.updFile);
  const std::string target = localTempDir + localName;
  writeLog("downloadUpdateFile():>Versuche '" + descriptor.updFile + "' von " + config.httpServer + " nach " +
               target + " zu laden.",
           0);

  os::HttpGetRequest request;
  setRequestProxy(request, settings);
  request.url = config.httpServer + config.httpPath + descriptor.updFile;
  request.mode = os::kHttpToFile;
  if (localName.empty())
    // Without a usable name the transfer refuses the request before it
    // connects or creates anything.
    writeLog("downloadUpdateFile():> Kein g\xFCltiger Dateiname: '" + descriptor.updFile + "'", 0);
  else
    request.localFile = target;
  request.chunkSize = 8192;
  request.onProgress = [&ui](os::HttpGetRequest& r, std::int32_t received, std::int32_t announced,
                             std::int32_t elapsed) { return HTTP_CallbackP(ui, r, received, announced, elapsed); };
  request.onComplete = [&ui](os::HttpGetRequest& r, os::HttpResult result, std::int32_t received,
                             std::int32_t announced, std::int32_t elapsed) {
    updateDownloadComplete(ui, r, result, received, announced, elapsed);
  };
  const os::HttpResult result = os::httpGetFromWeb(request);
  writeLog("HTTPGETSTATUS Update-File: " + std::to_string(result), 0);

  if (result == os::kHttpOk) {
    ui.setControlText(wizard::kStepStatus1 + kRow - 1, "...  Updatedatei erfolgreich geladen");
    ui.chooseStepPicture(kRow, StepPicture::Done);
    ui.refreshStepIcons();
    return 0;
  }
  // The same text for every failure; the log line tells them apart.
  ui.setControlText(wizard::kStepStatus1 + kRow - 1, "...  Updatedatei nicht gefunden");
  ui.refreshStepIcons();
  return 3;
}

int downloadUpdateFile(Run& run) {
  return downloadUpdateFile(run.ui, run.remoteDescriptor, run.localConfig, run.localTempDir, run.proxySettings);
}

}  // namespace vantrel
