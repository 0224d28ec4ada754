#pragma once

#include <filesystem>

#include "base/ComPortAssignments.h"
#include "base/ErrorLog.h"
#include "base/Settings.h"

namespace taviron {

// The life of the program's connection beyond one exchange: whether the start-up ran, where the
// main window is kept, the directory of the settings files, and the devices the COM names lead
// to.
struct Session {
  int StartupDone = 0;
  WindowBounds mainWindowBounds{};
  std::filesystem::path settingsDirectory;
  ComPortAssignments comPorts{};

  std::filesystem::path SettingsPath() const { return settingsDirectory / kSettingsFileName; }
  std::filesystem::path ComPortsPath() const { return settingsDirectory / kComPortsFileName; }
};

}  // namespace taviron
