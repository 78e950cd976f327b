#include "core/dialogs/about_box.h"

#include "core/support/version_info.h"
#include "os/clock.h"
#include "os/paths.h"
#include "ui/ui.h"

namespace vantrel {

std::string aboutText(const std::string& programFile, int year) {
  return "Zelmar Update und Vantrel-Programm " + readFileVersionInfo(programFile, kFieldFileVersion, false) +
         ".\r\n\r\n" + "Copyright \xA9 2007-" + std::to_string(year) + " Zelmar. Alle Rechte vorbehalten.";
}

void showAbout(Ui& ui) {
  // The program's own file by its full path: the current directory need not
  // be the program's.
  const std::string text = aboutText(os::getProgramPath() + os::getProgramName(), os::localTimeNow().year);
  ui.messageBox("About", text, MessageIcon::None, MessageButtons::Ok);
}

}  // namespace vantrel
