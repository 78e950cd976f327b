// Entry point of quillet.dll.
#include <windows.h>

#include "quillet/library_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      vantrel::quillet::attachLibrary(module);
      break;
    case DLL_PROCESS_DETACH:
      vantrel::quillet::detachLibrary();
      break;
    default:
      break;
  }
  // Loading always succeeds; without memory the export answers "".
  return TRUE;
}
