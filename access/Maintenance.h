#pragma once

#include <string>

#include "access/Access.h"
#include "link/Exchange.h"

namespace taviron {

// Admits a maintenance action: at once when the maintenance password was confirmed since the
// last connection (or the operator logged in with it), otherwise after asking for it.
bool MaintenanceGate(Exchange& exchange, Access& access);

// Tsuper_pass_in: shown, and its OK with the typed text; true when the window closes admitted.
// The switch confirms the password, unless it waits in its ROM loader.
void SuperPassInShow(Access& access);
bool SuperPassInOk(Exchange& exchange, Access& access, const std::string& typed);

}  // namespace taviron
