#pragma once

#include "program/Configurator.h"

namespace taviron {

// Sends PortConfig, eight switch codes, one "ps" command per port. 0 when the switch accepted
// every port, 1 otherwise; a refused port does not stop the others, a failed exchange does.
int SendPortSettings(Configurator& c);

// Setting > Port: the dialog, then a refresh when it set the ports.
void PortSettingCommand(Configurator& c);
// Tport_set shown: each list selects the port's mode when it is known.
void PortSetShow(Configurator& c);
// "Setting" of Tport_set: true when the dialog closes (the switch took every port).
bool PortSetOk(Configurator& c);

}  // namespace taviron
