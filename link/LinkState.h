#pragma once

namespace taviron {

// Values of LinkState, the connection state of the main window; the status bar follows them.
enum : int {
  kLinkDisconnect = 1,
  kLinkConnecting = 2,
  kLinkConnected = 3,
  kLinkCommunicationFailure = 4,
  kLinkConnectingFailure = 5,
  kLinkFirmwareUpdateFailure = 6,
};

}  // namespace taviron
