// Phase 2 of the update wizard, in the elevated copy: close the product,
// unpack the archive, run the after-update program, record the outcome.
#pragma once

#include <string>

namespace vantrel {

struct LocalConfig;
struct Run;

// Runs on the main thread before the wizard's first event. Ends the program
// on every path but two failures, after which the wizard is in its final state.
void handlerMain2(Run& run);

// Makes sure the product is not running, asking the user; ends the program
// when the user declines or the product cannot be shut down.
void closeRunningTarget(Run& run, const LocalConfig& product);

// Unpacks the archive into programDir + updatePath; returns the number of
// files written (0 = failure). Drives step row 3.
int installUpdateArchive(Run& run, const std::string& archive, const std::string& updatePath,
                         const std::string& programDir);

}  // namespace vantrel
