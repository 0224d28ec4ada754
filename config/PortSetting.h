#pragma once

#include "link/Exchange.h"
#include "monitor/Monitoring.h"
#include "monitor/StatusValues.h"

namespace taviron {

// The Port Setting dialog's state: whether it set the ports. Its lists are the main window's
// (Monitoring::portSelection), which a refresh preselects.
struct PortSettingState {
  int PortSetDone = 0;
};

// Sends PortConfig, eight switch codes, one "ps" command per port. 0 when the switch accepted
// every port, 1 otherwise; a refused port does not stop the others, a failed exchange does.
int SendPortSettings(Exchange& exchange, const StatusValues& status);

// Setting > Port: the dialog, then a refresh when it set the ports.
void PortSettingCommand(Exchange& exchange, Monitoring& monitor, PortSettingState& portSetting);
// Tport_set shown: each list selects the port's mode when it is known.
void PortSetShow(Monitoring& monitor);
// "Setting" of Tport_set: true when the dialog closes (the switch took every port).
bool PortSetOk(Exchange& exchange, Monitoring& monitor, PortSettingState& portSetting);

}  // namespace taviron
