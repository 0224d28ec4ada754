#pragma once

#include "access/Access.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"

namespace taviron {

// The Clear Surge Counter dialog's state: whether a clear succeeded in this run.
struct SurgeClearState {
  int SurgeClearDone = 0;
};

// The maintenance action that clears the surge counter: behind the maintenance gate, the
// dialog, then a refresh once any clear in this run succeeded.
void SurgeCounterClearCommand(Exchange& exchange, Monitoring& monitor, Access& access,
                              SurgeClearState& surgeClear);
// "Yes" of Tth_clear; the dialog closes after, whatever the outcome.
void ThClearYes(Exchange& exchange, SurgeClearState& surgeClear);

}  // namespace taviron
