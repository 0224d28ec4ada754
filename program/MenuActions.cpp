#include "program/MenuActions.h"

#include "access/Maintenance.h"
#include "config/ConfigFile.h"
#include "monitor/MainDisplay.h"
#include "monitor/StatusQueries.h"
#include "session/ConnectionLifecycle.h"
#include "session/Startup.h"
#include "session/SwitchReset.h"

namespace taviron {

void MainWindowCreated(Configurator& c) {
  RunStartup(c.exchange, c.monitor, c.access, c.session);
}

void MainWindowShown(Configurator& c) {
  FormShow(c.exchange, c.monitor);
}

void MainWindowActivated(Configurator& c) {
  FormActivate(c.exchange, c.monitor);
}

void MainWindowClosed(Configurator& c, const WindowBounds& currentBounds) {
  RunShutdown(c.exchange, c.session, currentBounds);
}

void FileOpenCommand(Configurator& c) {
  FileOpenCommand(c.exchange, c.monitor);
}

void FileSaveCommand(Configurator& c) {
  FileSaveCommand(c.exchange, c.monitor);
}

void RefreshCommand(Configurator& c) {
  RefreshAndCheck(c.exchange, c.monitor);
}

void PortSettingCommand(Configurator& c) {
  PortSettingCommand(c.exchange, c.monitor, c.portSetting);
}

void DefaultSettingCommand(Configurator& c) {
  DefaultSettingCommand(c.exchange, c.monitor, c.defaultSetting);
}

void ResetCommand(Configurator& c) {
  ResetSwitch(c.exchange, c.monitor, c.access);
  RefreshAll(c.exchange, c.monitor);
}

void ConnectCommand(Configurator& c) {
  ConnectSwitch(c.exchange, c.monitor, c.access);
}

void DisconnectCommand(Configurator& c) {
  DisconnectSwitch(c.exchange, c.monitor);
}

void EnableGetError(Configurator& c) {
  if (MaintenanceGate(c.exchange, c.access)) SwitchLoggingOn(c.exchange, c.monitor);
}

void DisableGetError(Configurator& c) {
  if (MaintenanceGate(c.exchange, c.access)) SwitchLoggingOff(c.exchange, c.monitor);
}

void UserPasswordCommand(Configurator& c) {
  c.exchange.frontend().ShowDialog(Dialog::kUserPassword);
}

void ComPortSettingCommand(Configurator& c) {
  c.exchange.frontend().ShowDialog(Dialog::kComPortSetting);
}

void AboutCommand(Configurator& c) {
  c.exchange.frontend().ShowDialog(Dialog::kAbout);
}

void FirmwareUpgradeCommand(Configurator& c) {
  if (!MaintenanceGate(c.exchange, c.access)) return;
  c.exchange.frontend().ShowDialog(Dialog::kFirmwareUpgrade);
  // The upload leaves its outcome in LinkState ("Firmware Update failure" among them).
  ShowLinkState(c.exchange, c.monitor);
}

void SurgeCounterClearCommand(Configurator& c) {
  SurgeCounterClearCommand(c.exchange, c.monitor, c.access, c.surgeClear);
}

void MacAddressCommand(Configurator& c) {
  MacAddressCommand(c.exchange, c.access, c.macAddress);
}

void RelayOn(Configurator& c) {
  if (!MaintenanceGate(c.exchange, c.access)) return;
  SetRelayState(c.exchange, c.monitor.status, "1");
  ShowRelayState(c.exchange, c.monitor);
}

void RelayOff(Configurator& c) {
  if (!MaintenanceGate(c.exchange, c.access)) return;
  SetRelayState(c.exchange, c.monitor.status, "0");
  ShowRelayState(c.exchange, c.monitor);
}

}  // namespace taviron
