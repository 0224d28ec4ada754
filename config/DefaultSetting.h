#pragma once

#include "access/Access.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"
#include "views/ConfigWindows.h"

namespace taviron {

// The Default Setting dialog's state: what it shows, and whether the switch took the defaults.
// The dialog resets the switch afterwards, so its sequences take the blocks a reset works on.
struct DefaultSettingState {
  DefaultSettingWindow factSet;  // Tfact_set
  int DefaultSetDone = 0;
};

// Setting > Default Setting: the dialog, then a refresh when the switch took the defaults.
void DefaultSettingCommand(Exchange& exchange, Monitoring& monitor,
                           DefaultSettingState& defaultSetting);
// Tfact_set shown: the question and both buttons again.
void FactSetShow(DefaultSettingState& defaultSetting);
// "Yes": factory defaults, then the switch is reset and reconnected. The dialog closes after.
void FactSetYes(Exchange& exchange, Monitoring& monitor, Access& access,
                DefaultSettingState& defaultSetting);

}  // namespace taviron
