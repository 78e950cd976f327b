#include "core/launcher/start_program.h"

#include "core/text/text.h"
#include "os/paths.h"
#include "os/process.h"

namespace vantrel {

std::string buildParameterText(const std::vector<std::string>& parameters) {
  std::string text;
  for (const std::string& element : parameters) text += "\"" + element + "\" ";
  return replaceAll(text, "\"\"", "");
}

std::string buildCommandLine(const std::string& program, const std::string& parameterText) {
  std::string line = !program.empty() && program[0] == '"' ? program : "\"" + program + "\"";
  if (!parameterText.empty()) line += " " + parameterText;
  return line;
}

bool startProgram(const std::string& directory, const std::string& fileName,
                  const std::vector<std::string>& parameters) {
  std::string parameterText = buildParameterText(parameters);
  if (fileName.empty()) return false;
  const std::string program = directory + fileName;
  if (os::createProcess(buildCommandLine(program, parameterText), directory)) return true;
  std::string workingDir = directory;
  if (workingDir.empty()) {
    std::size_t sep = program.rfind(os::pathSeparator());
    if (sep != std::string::npos) workingDir = program.substr(0, sep + 1);
  }
  return os::shellOpen(program, parameterText, workingDir);
}

}  // namespace vantrel
