#pragma once

#include <string_view>

#include "session/Session.h"

namespace taviron {

// The main window's start-up sequence: settings, error log, first opening of the COM port and
// the greeting. Runs once per program run.
void RunStartup(const Session& c);

// The first connection of a run (steps of the start-up sequence): opens the named port, sets the
// line and greets the switch, reporting failures as the start-up does. SwitchAnswered tells the
// outcome; SwitchMode whether the switch wants the user password.
void StartConnection(const Session& c, std::string_view portName);

// The closing lines to the switch, then the port and the log closed.
void EndConnection(const Session& c);

// The main window's shutdown sequence: closing lines to the switch, port and log closed, the
// settings written with the window's current bounds.
void RunShutdown(const Session& c, const WindowBounds& currentBounds);

// Logging on from the menu or at start-up: false when LOG.TXT cannot be written.
bool SwitchLoggingOn(const Session& c);
void SwitchLoggingOff(const Session& c);

}  // namespace taviron
