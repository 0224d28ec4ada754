#include "program/MenuActions.h"

#include "access/Maintenance.h"
#include "monitor/MainDisplay.h"
#include "monitor/StatusQueries.h"
#include "session/Startup.h"
#include "session/SwitchReset.h"

namespace taviron {

void ResetCommand(Configurator& c) {
  ResetSwitch(c);
  RefreshAll(c);
}

void EnableGetError(Configurator& c) {
  if (MaintenanceGate(c)) SwitchLoggingOn(c);
}

void DisableGetError(Configurator& c) {
  if (MaintenanceGate(c)) SwitchLoggingOff(c);
}

void UserPasswordCommand(Configurator& c) {
  c.frontend.ShowDialog(Dialog::kUserPassword);
}

void ComPortSettingCommand(Configurator& c) {
  c.frontend.ShowDialog(Dialog::kComPortSetting);
}

void AboutCommand(Configurator& c) {
  c.frontend.ShowDialog(Dialog::kAbout);
}

void FirmwareUpgradeCommand(Configurator& c) {
  if (!MaintenanceGate(c)) return;
  c.frontend.ShowDialog(Dialog::kFirmwareUpgrade);
  // The upload leaves its outcome in LinkState ("Firmware Update failure" among them).
  ShowLinkState(c);
}

void RelayOn(Configurator& c) {
  if (!MaintenanceGate(c)) return;
  SetRelayState(c, "1");
  ShowRelayState(c);
}

void RelayOff(Configurator& c) {
  if (!MaintenanceGate(c)) return;
  SetRelayState(c, "0");
  ShowRelayState(c);
}

}  // namespace taviron
