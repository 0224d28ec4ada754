#pragma once

#include "monitor/StatusValues.h"
#include "views/ConfigWindows.h"
#include "views/MainView.h"

namespace taviron {

// The main window's state: what the status queries read from the switch, what the window shows,
// and the Port Setting dialog's lists, which a refresh preselects.
struct Monitoring {
  StatusValues status;
  MainView view;
  PortSelection portSelection{-1, -1, -1, -1, -1, -1, -1, -1};
};

}  // namespace taviron
