// What the wizard's events lead to in this program.
#pragma once

#include "core/launcher/event_loop.h"

namespace vantrel {

WizardActions wizardActions();

}  // namespace vantrel
