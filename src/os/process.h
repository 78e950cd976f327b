// Starting programs and ending this one.
#pragma once

#include <string>
#include <vector>

namespace vantrel::os {

// The program's own parameters (without the program name), split by the
// system's rule. On Windows they come from the process's command line; on
// POSIX they are the arguments as the program received them.
std::vector<std::string> programParameters(int argc, char** argv);

// Creates a process from a complete command line (the program in double
// quotes first), in `workingDir` (the current directory when empty); does not
// wait for it. True when the process was created.
bool createProcess(const std::string& commandLine, const std::string& workingDir);

// Creates a process from a complete command line, as createProcess does (the
// shell's default verb when it cannot be created directly), and waits until
// it has ended, without a time limit. True when it ran; `exitCode` is its
// exit code.
bool runAndWait(const std::string& commandLine, const std::string& workingDir, int& exitCode);

// Opens `file` with the system shell's default verb. True on success.
bool shellOpen(const std::string& file, const std::string& parameters, const std::string& workingDir);

// Ends the process with exit code 0 after flushing the standard streams.
// The one way the program ends, from any thread.
[[noreturn]] void endProgram();

}  // namespace vantrel::os
