#pragma once

#include <filesystem>

#include "base/ComPortAssignments.h"
#include "base/ErrorLog.h"
#include "base/SerialDevices.h"
#include "base/Settings.h"
#include "link/Exchange.h"

namespace taviron {

// The life of the program's connection beyond one exchange: whether the start-up ran, where the
// main window is kept, the directory of the settings files, the devices the COM names lead to,
// and where the serial devices are looked up (a test gives a tree of its own).
struct Session {
  int StartupDone = 0;
  WindowBounds mainWindowBounds{};
  std::filesystem::path settingsDirectory;
  ComPortAssignments comPorts{};
  DeviceRoots deviceRoots{};

  std::filesystem::path SettingsPath() const { return settingsDirectory / kSettingsFileName; }
  std::filesystem::path ComPortsPath() const { return settingsDirectory / kComPortsFileName; }
};

// Writes the session's COM port assignments to COMPORTS.INI; a file that cannot be written is
// reported in a box, and the assignments still hold for this run.
void KeepComPortAssignments(Exchange& exchange, const Session& session);

}  // namespace taviron
