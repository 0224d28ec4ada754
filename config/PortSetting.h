#pragma once

#include "monitor/Monitoring.h"

namespace taviron {

// The Port Setting dialog's part: the main window's, and whether the dialog set the ports.
struct PortSettingState : Monitoring {
  int& PortSetDone;
};

// Sends PortConfig, eight switch codes, one "ps" command per port. 0 when the switch accepted
// every port, 1 otherwise; a refused port does not stop the others, a failed exchange does.
int SendPortSettings(const StatusReading& c);

// Setting > Port: the dialog, then a refresh when it set the ports.
void PortSettingCommand(const PortSettingState& c);
// Tport_set shown: each list selects the port's mode when it is known.
void PortSetShow(const PortSettingState& c);
// "Setting" of Tport_set: true when the dialog closes (the switch took every port).
bool PortSetOk(const PortSettingState& c);

}  // namespace taviron
