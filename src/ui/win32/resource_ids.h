// Resource numbers of the pictures in the Vantrel executables (shared with the .rc file).
#pragma once

#define VANTREL_BANNER_BITMAP 100
#define VANTREL_STEP_PENDING_ICON 101
#define VANTREL_STEP_WORKING_ICON 102
#define VANTREL_STEP_DONE_ICON 103
#define VANTREL_STEP_FAILED_ICON 104
