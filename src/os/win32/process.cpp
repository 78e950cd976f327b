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
