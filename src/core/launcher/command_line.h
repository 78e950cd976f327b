// Separating Vantrel's own options from the parameters meant for the product.
#pragma once

#include <string>
#include <vector>

#include "core/launcher/options.h"

namespace vantrel {

// `parameters` are the program's own parameters as the system split them.
// Appends one element holding every pass-through parameter (each preceded by
// a blank) to `parameterList` and returns the options.
OptionSet parseCommandLine(const std::vector<std::string>& parameters, std::vector<std::string>& parameterList);

// The text of the help box.
extern const char* const kHelpTitle;
std::string helpText();

}  // namespace vantrel
