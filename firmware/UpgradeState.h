#pragma once

#include "session/Session.h"
#include "views/FirmwareWindow.h"

namespace taviron {

// The firmware upgrade dialog's part: it reconnects to the restarted switch, so the session's.
struct UpgradeState : Session {
  FirmwareWindow& fwUpdate;  // Tfw_update
};

}  // namespace taviron
