// Vantrel with the console front end.
#include "core/launcher/haupt_programm.h"
#include "core/launcher/run.h"
#include "os/process.h"
#include "ui/console/console_ui.h"

int main(int argc, char** argv) {
  vantrel::ConsoleUi ui;
  vantrel::Run run(ui);
  vantrel::HauptProgramm(run, vantrel::os::programParameters(argc, argv));
  vantrel::os::endProgram();
}
