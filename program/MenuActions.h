#pragma once

#include "program/Configurator.h"

namespace taviron {

// The commands of the main window's menu and toolbar that act on the switch directly.

// Setting > Reset: the reset sequence, then a refresh whatever its outcome.
void ResetCommand(Configurator& c);
// Maintenance > Enable / Disable Get Error, behind the maintenance gate.
void EnableGetError(Configurator& c);
void DisableGetError(Configurator& c);
// Setting > User Password, COM Port > Setting, Help > TAVIRON Version: their dialogs.
void UserPasswordCommand(Configurator& c);
void ComPortSettingCommand(Configurator& c);
void AboutCommand(Configurator& c);
// Maintenance > Firmware Upgrade..., behind the maintenance gate.
void FirmwareUpgradeCommand(Configurator& c);
// Maintenance > Relay ON / Relay OFF, behind the maintenance gate.
void RelayOn(Configurator& c);
void RelayOff(Configurator& c);

}  // namespace taviron
