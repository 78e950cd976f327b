#include "core/launcher/phase2.h"

#include "core/config/state_file.h"
#include "core/install/extract_archive.h"
#include "core/launcher/fatal_error.h"
#include "core/launcher/phase1.h"
#include "core/launcher/run.h"
#include "core/launcher/start_program.h"
#include "core/launcher/wizard.h"
#include "core/support/log.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/process.h"
#include "os/process_list.h"
#include "os/rights.h"
#include "ui/ui.h"

namespace vantrel {

namespace {

void warn(Run& run, const char* title, const std::string& text, MessageIcon icon = MessageIcon::Warning) {
  run.ui.messageBox(title, text, icon, MessageButtons::Ok);
}

// Starts a program without parameters and waits for it (directly, else
// through the shell). False when it could not be started.
bool runProgram(const std::string& program, const std::string& workingDir, int& exitCode) {
  return os::runAndWait(buildCommandLine(program, buildParameterText({})), workingDir, exitCode);
}

}  // namespace

void closeRunningTarget(Run& run, const LocalConfig& product) {
  const std::string& task = product.taskID;
  if (!os::isProcessRunning(task)) return;
  const std::string q = "\"" + task + "\"";
  if (product.taskShutdown.empty()) {
    MessageAnswer a = run.ui.messageBox(
        "Achtung",
        "Es wurde festgestellt, dass " + q + " noch aktiv ist. Das Update kann nur erfolgreich durchgef\xFChrt werden, "
        "wenn " + q + " beendet ist! \r\n\r\nW\xE4hlen Sie 'Ja', nachdem Sie " + q + " beendet haben bzw. 'Nein', "
        "wenn Sie das Updatevorgang abbrechen m\xF6" "chten.",
        MessageIcon::Question, MessageButtons::YesNo);
    if (a != MessageAnswer::Yes) finishRun(run);
    return;
  }
  const std::string shutdown = product.path + product.taskShutdown;
  if (!os::fileExists(shutdown)) return;
  MessageAnswer a = run.ui.messageBox(
      "Achtung",
      "Es wurde festgestellt, dass " + q + " noch aktiv ist. Das Updatekann nur erfolgreich durchgef\xFChrt werden, "
      "wenn " + q + " beendet ist! \r\n\r\nW\xE4hlen Sie 'Ja', wenn das Updateprogramm " + q + " f\xFCr Sie beenden "
      "soll bzw. 'Nein', wenn Sie das Updatevorgang abbrechen m\xF6" "chten.\r\n\r\nDas Beenden von " + q +
      " kann einige Sekunden in Anspruch nehmen.",
      MessageIcon::Question, MessageButtons::YesNo);
  if (a != MessageAnswer::Yes) finishRun(run);
  int code = 0;
  runProgram(shutdown, std::string(".") + os::pathSeparator(), code);
  if (os::isProcessRunning(task)) {
    warn(run, "Achtung",
         "Das Beenden von " + q + " ist fehlgeschlagen!\r\n\r\nDer Updatvorgang wird abgebrochen.",
         MessageIcon::Information);
    finishRun(run);
  }
}

int installUpdateArchive(Run& run, const std::string& archive, const std::string& updatePath,
                         const std::string& programDir) {
  run.ui.chooseStepPicture(3, StepPicture::Working);
  run.ui.refreshStepIcons();
  run.ui.chooseStepPicture(3, StepPicture::Failed);
  int count = extractArchive(archive, "*.*", programDir + updatePath, true,
                             [&run](const std::string& name, double percent) {
                               reportExtractProgress(run.ui, name, percent);
                             });
  if (count == 0) {
    run.ui.refreshStepIcons();
    return 0;
  }
  run.ui.setControlText(wizard::kStepStatus1 + 2, "...  Updatedateien erfolgreich eingespielt");
  run.ui.chooseStepPicture(3, StepPicture::Done);
  run.ui.refreshStepIcons();
  return count;
}

void handlerMain2(Run& run) {
  Ui& ui = run.ui;
  const LocalConfig& cfg = run.localConfig;
  const std::string& product = run.stateIni.productName;
  run.busy = true;
  writeLog("handlerMain2(): Programm in Phase 2 (Einspielen des Updates)", 0);
  ui.setControlText(wizard::kStepStatus1, "...  Updateinformationen gefunden");
  ui.setControlText(wizard::kStepStatus1 + 1, "...  Updatedatei erfolgreich geladen");
  ui.chooseStepPicture(1, StepPicture::Done);
  ui.chooseStepPicture(2, StepPicture::Done);
  ui.chooseStepPicture(3, StepPicture::Working);
  ui.refreshStepIcons();
  animateProgress(ui, 0);

  const bool admin = os::isUserAdmin();
  writeLog(std::string("Eingeloggter User ist ein Administrator: ") + (admin ? "-1" : "0"), 0);
  if (!admin) {
    warn(run, "Info",
         "Sie haben nicht ausreichend Rechte zum Einspielen eines Updates. \r\n\r\n"
         "Starten Sie das Update-Programm erneut mit entsprechenden Rechten. ");
    finishRun(run);
  }

  closeRunningTarget(run, cfg);

  if (installUpdateArchive(run, run.stateIni.localUpdateFile, cfg.updatePath, run.programDir) == 0) {
    warn(run, "Fehler",
         "Beim Einspielen des Updates ist ein Fehler aufgetreten! \r\n\r\nDas Update konnte nicht vollst\xE4ndig "
         "durchgef\xFChrt werden. \r\nDurch klicken auf 'Beenden' wird das Update-Programm geschlossen\r\nund " +
             product + " gestartet.");
    setFinishMode(run);
    return;
  }
  writeUpdatePhase(cfg, "3");

  int code = 0;
  const std::string pastUpdate = run.programDir + "pastUpdate.exe";
  if (os::fileSizeOf(pastUpdate) > 0) {
    if (!runProgram(pastUpdate, "", code)) {
      warn(run, "Fehler",
           "Das Update wurde eingespielt, jedoch konnten die eingespielten \r\nDaten nicht vollst\xE4ndig "
           "initialisiert werden. \r\n\r\nDurch klicken auf 'Beenden' wird das Update-Programm geschlossen\r\nund " +
               product + " gestartet.");
      setFinishMode(run);
      return;
    }
    if (code == 0) {
      os::deleteFile(pastUpdate);
      writeUpdatePhase(cfg, "4");
    } else {
      warn(run, "Fehler",
           "Das Update wurde eingespielt, jedoch konnten die eingespielten \r\nDaten nicht vollst\xE4ndig "
           "initialisiert werden. \r\nEine fehlerfreie Ausf\xFChrung des Programms kann nicht garantiert werden. "
           "\r\n\r\nFehlercode: " +
               std::to_string(code) + "\r\n\r\nDas Update-Programm wird nun geschlossen und \r\n" + product +
               " gestartet.");
    }
    writeExitCode(cfg, code);
  } else {
    writeExitCode(cfg, -1);
    code = 0;
  }
  writeUpdateDate(cfg);

  ui.setControlText(wizard::kNextButton, "B&eenden");
  ui.useFinishShortcuts();
  if (code == 0) {
    std::string text = product + " wurde erfolgreich eingespielt. \r\n\r\nDas Update-Programm wird nun geschlossen";
    text += run.startTarget ? "\r\nund " + product + " gestartet." : ".";
    ui.messageBox("Info", text, MessageIcon::Information, MessageButtons::Ok);
  }
  startProduct(run);
  run.busy = false;
  os::endProgram();
}

}  // namespace vantrel
