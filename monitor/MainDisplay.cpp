#include "monitor/MainDisplay.h"

#include <string_view>

namespace taviron {
namespace {

struct LayoutRow {
  Command command;
  int disconnectedImage;
  bool disconnectedEnabled;
  int connectedImage;
  bool connectedEnabled;
};

// Each button's picture and state in the two layouts.
constexpr LayoutRow kLayout[] = {
    {Command::kConnect, 45, true, 51, false},        {Command::kDisconnect, 52, false, 47, true},
    {Command::kComPortSetting, 60, true, 53, false}, {Command::kPort, 54, false, 50, true},
    {Command::kDefaultSetting, 55, false, 48, true}, {Command::kUserPassword, 56, false, 49, true},
    {Command::kRefresh, 57, false, 46, true},        {Command::kReset, 59, false, 58, true},
};

void ApplyLayout(Configurator& c, bool connected) {
  MainView& v = c.view;
  for (const LayoutRow& row : kLayout) {
    CommandLook& look = v.Look(row.command);
    look.enabled = connected ? row.connectedEnabled : row.disconnectedEnabled;
    look.image = connected ? row.connectedImage : row.disconnectedImage;
  }
  v.menuConnect = !connected;
  v.menuDisconnect = connected;
  v.menuComPortSetting = !connected;
  v.menuView = connected;
  v.menuSetting = connected;
  v.menuMaintenance = connected;
  v.menuOpen = connected;
  v.menuSave = connected;
  c.frontend.MainViewChanged();
}

}  // namespace

void SetConnectedLayout(Configurator& c) {
  ApplyLayout(c, true);
}
void SetDisconnectedLayout(Configurator& c) {
  ApplyLayout(c, false);
}

void ShowLinkState(Configurator& c) {
  struct Row {
    int state;
    std::string_view text;
    int layout;  // 0 unchanged, 1 disconnected, 2 connected
  };
  static constexpr Row kRows[] = {
      {kLinkDisconnect, "Disconnect", 1},
      {kLinkConnecting, "Connecting...", 0},
      {kLinkConnected, "Connected", 2},
      {kLinkCommunicationFailure, "Communication failure", 1},
      {kLinkConnectingFailure, "Connecting failure", 1},
      {kLinkFirmwareUpdateFailure, "Firmware Update failure", 0},
  };
  for (const Row& row : kRows) {
    if (row.state != c.link.LinkState) continue;
    c.view.statusText = row.text;
    if (row.layout == 1) SetDisconnectedLayout(c);
    if (row.layout == 2) SetConnectedLayout(c);
    c.frontend.MainViewChanged();
    return;
  }
}

void UpdateLogMenu(Configurator& c) {
  c.view.menuEnableGetError = c.log.LogEnabled != 1;
  c.view.menuDisableGetError = c.log.LogEnabled == 1;
  c.frontend.MainViewChanged();
}

void UpdateSaveMenu(Configurator& c) {
  c.view.menuSave = c.SwitchAnswered == 1;
  c.frontend.MainViewChanged();
}

}  // namespace taviron
