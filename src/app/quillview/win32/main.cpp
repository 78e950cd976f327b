// Quillview as a Windows program.
#include <windows.h>

#include "os/process.h"
#include "quillview/quillview.h"
#include "ui/win32/win32_ui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vantrel::Win32Ui ui;
  vantrel::QuilletPlaces places{"quillet.dll", "t:\\execute\\quillet.dll"};
  vantrel::quillviewMain(ui, places, vantrel::os::programParameters(0, nullptr));
  vantrel::os::endProgram();
}
