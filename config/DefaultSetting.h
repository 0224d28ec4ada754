#pragma once

#include "session/Session.h"
#include "views/ConfigWindows.h"

namespace taviron {

// The Default Setting dialog's part: it resets the switch afterwards, so the session's.
struct DefaultSettingState : Session {
  DefaultSettingWindow& factSet;  // Tfact_set
  int& DefaultSetDone;
};

// Setting > Default Setting: the dialog, then a refresh when the switch took the defaults.
void DefaultSettingCommand(const DefaultSettingState& c);
// Tfact_set shown: the question and both buttons again.
void FactSetShow(const DefaultSettingState& c);
// "Yes": factory defaults, then the switch is reset and reconnected. The dialog closes after.
void FactSetYes(const DefaultSettingState& c);

}  // namespace taviron
