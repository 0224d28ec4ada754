#pragma once

#include "access/Access.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"

namespace taviron {

// Connect: reopen the configured port, greet the switch, log in again when it asks, refresh.
void ConnectSwitch(Exchange& exchange, Monitoring& monitor, Access& access);
// Disconnect: close the port and show placeholders.
void DisconnectSwitch(Exchange& exchange, Monitoring& monitor);

// A connection that answered the probe starts a new session: the maintenance password must be
// given again.
void StartSession(Exchange& exchange, Access& access);

}  // namespace taviron
