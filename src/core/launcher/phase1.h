// Phase 1 of the update wizard: the dispatcher of the "next" actions, the
// worker that looks for and downloads the update, and the final action.
#pragma once

namespace vantrel {

struct Run;

// Carries out one "next" action of the wizard: level 1 starts handlerMain1 on
// a worker thread, level 2 is finishRun; returns the level.
int aktionMainweiter(Run& run, int level);

// Phase 1 on the worker thread: records the start, disables the buttons and
// looks for the update (or, with no check to make, starts the product).
void handlerMain1(Run& run);

// Starts the product when the run may, then ends the program.
[[noreturn]] void finishRun(Run& run);

}  // namespace vantrel
