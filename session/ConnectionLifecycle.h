#pragma once

#include "session/Session.h"

namespace taviron {

// Connect: reopen the configured port, greet the switch, log in again when it asks, refresh.
void ConnectSwitch(const Session& c);
// Disconnect: close the port and show placeholders.
void DisconnectSwitch(const Session& c);

// A connection that answered the probe starts a new session: the maintenance password must be
// given again.
void StartSession(const Session& c);

}  // namespace taviron
