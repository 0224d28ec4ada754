#pragma once

namespace taviron::cli {

// Ctrl+C, a request to terminate and, on Windows, closing the console window ask the running
// command to end at its next check (watch stops and releases the port) instead of ending the
// process in the middle of an exchange with the switch. Each platform defines these.
void WatchCloseRequests();
bool CloseRequested();

}  // namespace taviron::cli
