// Facts about the standard streams.
#pragma once

namespace vantrel::os {

// True when standard output is a terminal (progress can be drawn in place).
bool standardOutputIsTerminal();

}  // namespace vantrel::os
