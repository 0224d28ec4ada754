#pragma once

#include "link/Exchange.h"
#include "monitor/StatusValues.h"
#include "views/ConfigWindows.h"
#include "views/MainView.h"

namespace taviron {

// What the status queries read the switch into.
struct StatusReading : Exchange {
  StatusValues& status;
};

// The main window's part: the values it shows and the state its display follows.
struct Monitoring : StatusReading {
  MainView& view;
  // The Port Setting dialog's lists, which a refresh preselects.
  PortSelection& portSelection;
  int& SwitchAnswered;
  // The main window showed "Failed to obtain the port setting." and has not been activated
  // since; the activation that follows that box does not show it again.
  bool& portSettingBoxShown;
};

}  // namespace taviron
