#include "core/launcher/fatal_error.h"

#include "core/launcher/run.h"
#include "core/launcher/start_program.h"
#include "ui/ui.h"

namespace vantrel {

void fatalError(Ui& ui, const std::string& message) {
  ui.messageBox("Schwerer Programmfehler", message + "\r\n\r\nBitte setzten Sie sich mit Zelmar in Verbindung.",
                MessageIcon::Error, MessageButtons::Ok);
}

void startProduct(Run& run) {
  if (!run.startTarget) return;
  if (!startProgram(run.localConfig.path, run.localConfig.toStart, run.parameterList))
    fatalError(run.ui, "Schwerer Fehler! Das Hauptprogramm konnte nicht gestartet werden.");
}

}  // namespace vantrel
