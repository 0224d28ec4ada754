#pragma once

#include "monitor/Monitoring.h"

namespace taviron {

// Queries the switch and fills every value of the main window, then the log menu and the link
// state display. Never stops early.
void RefreshAll(const Monitoring& c);
// Placeholders in every value, then the link state display.
void ShowDisconnectedValues(const Monitoring& c);
// Status bar text and command layout for the current LinkState.
void ShowLinkState(const Monitoring& c);
void SetConnectedLayout(const Monitoring& c);
void SetDisconnectedLayout(const Monitoring& c);
// Relay label from RelayState.
void ShowRelayState(const Monitoring& c);
// "Enable Get Error" exactly when logging is off, "Disable Get Error" exactly when it is on.
void UpdateLogMenu(const Monitoring& c);
// File > Save exactly when the switch answered the greeting.
void UpdateSaveMenu(const Monitoring& c);
// Refresh, then tell the operator when the port setting could not be obtained.
void RefreshAndCheck(const Monitoring& c);
// Preselects the Port Setting dialog's lists from PortConfig; unknown ports keep theirs.
void PreselectPortLists(const Monitoring& c);

// The main window was shown, or became the active window.
void FormShow(const Monitoring& c);
void FormActivate(const Monitoring& c);

}  // namespace taviron
