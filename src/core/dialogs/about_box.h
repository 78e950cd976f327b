// The About box: the program's name, its version and the notice line.
#pragma once

#include <string>

namespace vantrel {

class Ui;

// The box's text for the program file `programFile` in the year `year`.
std::string aboutText(const std::string& programFile, int year);

// Shows the box for the running program; returns when it is closed.
void showAbout(Ui& ui);

}  // namespace vantrel
