#pragma once

#include <functional>
#include <string_view>

#include "access/Access.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"
#include "session/Session.h"

namespace taviron {

// The main window's start-up sequence: settings, error log, first opening of the COM port and
// the greeting. Runs once per program run.
void RunStartup(Exchange& exchange, Monitoring& monitor, Access& access, Session& session);

// The first connection of a run (steps of the start-up sequence): opens the named port, sets the
// line and greets the switch, reporting failures as the start-up does. link.SwitchAnswered
// tells the outcome; link.SwitchMode whether the switch wants the user password. Where the
// opening fails, openInstead (when given) may open the port another way before the failure is
// reported: true when it did.
void StartConnection(Exchange& exchange, Access& access, std::string_view portName,
                     const std::function<bool()>& openInstead = {});

// The closing lines to the switch, then the port and the log closed.
void EndConnection(Exchange& exchange);

// The main window's shutdown sequence: closing lines to the switch, port and log closed, the
// settings written with the window's current bounds.
void RunShutdown(Exchange& exchange, Session& session, const WindowBounds& currentBounds);

// Logging on from the menu or at start-up: false when LOG.TXT cannot be written.
bool SwitchLoggingOn(Exchange& exchange, Monitoring& monitor);
void SwitchLoggingOff(Exchange& exchange, Monitoring& monitor);

}  // namespace taviron
