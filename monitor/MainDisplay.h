#pragma once

#include "link/Exchange.h"
#include "monitor/Monitoring.h"

namespace taviron {

// Queries the switch and fills every value of the main window, then the log menu and the link
// state display. Never stops early.
void RefreshAll(Exchange& exchange, Monitoring& monitor);
// Placeholders in every value, then the link state display.
void ShowDisconnectedValues(Exchange& exchange, Monitoring& monitor);
// Status bar text and command layout for the current LinkState.
void ShowLinkState(Exchange& exchange, Monitoring& monitor);
void SetConnectedLayout(Exchange& exchange, Monitoring& monitor);
void SetDisconnectedLayout(Exchange& exchange, Monitoring& monitor);
// Relay label from RelayState.
void ShowRelayState(Exchange& exchange, Monitoring& monitor);
// "Enable Get Error" exactly when logging is off, "Disable Get Error" exactly when it is on.
void UpdateLogMenu(Exchange& exchange, Monitoring& monitor);
// File > Save exactly when the switch answered the greeting.
void UpdateSaveMenu(Exchange& exchange, Monitoring& monitor);
// Refresh, then tell the operator when the port setting could not be obtained.
void RefreshAndCheck(Exchange& exchange, Monitoring& monitor);
// Preselects the Port Setting dialog's lists from PortConfig; unknown ports keep theirs.
void PreselectPortLists(Monitoring& monitor);

// The main window was shown, or became the active window.
void FormShow(Exchange& exchange, Monitoring& monitor);
void FormActivate(Exchange& exchange, Monitoring& monitor);

}  // namespace taviron
