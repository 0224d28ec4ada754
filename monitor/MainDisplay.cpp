#include "monitor/MainDisplay.h"

#include <optional>
#include <string>
#include <string_view>

#include "link/CommandTable.h"
#include "monitor/StatusQueries.h"
#include "monitor/StatusTables.h"

namespace taviron {
namespace {

constexpr std::string_view kCommunicationError = "Communication Error";
constexpr std::string_view kPortSettingFailed = "Failed to obtain the port setting.";
constexpr std::string_view kPortSettingCaption = "Port Configuration acquisition Error";
constexpr std::string_view kPortSettingLog =
    "Failed to obtain the port setting.(Hardware Error)\r\n";
constexpr std::uint32_t kCodePortSettingOnActivate = 10000120;
constexpr std::uint32_t kCodePortSettingOnRefresh = 10000121;

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

namespace {

// The sentinel test: "77777777" means the port setting was never obtained (or every port
// reports a communication error).
bool CheckPortSetting(Configurator& c, std::uint32_t code) {
  if (c.status.PortErrors != kPortErrorsUnread) return false;
  c.portSettingBoxShown = true;
  c.frontend.MessageBox(kPortSettingFailed, kPortSettingCaption);
  c.Record(code, kPortSettingLog);
  return true;
}

void ShowPortRowsUnknown(MainView& v) {
  for (int n = 0; n < kPortCount; ++n) {
    v.Lb_link[n] = kCommunicationError;
    v.Lb_dup[n].clear();
  }
}

void ShowPortErrors(Configurator& c) {
  GetPortErrors(c);
  const std::string& errors = c.status.PortErrors;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount) && n < errors.size(); ++n) {
    if (errors[n] == '0') continue;
    std::optional<std::string_view> message = PortErrorMessageOf(errors[n]);
    if (!message) continue;
    c.view.Lb_link[n] = *message;
    c.view.Lb_dup[n].clear();
    c.log.WriteErrLog("0000000" + std::string(1, errors[n]) + "   ", 1);
    c.log.WriteErrLog("PORT" + std::to_string(n + 1) + ":" + c.view.Lb_link[n] + "\r\n", 0);
  }
}

}  // namespace

void PreselectPortLists(Configurator& c) {
  const std::string& config = c.status.PortConfig;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount) && n < config.size(); ++n) {
    // A digit outside the six modes would select no item; such a list keeps its selection.
    if (config[n] >= '1' && config[n] <= '6') c.portSelection[n] = config[n] - '1';
  }
}

void RefreshAll(Configurator& c) {
  MainView& v = c.view;
  v.Lb_fw_ver = GetFirmwareVersion(c);
  UpdateSaveMenu(c);
  v.Lb_th_count = GetDischargeElement(c);

  v.Lb_fw_state.clear();
  v.Lb_err_code.clear();
  v.Lb_err_mes1.clear();
  c.status.FwErrorMessage.clear();
  v.Label6Visible = false;
  GetFirmwareError(c);
  const std::string& code = c.status.FwErrorCode;
  if (code == "0000") {
    v.Lb_fw_state = "Normal";
  } else if (code == kNoFwErrorCode || code == "FFFF") {
    v.Lb_fw_state = "----";
  } else {
    v.Label6Visible = true;
    v.Lb_fw_state = "Abnormal";
    v.Lb_err_code = "00" + code;
    v.Lb_err_mes1 = c.status.FwErrorMessage;
  }

  GetRelayState(c);
  ShowRelayState(c);

  ShowPortRowsUnknown(v);
  GetPortConfig(c);
  if (c.status.PortConfig != kNoPortConfig) {
    for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount); ++n) {
      const PortMode* mode =
          n < c.status.PortConfig.size() ? FindByDisplayCode(c.status.PortConfig[n]) : nullptr;
      if (mode == nullptr) continue;
      v.Lb_link[n] = mode->speed;
      v.Lb_dup[n] = mode->duplex;
    }
    PreselectPortLists(c);
  }
  ShowPortErrors(c);
  UpdateLogMenu(c);
  ShowLinkState(c);
}

void ShowDisconnectedValues(Configurator& c) {
  MainView& v = c.view;
  v.Lb_fw_ver = kNoFirmwareVersion;
  v.Lb_th_count = "----";
  v.Lb_fw_state = "----";
  v.Lb_err_code.clear();
  v.Lb_err_mes1.clear();
  v.Label6Visible = false;
  v.Lb_relay = "---";
  ShowPortRowsUnknown(v);
  ShowLinkState(c);
}

void ShowRelayState(Configurator& c) {
  const std::string& relay = c.status.RelayState;
  c.view.Lb_relay = relay == "1" ? "ON" : relay == "0" ? "OFF" : "----";
  c.frontend.MainViewChanged();
}

void RefreshAndCheck(Configurator& c) {
  RefreshAll(c);
  CheckPortSetting(c, kCodePortSettingOnRefresh);
}

void FormShow(Configurator& c) {
  if (c.link.LinkState == kLinkDisconnect || c.link.LinkState == kLinkConnectingFailure) {
    ShowDisconnectedValues(c);
  } else {
    RefreshAll(c);
  }
}

void FormActivate(Configurator& c) {
  if (c.portSettingBoxShown) {
    c.portSettingBoxShown = false;  // this activation is the box closing
    return;
  }
  CheckPortSetting(c, kCodePortSettingOnActivate);
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
