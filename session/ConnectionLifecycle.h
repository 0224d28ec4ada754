#pragma once

#include "program/Configurator.h"

namespace taviron {

// Connect: reopen the configured port, greet the switch, log in again when it asks, refresh.
void ConnectSwitch(Configurator& c);
// The failure report of the connect sequence.
void ReconnectFailed(Configurator& c);
// Disconnect: close the port and show placeholders.
void DisconnectSwitch(Configurator& c);

// A connection that answered the probe starts a new session: the maintenance password must be
// given again.
void StartSession(Configurator& c);

}  // namespace taviron
