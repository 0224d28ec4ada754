#pragma once

#include "program/Configurator.h"

namespace taviron {

// Setting > Default Setting: the dialog, then a refresh when the switch took the defaults.
void DefaultSettingCommand(Configurator& c);
// Tfact_set shown: the question and both buttons again.
void FactSetShow(Configurator& c);
// "Yes": factory defaults, then the switch is reset and reconnected. The dialog closes after.
void FactSetYes(Configurator& c);

}  // namespace taviron
