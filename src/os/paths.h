// Where the program is and where it may put files.
#pragma once

#include <string>

namespace vantrel::os {

// The platform's directory separator ('\' on Windows, '/' on POSIX).
char pathSeparator();
// Whether the file system compares names without regard to letter case.
bool fileNamesIgnoreCase();

// Directory of the running executable, with a trailing separator.
std::string getProgramPath();
// File name of the running executable, extension included.
std::string getProgramName();
// The user's temporary directory with a trailing separator.
std::string getTempDir();
// The same directory in its long form (no 8.3 names), for the log file.
std::string getLongTempDir();

}  // namespace vantrel::os
