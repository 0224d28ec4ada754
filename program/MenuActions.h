#pragma once

#include "base/Settings.h"
#include "program/Configurator.h"

namespace taviron {

// What the main window does, as a front end calls it: each command of its menu and toolbar,
// and its creation, showing, activation and closing, on the whole program. Each hands its
// sequence the blocks that sequence works on; a front end needs nothing else to drive the main
// window. The dialogs these commands open call their own sequences with the blocks (see
// docs/architecture.md).

// The main window is created (the start-up sequence, once per run), shown, activated, and
// closed with the bounds it has (the shutdown sequence).
void MainWindowCreated(Configurator& c);
void MainWindowShown(Configurator& c);
void MainWindowActivated(Configurator& c);
void MainWindowClosed(Configurator& c, const WindowBounds& currentBounds);

// File > Open and File > Save: a configuration file.
void FileOpenCommand(Configurator& c);
void FileSaveCommand(Configurator& c);
// View > Refresh: a refresh, then a box when the port setting could not be obtained.
void RefreshCommand(Configurator& c);
// Setting > Port, Setting > Default Setting: their dialogs, then a refresh when they set.
void PortSettingCommand(Configurator& c);
void DefaultSettingCommand(Configurator& c);
// Setting > Reset: the reset sequence, then a refresh whatever its outcome.
void ResetCommand(Configurator& c);
// COM Port > Connect and Disconnect.
void ConnectCommand(Configurator& c);
void DisconnectCommand(Configurator& c);
// Maintenance > Enable / Disable Get Error, behind the maintenance gate.
void EnableGetError(Configurator& c);
void DisableGetError(Configurator& c);
// Setting > User Password, COM Port > Setting, Help > TAVIRON Version: their dialogs.
void UserPasswordCommand(Configurator& c);
void ComPortSettingCommand(Configurator& c);
void AboutCommand(Configurator& c);
// Maintenance > Firmware Upgrade..., Clear Surge Counter..., MAC Address...: their dialogs,
// behind the maintenance gate.
void FirmwareUpgradeCommand(Configurator& c);
void SurgeCounterClearCommand(Configurator& c);
void MacAddressCommand(Configurator& c);
// Maintenance > Relay ON / Relay OFF, behind the maintenance gate.
void RelayOn(Configurator& c);
void RelayOff(Configurator& c);

}  // namespace taviron
