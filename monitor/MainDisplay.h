#pragma once

#include "program/Configurator.h"

namespace taviron {

// Queries the switch and fills every value of the main window, then the log menu and the link
// state display. Never stops early.
void RefreshAll(Configurator& c);
// Placeholders in every value, then the link state display.
void ShowDisconnectedValues(Configurator& c);
// Status bar text and command layout for the current LinkState.
void ShowLinkState(Configurator& c);
void SetConnectedLayout(Configurator& c);
void SetDisconnectedLayout(Configurator& c);
// Relay label from RelayState.
void ShowRelayState(Configurator& c);
// "Enable Get Error" exactly when logging is off, "Disable Get Error" exactly when it is on.
void UpdateLogMenu(Configurator& c);
// File > Save exactly when the switch answered the greeting.
void UpdateSaveMenu(Configurator& c);
// Refresh, then tell the operator when the port setting could not be obtained.
void RefreshAndCheck(Configurator& c);
// Preselects the Port Setting dialog's lists from PortConfig; unknown ports keep theirs.
void PreselectPortLists(Configurator& c);

// The main window was shown, or became the active window.
void FormShow(Configurator& c);
void FormActivate(Configurator& c);

}  // namespace taviron
