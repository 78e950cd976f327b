#include "core/launcher/phase1.h"

#include <string>
#include <thread>

#include <vector>

#include "core/config/state_file.h"
#include "core/config/version.h"
#include "core/dialogs/change_log.h"
#include "core/launcher/start_program.h"
#include "core/network/download_name.h"
#include "core/network/remote_config.h"
#include "core/network/update_download.h"
#include "core/support/version_info.h"
#include "os/files.h"
#include "core/launcher/fatal_error.h"
#include "core/launcher/run.h"
#include "core/launcher/wizard.h"
#include "core/support/log.h"
#include "os/process.h"
#include "ui/ui.h"

namespace vantrel {

void finishRun(Run& run) {
  startProduct(run);
  os::endProgram();
}

void handlerMain1(Run& run) {
  const LocalConfig& state = run.localConfig;
  run.busy = true;
  writeUpdatePhase(state, "0");
  writeUpdateFile(state, UpdateFileKey::localUpdateFile, "");
  writeUpdateFile(state, UpdateFileKey::productName, "");
  run.ui.setControlEnabled(wizard::kCancelButton, false);
  run.ui.setControlEnabled(wizard::kConfigButton, false);
  run.ui.setControlEnabled(wizard::kNextButton, false);

  // Opened with /upd:cancel or only for the configuration: Weiter starts the
  // product.
  if (run.noCheck) finishRun(run);

  // Step 3: the update descriptor.
  ReadStatus result = readRemoteConfig(run);
  if (result != kReadComplete) {
    std::string first;
    switch (result) {
      case kReadValueMissing:
        writeLog("handlerMain1:> readRemoteConfig - 1 ... Fehler bei INI-Zugriff", 0);
        first = "Beim Zugriff auf die Konfigurationsdatei des Update-Servers ist ein Fehler aufgetreten.";
        break;
      case kReadVersionTooOld:
        writeLog("handlerMain1:> readRemoteConfig -  2 ... Fehler bei ini-Version", 0);
        first = "Die Konfigutationsdatei des Update-Servers weist eine falsche Version auf.";
        break;
      case kReadFileMissing:
        writeLog("handlerMain1:> readRemoteConfig -  3... INI-Datei nicht gefunden", 0);
        first = "Die Konfigutationsdatei des Update-Servers konnte nicht gefunden werden.";
        break;
      default:
        break;
    }
    run.ui.messageBox("Fehler",
                      first + "\r\n\r\nDas Update kann nicht eingespielt werden. Das Updateprogramm wird nun beendet und\r\n" +
                          run.localConfig.name + "  gestartet.",
                      MessageIcon::Warning, MessageButtons::Ok);
    writeUpdateCheckDate(state);
    finishRun(run);
  }
  const RemoteDescriptor& offer = run.remoteDescriptor;
  writeUpdateFile(state, UpdateFileKey::productName, offer.product);

  // Steps 5 and 6: the installed version against the offered one.
  const std::string installed = readFileVersionInfo(run.programDir + state.path + state.vermanager, kFieldFileVersion, false);
  if (!(versionToNumber(installed) < versionToNumber(offer.version))) {
    run.ui.messageBox("Info", "Ihr Programm ist auf dem aktuellen Stand.\n\rEin Update muss nicht durchgef\xFChrt werden.",
                      MessageIcon::Information, MessageButtons::Ok);
    writeUpdateCheckDate(state);
    finishRun(run);
  }

  // Step 7: the change log.
  run.ui.setWizardEnabled(false);
  // The window is open only when showChangeLog answers 0.
  if (showChangeLog(run) == 0) waitForChangeLog(run.ui);
  run.ui.setWizardEnabled(true);

  // Steps 8 and 9: the question.
  writeUpdatePhase(state, "1");
  MessageAnswer answer = run.ui.messageBox(
      "Frage",
      "Im Internet konnte ein Update mit der Version " + offer.version + " gefunden werden.\r\n"
      "Die gefundene Version ist aktueller als die zur Zeit installierte. M\xF6" "chten\r\n"
      "Sie Ihr Programm auf diese Version aktualisieren?\r\n\r\n"
      "Bitte beachten Sie, dass das Update nur erfolgreich durchgef\xFChrt werden\r\n"
      "kann, wenn Sie \xFC" "ber entsprechende Rechte auf dem Rechner verf\xFCgen!",
      MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) {
    writeUpdateCheckDate(state);
    finishRun(run);
  }

  // Step 10: the archive.
  const std::string tail = "\r\n\r\nDas Update kann nicht eingespielt werden. \r\n"
                           "Durch klicken auf 'Beenden' wird das Update-Programm geschlossen\r\nund " + offer.product + " gestartet.";
  int download = downloadUpdateFile(run);
  if (download != 0) {
    run.ui.messageBox("Fehler",
                      (download == 3 ? "Beim Herunterladen der Update-Datei ist ein Fehler aufgetreten! "
                                     : "Beim Herunterladen der Update-Datei ist ein unbekannter Fehler aufgetreten! ") + tail,
                      MessageIcon::Warning, MessageButtons::Ok);
    writeUpdateCheckDate(state);
    writeUpdateFile(state, UpdateFileKey::localUpdateFile, "");
    setFinishMode(run);
    return;
  }

  // Steps 11 to 14: hand over to the elevated copy.
  writeUpdatePhase(state, "2");
  writeUpdateFile(state, UpdateFileKey::localUpdateFile, run.localTempDir + localDownloadName(offer.updFile));
  std::vector<std::string> parameters = run.parameterList;
  parameters.push_back("/upd:mode2");
  if (!run.startTarget) parameters.push_back("/upd:nostart");
  if (os::fileSizeOf(run.programDir + "vantrelAdmin.exe") < 0) {
    run.ui.messageBox("Fehler",
                      "Das Update kann nicht eingespielt werden, da die daf\xFCr ben\xF6tigte\r\n"
                      "Datei 'vantrelAdmin.exe' nicht gefunden werden konnte. \r\n"
                      "Durch klicken auf 'Beenden' wird das Update-Programm geschlossen\r\nund " + offer.product + " gestartet.",
                      MessageIcon::Warning, MessageButtons::Ok);
    writeUpdateCheckDate(state);
    run.ui.setControlText(wizard::kStepStatus1 + 2, "...  Updatedateien nicht eingespielt");
    run.ui.chooseStepPicture(3, StepPicture::Failed);
    run.ui.refreshStepIcons();
    setFinishMode(run);
    return;
  }
  startProgram(run.programDir, "vantrelAdmin.exe", parameters);
  writeUpdateCheckDate(state);
  run.busy = false;
  os::endProgram();
}

int aktionMainweiter(Run& run, int level) {
  writeLog("aktionMainweiter:> Aktionslevel: " + std::to_string(level), 0);
  switch (level) {
    case 1:
      // Busy from here on, not only once the worker runs: an event that
      // arrives before the worker's first step must already be dropped.
      run.busy = true;
      run.ui.setBusy(true);
      std::thread([&run] { handlerMain1(run); }).detach();
      break;
    case 2:
      finishRun(run);
    default:
      writeLog("aktionMainWeiter:> Fehler im Programmablauf!", 0);
      os::endProgram();
  }
  return level;
}

}  // namespace vantrel
