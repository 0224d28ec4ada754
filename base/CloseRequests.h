#pragma once

namespace taviron {

// Ctrl+C, a request to terminate (SIGINT, SIGTERM) and, on Windows, closing the console window
// ask the program to end at its next check (the window program closes its main window as its
// Close command does, a watch stops and releases the port) instead of ending the process in the
// middle of an exchange with the switch. Each platform defines these.
void WatchCloseRequests();
bool CloseRequested();

}  // namespace taviron
