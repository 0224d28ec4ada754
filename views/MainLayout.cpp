#include "views/MainLayout.h"

#include "link/LinkState.h"
#include "link/StatusTables.h"

namespace taviron {
namespace {

constexpr std::string_view kCommunicationError = "Communication Error";

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

enum class Layout { kUnchanged, kDisconnected, kConnected };

struct LinkStateRow {
  int state;
  std::string_view text;
  Layout layout;
};

constexpr LinkStateRow kLinkStates[] = {
    {kLinkDisconnect, "Disconnect", Layout::kDisconnected},
    {kLinkConnecting, "Connecting...", Layout::kUnchanged},
    {kLinkConnected, "Connected", Layout::kConnected},
    {kLinkCommunicationFailure, "Communication failure", Layout::kDisconnected},
    {kLinkConnectingFailure, "Connecting failure", Layout::kDisconnected},
    {kLinkFirmwareUpdateFailure, "Firmware Update failure", Layout::kUnchanged},
};

}  // namespace

void ApplyLayout(MainView& v, bool connected) {
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
  v.menuFirmwareItems = connected;
  v.menuOpen = connected;
  v.menuSave = connected;
}

MainView AsShown(const MainView& view, bool busy) {
  MainView shown = view;
  if (!busy) return shown;
  for (const LayoutRow& row : kLayout) {
    // The greyed picture is the one of the layout that disables the button.
    shown.Look(row.command) = {
        false, row.disconnectedEnabled ? row.connectedImage : row.disconnectedImage};
  }
  for (bool* menu :
       {&shown.menuConnect, &shown.menuDisconnect, &shown.menuComPortSetting, &shown.menuView,
        &shown.menuSetting, &shown.menuMaintenance, &shown.menuOpen, &shown.menuSave,
        &shown.menuEnableGetError, &shown.menuDisableGetError, &shown.menuAbout}) {
    *menu = false;
  }
  return shown;
}

bool RunsActivationHandler(bool firstActivation, ActivatedFrom from) {
  return firstActivation || from == ActivatedFrom::kProgramDialog;
}

bool ApplyLinkState(MainView& v, int linkState) {
  for (const LinkStateRow& row : kLinkStates) {
    if (row.state != linkState) continue;
    v.statusText = row.text;
    if (row.layout != Layout::kUnchanged) ApplyLayout(v, row.layout == Layout::kConnected);
    return true;
  }
  return false;
}

void OfferRestoration(MainView& v) {
  v.menuMaintenance = true;
  v.menuFirmwareItems = false;
}

std::string_view RelayText(std::string_view relay) {
  return relay == "1" ? "ON" : relay == "0" ? "OFF" : "----";
}

void ShowPortRowsUnknown(MainView& v) {
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
    v.Lb_link[n] = kCommunicationError;
    v.Lb_dup[n].clear();
  }
}

void ShowPortModes(MainView& v, std::string_view portConfig) {
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount) && n < portConfig.size(); ++n) {
    const PortMode* mode = FindByDisplayCode(portConfig[n]);
    if (mode == nullptr) continue;
    v.Lb_link[n] = mode->speed;
    v.Lb_dup[n] = mode->duplex;
  }
}

void ShowSwitchStatus(MainView& v, const std::string& code, const std::string& message) {
  v.Lb_err_code.clear();
  v.Lb_err_mes1.clear();
  v.Label6Visible = false;
  if (code == "0000") {
    v.Lb_fw_state = "Normal";
  } else if (code == "----" || code == "FFFF") {
    v.Lb_fw_state = "----";
  } else {
    v.Label6Visible = true;
    v.Lb_fw_state = "Abnormal";
    v.Lb_err_code = "00" + code;
    v.Lb_err_mes1 = message;
  }
}

void ShowPlaceholders(MainView& v) {
  v.Lb_fw_ver = "--.--";
  v.Lb_th_count = "----";
  v.Lb_fw_state = "----";
  v.Lb_err_code.clear();
  v.Lb_err_mes1.clear();
  v.Label6Visible = false;
  v.Lb_relay = "---";
  ShowPortRowsUnknown(v);
}

}  // namespace taviron
