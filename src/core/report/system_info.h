// The system information report: the machine, the user and the running
// program, written into the log, which is then opened for the user.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

struct Run;
class SystemProbes;

// The report's lines in order, the closing empty line included.
std::vector<std::string> systemInfoLines(SystemProbes& probes, const std::vector<std::string>& parameters);

// Writes the report into the log, every line with flag 0 and the closing
// empty line with flag 1, so the log opens afterwards.
void writeSystemInfo(SystemProbes& probes, const std::vector<std::string>& parameters);

// The report of this machine with the run's pass-through parameters.
void showSystemInfo(Run& run);

// The internet line's flag texts (after its label) for a flag word.
std::string internetStateText(std::uint32_t flags);
// Ascending, with A-Z folded to lower case and bytes compared by value;
// equal entries keep their order.
void sortCaseInsensitive(std::vector<std::string>& list);

}  // namespace vantrel
