#pragma once

#include <filesystem>

#include "access/Access.h"
#include "base/ComPortAssignments.h"
#include "base/Settings.h"

namespace taviron {

// The life of the connection: the start-up's state, the greeting's outcome, where the main
// window is kept, the directory of the settings files, and the devices the COM names lead to.
struct Session : Access {
  int& StartupDone;
  char& SwitchMode;
  WindowBounds& mainWindowBounds;
  const std::filesystem::path& settingsDirectory;
  ComPortAssignments& comPorts;

  std::filesystem::path SettingsPath() const { return settingsDirectory / kSettingsFileName; }
  std::filesystem::path ComPortsPath() const { return settingsDirectory / kComPortsFileName; }
};

}  // namespace taviron
