#include "core/dialogs/change_log.h"

#include "core/launcher/run.h"
#include "core/network/download_name.h"
#include "core/network/request_proxy.h"
#include "core/support/log.h"
#include "os/files.h"
#include "os/http.h"
#include "ui/ui.h"

namespace vantrel {

int showChangeLog(Ui& ui, const RemoteDescriptor& descriptor, const LocalConfig& config,
                  const std::string& localTempDir, const ProxySettings& settings) {
  // The server names the page; only its last part names the local file.
  const std::string localName = localDownloadName(descriptor.chLogFile);
  const std::string target = localTempDir + localName;
  writeLog("showChangeLog():>Versuche '" + descriptor.chLogFile + "' von " + config.httpServer + " nach " + target +
               " zu laden.",
           0);
  os::HttpGetRequest request;
  setRequestProxy(request, settings);
  request.url = config.httpServer + config.httpPath + descriptor.chLogFile;
  request.mode = os::kHttpToFile;
  // Without a usable name the transfer refuses the request before it
  // connects or creates anything.
  if (!localName.empty()) request.localFile = target;
  request.chunkSize = 16384;
  const os::HttpResult result = os::httpGetFromWeb(request);
  writeLog("HTTPGETSTATUS Changelog: " + std::to_string(result), 0);
  if (result != os::kHttpOk) return 3;

  // The caller waits for the window only when 0 says it is open: a page
  // that vanished or a window that could not be opened count as no change
  // log, so that wait cannot hang.
  if (!os::fileExists(target)) return 3;
  int displayWidth = 0;
  int displayHeight = 0;
  if (!ui.primaryDisplaySize(displayWidth, displayHeight)) displayWidth = displayHeight = 0;
  int width = 0;
  int height = 0;
  changeLogWindowSize(displayWidth, displayHeight, width, height);
  if (!ui.openChangeLogWindow("Update mit folgenden \xC4nderungen gefunden", "file:\\\\" + target, width, height))
    return 3;
  return 0;
}

int showChangeLog(Run& run) {
  return showChangeLog(run.ui, run.remoteDescriptor, run.localConfig, run.localTempDir, run.proxySettings);
}

void changeLogWindowSize(int displayWidth, int displayHeight, int& width, int& height) {
  width = displayWidth >= 0 && displayWidth <= 480 ? 480 : displayWidth >= 800 && displayWidth <= 99999 ? 800 : displayWidth;
  height = displayHeight >= 0 && displayHeight <= 320   ? 320
           : displayHeight >= 640 && displayHeight <= 99999 ? 640
                                                            : displayHeight;
}

void waitForChangeLog(Ui& ui) {
  while (true) {
    UiEvent event = ui.waitForEvent();
    if (event.window != UiWindow::ChangeLog) continue;
    bool closed = event.kind == UiEvent::Kind::CloseBox ||
                  (event.kind == UiEvent::Kind::Action && event.id == changelog::kActionClose) ||
                  (event.kind == UiEvent::Kind::Click && event.id == changelog::kOkButton);
    if (closed) break;
  }
  ui.closeChangeLogWindow();
  ui.setWizardEnabled(true);
}

}  // namespace vantrel
