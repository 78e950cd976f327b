#include "os/process.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>

#include "os/command_line.h"

namespace vantrel::os {

std::vector<std::string> programParameters(int /*argc*/, char** /*argv*/) {
  std::vector<std::string> params = splitCommandLine(GetCommandLineA());
  if (!params.empty()) params.erase(params.begin());  // the program itself
  return params;
}

bool createProcess(const std::string& commandLine, const std::string& workingDir) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  std::string buffer = commandLine;  // CreateProcessA may write into its command line
  BOOL ok = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                           workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info);
  if (!ok) return false;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
}

bool shellOpen(const std::string& file, const std::string& parameters, const std::string& workingDir) {
  HINSTANCE result = ShellExecuteA(nullptr, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                                   workingDir.empty() ? nullptr : workingDir.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void endProgram() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  ExitProcess(0);
}

}  // namespace vantrel::os

namespace vantrel::os {

bool runAndWait(const std::string& commandLine, const std::string& workingDir, int& exitCode) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  std::string buffer = commandLine;
  HANDLE process = nullptr;
  if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                     workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process = info.hProcess;
  } else {
    // The shell: also the way to the elevation prompt. The program is the
    // command line's first (quoted) part, the rest its parameters.
    std::vector<std::string> parts = splitCommandLine(commandLine);
    if (parts.empty()) return false;
    std::string file = parts[0];
    std::size_t rest = commandLine.find(file) + file.size();
    if (rest < commandLine.size() && commandLine[rest] == '"') ++rest;
    std::string parameters = rest < commandLine.size() ? commandLine.substr(rest) : "";
    SHELLEXECUTEINFOA shell{};
    shell.cbSize = sizeof shell;
    shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    shell.lpFile = file.c_str();
    shell.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    shell.lpDirectory = workingDir.empty() ? nullptr : workingDir.c_str();
    shell.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&shell) || shell.hProcess == nullptr) return false;
    process = shell.hProcess;
  }
  WaitForSingleObject(process, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  exitCode = static_cast<int>(code);
  return true;
}

}  // namespace vantrel::os
