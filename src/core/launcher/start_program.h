// Starting a program with a list of parameters: the product, or the
// elevated copy of Vantrel.
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// Each element in double quotes followed by a blank, then every pair of
// adjacent double quotes removed (so an empty element leaves just its blank).
std::string buildParameterText(const std::vector<std::string>& parameters);

// The program in double quotes (unless it already begins with one), then a
// blank and the parameter text when there is one.
std::string buildCommandLine(const std::string& program, const std::string& parameterText);

// Starts directory + fileName in `directory` with the parameter text of
// `parameters`, falling back to the shell's default verb; does not wait.
// False when fileName is empty or neither way started the program.
bool startProgram(const std::string& directory, const std::string& fileName,
                  const std::vector<std::string>& parameters);

}  // namespace vantrel
