#pragma once

#include "access/Access.h"

namespace taviron {

// The Clear Surge Counter dialog's part; it sits behind the maintenance gate.
struct SurgeClearState : Access {
  int& SurgeClearDone;
};

// The maintenance action that clears the surge counter: behind the maintenance gate, the
// dialog, then a refresh once any clear in this run succeeded.
void SurgeCounterClearCommand(const SurgeClearState& c);
// "Yes" of Tth_clear; the dialog closes after, whatever the outcome.
void ThClearYes(const SurgeClearState& c);

}  // namespace taviron
