// Quillview with the console front end.
#include "os/paths.h"
#include "os/process.h"
#include "quillview/quillview.h"
#include "ui/console/console_ui.h"

int main(int argc, char** argv) {
  vantrel::ConsoleUi ui;
  // By plain name along the loader's search path, then beside the program.
  vantrel::QuilletPlaces places{"libquillet.so", vantrel::os::getProgramPath() + "libquillet.so"};
  vantrel::quillviewMain(ui, places, vantrel::os::programParameters(argc, argv));
  vantrel::os::endProgram();
}
