#pragma once

#include <filesystem>

#include "access/Access.h"
#include "base/Settings.h"

namespace taviron {

// The life of the connection: the start-up's state, the greeting's outcome, where the main
// window is kept, and the directory of the settings file.
struct Session : Access {
  int& StartupDone;
  char& SwitchMode;
  WindowBounds& mainWindowBounds;
  const std::filesystem::path& filesDirectory;

  std::filesystem::path SettingsPath() const { return filesDirectory / kSettingsFileName; }
};

}  // namespace taviron
