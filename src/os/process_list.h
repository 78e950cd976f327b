// Looking for a running process by its executable file name.
#pragma once

#include <string>

namespace vantrel::os {

// True when a running process's executable file name equals `exeName`,
// compared in upper case (see upperCaseProcessName). Only the file part of the
// process's executable is compared, so an argument with a directory part
// never matches. A process that starts or ends meanwhile may or may not be
// seen.
bool isProcessRunning(const std::string& exeName);

// a-z and the bytes 0xE0-0xFF lose 32 from their code; nothing else changes.
std::string upperCaseProcessName(const std::string& text);

// Whether the process executable text `executable` (a path or a bare name,
// either separator) stands for `exeName`: its file part in upper case equals
// `exeName` in upper case.
bool processNameMatches(const std::string& executable, const std::string& exeName);

}  // namespace vantrel::os
