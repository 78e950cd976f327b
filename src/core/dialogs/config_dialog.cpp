#include "core/dialogs/config_dialog.h"

#include "core/config/numbers.h"
#include "core/config/proxy_scrambling.h"
#include "core/config/state_file.h"
#include "core/launcher/run.h"
#include "core/support/log.h"
#include "ui/ui.h"

namespace vantrel {

namespace {

using namespace configdialog;

constexpr int kCustomEntry = 5;
const char* const kAutoServer = "***AUTO***";

// The four labels and the four fields of the proxy, always switched together.
void enableProxyControls(Ui& ui, bool enabled) {
  for (int id : {kServerLabel, kPortLabel, kUserLabel, kPasswordLabel, kServerField, kPortField, kUserField,
                 kPasswordField})
    ui.setDialogEnabled(id, enabled);
}

// The system's server and port into the fields; no credentials.
//
// The system's proxy configuration is to be read here into the live
// proxyServer and proxyPort first; its reader is not part of this program
// yet, so the fields show the settings as they stand.
void showSystemProxy(Run& run) {
  Ui& ui = run.ui;
  ui.setDialogText(kServerField, run.proxySettings.proxyServer);
  ui.setDialogText(kPortField, std::to_string(run.proxySettings.proxyPort));
  ui.setDialogText(kUserField, "");
  ui.setDialogText(kPasswordField, "");
}

void closeDialog(Run& run) {
  run.ui.closeConfigWindow();
  run.configDialogOpen = false;
  run.ui.setWizardEnabled(true);
}

}  // namespace

int intervalEntryFor(std::int32_t days) {
  if (days >= -99999 && days <= -1) return 0;
  switch (days) {
    case 120: return 1;
    case 30: return 2;
    case 7: return 3;
    case 1: return 4;
    default: return kCustomEntry;
  }
}

std::int32_t intervalDaysOf(int entry) {
  static const std::int32_t days[] = {-1, 120, 30, 7, 1};
  return days[entry];
}

void showConfigDialog(Run& run) {
  Ui& ui = run.ui;
  if (run.configDialogOpen) return;  // it is open already
  if (!ui.openConfigWindow("Konfiguration des Updateprogramms")) {
    // Without its window the wizard must stay usable.
    writeLog("showConfigDialog():> Der Konfigurationsdialog konnte nicht ge\xF6" "ffnet werden", 0);
    return;
  }
  run.configDialogOpen = true;
  ui.setWizardEnabled(false);

  ProxySettings& proxy = run.proxySettings;
  if (proxy.proxyServer == kAutoServer) {
    showSystemProxy(run);
    proxy.autoProxy = true;
  } else {
    ui.setDialogText(kServerField, proxy.proxyServer);
    ui.setDialogText(kPortField, std::to_string(proxy.proxyPort));
    ui.setDialogText(kUserField, proxy.proxyUser);
    ui.setDialogText(kPasswordField, proxy.proxyPassword);
    proxy.autoProxy = false;
  }

  ui.setDialogChecked(kUseProxyBox, proxy.useProxy);
  useProxyToggled(run);
  ui.setDialogChecked(kSystemProxyBox, proxy.autoProxy);
  systemProxyToggled(run);

  const std::int32_t stored = run.stateIni.updateIntervall;
  int entry = intervalEntryFor(stored);
  if (entry == kCustomEntry) ui.addIntervalEntry("Alle " + std::to_string(stored) + " Tage");
  ui.selectIntervalEntry(entry);
}

void useProxyToggled(Run& run) {
  Ui& ui = run.ui;
  bool use = ui.dialogChecked(kUseProxyBox);
  enableProxyControls(ui, use && !ui.dialogChecked(kSystemProxyBox));
}

void systemProxyToggled(Run& run) {
  Ui& ui = run.ui;
  ProxySettings& proxy = run.proxySettings;
  if (ui.dialogChecked(kSystemProxyBox)) {
    proxy.autoProxy = true;
    showSystemProxy(run);
    enableProxyControls(ui, false);
  } else {
    ui.setDialogText(kServerField, proxy.proxyServer);
    ui.setDialogText(kPortField, std::to_string(proxy.proxyPort));
    ui.setDialogText(kUserField, proxy.proxyUser);
    ui.setDialogText(kPasswordField, proxy.proxyPassword);
    proxy.autoProxy = false;
    enableProxyControls(ui, ui.dialogChecked(kUseProxyBox));
  }
}

void applyConfigDialog(Run& run) {
  Ui& ui = run.ui;
  ProxySettings& proxy = run.proxySettings;
  const bool system = ui.dialogChecked(kSystemProxyBox);
  if (system) {
    proxy.proxyServer = kAutoServer;
    proxy.proxyPort = 0;
    proxy.proxyUser.clear();
    proxy.proxyPassword.clear();
  } else {
    proxy.proxyServer = ui.dialogText(kServerField);
    proxy.proxyPort = static_cast<std::int32_t>(textToInt(ui.dialogText(kPortField)));
    proxy.proxyUser = ui.dialogText(kUserField);
    proxy.proxyPassword = ui.dialogText(kPasswordField);
  }
  proxy.useProxy = ui.dialogChecked(kUseProxyBox);
  proxy.autoProxy = system;

  std::int32_t interval = run.stateIni.updateIntervall;
  int entry = ui.selectedIntervalEntry();
  if (entry >= 0 && entry < kCustomEntry) interval = intervalDaysOf(entry);

  const std::string key = proxyScrambleKey(proxy.proxyServer);
  int b = writeProxyData(run.localConfig, proxy, key);
  int c = writeUpdateIntervall(run.localConfig, interval);
  switch (b | c) {
    case 0:
      break;
    case 2:
      ui.messageBox("Hinweis",
                    "Die Konfigurationsdaten konnten nicht geschrieben werden, da die Version der "
                    "Konfigurationsdatei ungeeignet ist.",
                    MessageIcon::Warning, MessageButtons::Ok);
      break;
    case 3:
      writeLog("3... INI-Datei nicht gefunden", 0);
      ui.messageBox("Hinweis",
                    "Die Konfigurationsdaten konnten nicht geschrieben werden, da die Konfigurationsdatei nicht "
                    "gefunden werden konnte.",
                    MessageIcon::Warning, MessageButtons::Ok);
      break;
    default:
      ui.messageBox("Hinweis",
                    "Die Konfigurationsdaten konnten nicht geschrieben werden. Ein unbekannter Fehler ist "
                    "aufgetreten.",
                    MessageIcon::Warning, MessageButtons::Ok);
      break;
  }

  readLocalIni(run.stateIni, run.proxySettings, run.localConfig);
  closeDialog(run);
}

void cancelConfigDialog(Run& run) { closeDialog(run); }

void handleConfigDialogEvent(Run& run, const UiEvent& event) {
  if (!run.configDialogOpen) return;
  switch (event.kind) {
    case UiEvent::Kind::CloseBox:
      cancelConfigDialog(run);
      break;
    case UiEvent::Kind::Action:
      if (event.id == kActionApply) applyConfigDialog(run);
      else if (event.id == kActionCancel) cancelConfigDialog(run);
      break;
    case UiEvent::Kind::Click:
      switch (event.id) {
        case kOkButton: applyConfigDialog(run); break;
        case kCancelButton: cancelConfigDialog(run); break;
        case kUseProxyBox: useProxyToggled(run); break;
        case kSystemProxyBox: systemProxyToggled(run); break;
        default: break;
      }
      break;
    case UiEvent::Kind::Other:
      break;
  }
}

}  // namespace vantrel
