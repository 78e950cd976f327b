// Vantrel as a Windows program.
#include <windows.h>

#include "core/launcher/haupt_programm.h"
#include "core/launcher/run.h"
#include "os/process.h"
#include "ui/win32/win32_ui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vantrel::Win32Ui ui;
  vantrel::Run run(ui);
  vantrel::HauptProgramm(run, vantrel::os::programParameters(0, nullptr));
  vantrel::os::endProgram();
}
