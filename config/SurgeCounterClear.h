#pragma once

#include "program/Configurator.h"

namespace taviron {

// The maintenance action that clears the surge counter: behind the maintenance gate, the
// dialog, then a refresh once any clear in this run succeeded.
void SurgeCounterClearCommand(Configurator& c);
// "Yes" of Tth_clear; the dialog closes after, whatever the outcome.
void ThClearYes(Configurator& c);

}  // namespace taviron
