#pragma once

#include "app/Configurator.h"

namespace taviron {

// Status bar text and command layout for the current LinkState.
void ShowLinkState(Configurator& c);
void SetConnectedLayout(Configurator& c);
void SetDisconnectedLayout(Configurator& c);
// "Enable Get Error" exactly when logging is off, "Disable Get Error" exactly when it is on.
void UpdateLogMenu(Configurator& c);
// File > Save exactly when the switch answered the greeting.
void UpdateSaveMenu(Configurator& c);

}  // namespace taviron
