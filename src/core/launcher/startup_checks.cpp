#include "core/launcher/startup_checks.h"

#include <cstdint>
#include <functional>

#include "core/config/state_file.h"
#include "core/config/state_file_location.h"
#include "core/launcher/fatal_error.h"
#include "core/launcher/run.h"
#include "core/launcher/wizard_actions.h"
#include "core/support/log.h"
#include "os/paths.h"
#include "os/system_version.h"
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

StatusReport localIniFailure(int code) {
  StatusReport report;
  switch (code) {
    case kReadValueMissing:
      report.logLine = "readLocalIni():> 1 ... Fehler bei INI-Zugriff";
      report.text =
          "Beim Zugriff auf die INI-Datei des Update-Programms\r\n"
          "ist ein Fehler aufgetreten. ";
      break;
    case kReadVersionTooOld:
      report.logLine = "readLocalIni():> 2 ... falsche INI-Zugriff";
      report.text =
          "Die f\xFCr das Update-Programm n\xF6tige INI-Datei weist\r\n"
          "nicht die richtige Versionsnummer auf. ";
      break;
    case kReadFileMissing:
      report.logLine = "readLocalIni():> 3... INI-Datei nicht gefunden";
      report.text =
          "Die f\xFCr das Update-Programm n\xF6tige INI-Datei konnte \r\n"
          "nicht gefunden werden.";
      break;
    default:
      report.text =
          "Es ist ein unbekannter Fehler im Zugriff auf die f\xFCr \r\n"
          "das Update-Programm n\xF6tige INI-Datei aufgetreten. ";
      break;
  }
  report.text +=
      "\r\n\r\nDas Update-Programm kann nicht fortgesetzt werden und wird \r\n"
      "deshalb nun beendet und das Hauptptogramm gestartet.";
  return report;
}

bool isSystemTooOld(const os::SystemVersion& v) {
  using P = os::SystemVersion::Platform;
  if (v.platform == P::Windows9x) return v.minor == 0 || v.minor == 10 || v.minor == 90;
  if (v.platform == P::WindowsNt) return v.major == 3 || v.major == 4;
  return false;
}

bool isCheckDue(const Run& run, DateValue now) {
  if (run.options.has(kOptForce)) return true;
  return !(run.nextCheck > now || run.updateInterval < 0 || run.noCheck);
}

namespace {

void report(Run& run, const StatusReport& r, MessageIcon icon) {
  if (!r.logLine.empty()) writeLog(r.logLine, 0);
  run.ui.messageBox("Fehler", r.text, icon, MessageButtons::Ok);
}

void call(const std::function<void(Run&)>& action, Run& run, const char* what) {
  if (action) action(run);
  else writeLog(std::string("HauptProgramm:> ") + what + " ist in diesem Programm nicht verf\xFC" "gbar", 0);
}

// Automatic updates off for good, on a system too old for them.
void switchUpdatesOff(Run& run) {
  run.ui.messageBox("Information",
                    "Ihre Windows-Version ist f\xFCr das Produkt-Update nicht geeignet (Windows 2000 oder h\xF6her "
                    "wird ben\xF6tigt). Das Automatische Update wird deaktiviert.",
                    MessageIcon::Information, MessageButtons::Ok);
  ReadStatus result = writeUpdateIntervall(run.localConfig, -1);
  std::string text;
  switch (result) {
    case kReadComplete:
      return;
    case kReadVersionTooOld:
      writeLog("writeUpdateIntervall():> 2 ... Fehler bei Version", 0);
      text = "Das automatische Update konnte nicht deaktiviert werden, da die Version der Konfigurationsdatei "
             "ungeeignet ist.";
      break;
    case kReadFileMissing:
      writeLog("writeUpdateIntervall():> 3... INI-Datei nicht gefunden", 0);
      text = "Das automatische Update konnte nicht deaktiviert werden, da die Konfigurationsdatei nicht gefunden "
             "werden konnte.";
      break;
    default:
      text = "Das automatische Update konnte nicht deaktiviert werden. Ein unbekannter Fehler ist aufgetreten.";
      break;
  }
  run.ui.messageBox("Hinweis", text, MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace

void runStartupChecks(Run& run) {
  const std::string sep(1, os::pathSeparator());
  const WizardActions actions = wizardActions();

  // Step 4: the run's values and directories.
  run.updateInterval = 30;
  run.noCheck = false;
  run.phase2Mode = false;
  run.localTempDir = os::getTempDir();
  run.programDir = os::getProgramPath();

  // Step 5: vantrel.cfg; without it the product cannot even be located.
  ReadStatus status = readLocalConfig(run.localConfig, run.programDir);
  if (status != kReadComplete) {
    report(run, localConfigFailure(status), MessageIcon::Error);
    return;
  }

  // Step 6: the product's own download folder, when it can be made.
  const std::string updateDir = run.localTempDir + "Zelmar" + sep + run.localConfig.name + sep + "update" + sep;
  if (os::makeDirPath(updateDir)) run.localTempDir = updateDir;
  writeLog("HauptProgramm:> Variable localTempDir: " + run.localTempDir, 0);

  // Steps 7 and 8: the state file.
  run.localConfig.iniPath = getRealIniPath(run.localConfig.iniPath);
  status = readLocalIni(run.stateIni, run.proxySettings, run.localConfig);
  if (status != kReadComplete) {
    report(run, localIniFailure(status), MessageIcon::Warning);
    startProduct(run);
    return;
  }

  // Step 9: the options.
  const OptionSet& o = run.options;
  run.updateInterval = run.stateIni.updateIntervall;
  if (o.has(kOptIntervalGiven)) run.updateInterval = o.intervalDays;
  if (o.has(kOptForce)) run.updateInterval = 0;
  if (o.has(kOptCancel)) run.noCheck = true;
  if (o.has(kOptDebug)) call(actions.showSystemInfo, run, "Die Systeminformation");
  if (o.has(kOptMode2)) run.phase2Mode = true;
  if (o.has(kOptNoStart)) run.startTarget = false;

  // Step 10: is a check due? (64-bit sum: an interval cannot wrap the date.)
  std::int64_t next = static_cast<std::int64_t>(run.stateIni.lastCheck) +
                      static_cast<std::int64_t>(run.updateInterval) * 86400;
  run.nextCheck = next > INT32_MAX ? INT32_MAX : next < INT32_MIN ? INT32_MIN : static_cast<DateValue>(next);
  if (!isCheckDue(run, dateValueNow())) {
    run.noCheck = true;
    if (!o.has(kOptConfig)) {
      writeLog("Kein Updatebedarf... Programm wird direkt gestartet", 0);
      startProduct(run);
      return;
    }
  }

  // Step 11: the wizard.
  if (!run.localConfig.name.empty()) run.titleSuffix = " f\xFCr " + run.localConfig.name;
  if (!run.ui.openMainWindow("Updateprogramm" + run.titleSuffix)) {
    // Without its window there is no wizard to run: the product starts.
    writeLog("HauptProgramm:> Das Fenster des Updateprogramms konnte nicht ge\xF6" "ffnet werden", 0);
    startProduct(run);
    return;
  }

  // Step 12: systems too old for updates.
  if (isSystemTooOld(os::systemVersion())) {
    switchUpdatesOff(run);
    startProduct(run);
    return;
  }

  // Step 13: the wizard's event loop, until the user leaves it.
  if (o.has(kOptConfig)) call(actions.openConfigDialog, run, "Der Konfigurationsdialog");
  runEventLoop(run, actions);
  startProduct(run);
  run.ui.closeMainWindow();
}

}  // namespace vantrel
