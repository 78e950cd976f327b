// The entry sequence of Vantrel.
#pragma once

#include <string>
#include <vector>

namespace vantrel {

struct Run;

// Parses the command line, answers a help request and runs the start-up
// checks. Returns when the run is over; the caller ends the process.
void HauptProgramm(Run& run, const std::vector<std::string>& parameters);

}  // namespace vantrel
