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

// The shell special folder with the Windows CSIDL number `csidl`, with a
// trailing separator; "" for an unassigned number or a folder without a
// file-system path. POSIX answers for the folders that have a counterpart
// there (the XDG user and base directories, the home folder) and "" for all
// other numbers.
std::string getSpecialFolder(int csidl);

// Creates every missing directory of `path` from the root down. The part after
// the last separator is a file name and is not created, so a directory is
// passed with its trailing separator. True when the whole directory part
// exists afterwards; false when one level cannot be created, when something
// that is not a directory stands in the way, or when `path` names no directory.
bool makeDirPath(const std::string& path);

}  // namespace vantrel::os
