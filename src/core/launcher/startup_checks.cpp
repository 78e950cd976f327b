#include "core/launcher/startup_checks.h"

#include "core/launcher/run.h"
#include "core/support/log.h"
#include "os/paths.h"
#include "ui/ui.h"

namespace vantrel {

StatusReport localConfigFailure(int code) {
  StatusReport report;
  switch (code) {
    case kReadValueMissing:
      report.logLine = "readLocalConfig():> 1 ... Fehler bei CFG-Zugriff";
      report.text =
          "Beim Zugriff auf die Konfigurationsdatei des Update-Programms\r\n"
          "ist ein Fehler aufgetreten. ";
      break;
    case kReadVersionTooOld:
      report.logLine = "readLocalConfig():> 2 ... falsche CFG-Zugriff";
      report.text =
          "Die f\xFCr das Update-Programm n\xF6tige Konfigurationsdatei \r\n"
          "weist nicht die richtige Versionsnummer auf. ";
      break;
    case kReadFileMissing:
      report.logLine = "readLocalConfig():> 3... CFG-Datei nicht gefunden";
      report.text =
          "Die f\xFCr das Update-Programm n\xF6tige Konfigurationsdatei \r\n"
          "konnte nicht gefunden werden. ";
      break;
    default:
      report.text =
          "Es ist ein unbekannter Fehler im Zugriff auf die f\xFCr \r\n"
          "das Update-Programm n\xF6tige Konfigurationsdatei aufgetreten. ";
      break;
  }
  report.text +=
      "\r\n\r\nDas Update-Programm kann nicht fortgesetzt werden und \r\n"
      "wird deshalb nun beendet.";
  return report;
}

void runStartupChecks(Run& run) {
  // Step 4: the run's values and directories.
  run.updateInterval = 30;
  run.noCheck = false;
  run.phase2Mode = false;
  run.localTempDir = os::getTempDir();
  run.programDir = os::getProgramPath();

  // Step 5: vantrel.cfg; without it the product cannot even be located.
  ReadStatus status = readLocalConfig(run.localConfig, run.programDir);
  if (status != kReadComplete) {
    StatusReport report = localConfigFailure(status);
    if (!report.logLine.empty()) writeLog(report.logLine, 0);
    run.ui.messageBox("Fehler", report.text, MessageIcon::Error, MessageButtons::Ok);
    return;
  }

  // The state file, the due decision and the wizard follow here.
  writeLog("HauptProgramm:> Konfiguration gelesen; weitere Startpr\xFC" "fungen sind noch nicht verf\xFC" "gbar, Programm wird beendet",
           0);
}

}  // namespace vantrel
