#pragma once

#include <string>

#include "access/Access.h"

namespace taviron {

// Admits a maintenance action: at once when the maintenance password was confirmed since the
// last connection (or the operator logged in with it), otherwise after asking for it.
bool MaintenanceGate(const Access& c);

// Tsuper_pass_in: shown, and its OK with the typed text; true when the window closes admitted.
void SuperPassInShow(const Access& c);
bool SuperPassInOk(const Access& c, const std::string& typed);

}  // namespace taviron
