#pragma once

#include <string>

#include "program/Configurator.h"

namespace taviron {

// Admits a maintenance action: at once when the maintenance password was confirmed since the
// last connection (or the operator logged in with it), otherwise after asking for it.
bool MaintenanceGate(Configurator& c);

// Tsuper_pass_in: shown, and its OK with the typed text; true when the window closes admitted.
void SuperPassInShow(Configurator& c);
bool SuperPassInOk(Configurator& c, const std::string& typed);

}  // namespace taviron
