// The system's rule for splitting a command line into parameters.
#pragma once

#include <string>
#include <vector>

namespace vantrel::os {

// Parameters are separated by runs of blanks (tabs do not separate); a
// parameter that begins with a double quote runs to the next double quote and
// loses both quotes. Every parameter is returned, the program name included.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

}  // namespace vantrel::os
