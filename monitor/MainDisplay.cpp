#include "monitor/MainDisplay.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/StatusTables.h"
#include "monitor/StatusQueries.h"
#include "views/MainLayout.h"

namespace taviron {
void SetConnectedLayout(const Monitoring& c) {
  ApplyLayout(c.view, true);
  c.frontend.MainViewChanged();
}
void SetDisconnectedLayout(const Monitoring& c) {
  ApplyLayout(c.view, false);
  c.frontend.MainViewChanged();
}

void ShowLinkState(const Monitoring& c) {
  if (ApplyLinkState(c.view, c.link.LinkState)) c.frontend.MainViewChanged();
}

namespace {

// The sentinel test: "77777777" means the port setting was never obtained (or every port
// reports a communication error).
bool CheckPortSetting(const Monitoring& c, const Failure& failure) {
  if (c.status.PortErrors != kPortErrorsUnread) return false;
  c.portSettingBoxShown = true;
  c.Report(failure);
  return true;
}

void ShowPortErrors(const Monitoring& c) {
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

void PreselectPortLists(const Monitoring& c) {
  const std::string& config = c.status.PortConfig;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount) && n < config.size(); ++n) {
    // A digit outside the six modes would select no item; such a list keeps its selection.
    if (config[n] >= '1' && config[n] <= '6') c.portSelection[n] = config[n] - '1';
  }
}

void RefreshAll(const Monitoring& c) {
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
  ShowSwitchStatus(v, c.status.FwErrorCode, c.status.FwErrorMessage);

  GetRelayState(c);
  ShowRelayState(c);

  ShowPortRowsUnknown(v);
  GetPortConfig(c);
  if (c.status.PortConfig != kNoPortConfig) {
    ShowPortModes(v, c.status.PortConfig);
    PreselectPortLists(c);
  }
  ShowPortErrors(c);
  UpdateLogMenu(c);
  ShowLinkState(c);
}

void ShowDisconnectedValues(const Monitoring& c) {
  ShowPlaceholders(c.view);
  ShowLinkState(c);
}

void ShowRelayState(const Monitoring& c) {
  c.view.Lb_relay = RelayText(c.status.RelayState);
  c.frontend.MainViewChanged();
}

void RefreshAndCheck(const Monitoring& c) {
  RefreshAll(c);
  CheckPortSetting(c, failure::kPortSettingUnknownOnRefresh);
}

void FormShow(const Monitoring& c) {
  if (c.link.LinkState == kLinkDisconnect || c.link.LinkState == kLinkConnectingFailure) {
    ShowDisconnectedValues(c);
  } else {
    RefreshAll(c);
  }
}

void FormActivate(const Monitoring& c) {
  if (c.portSettingBoxShown) {
    c.portSettingBoxShown = false;  // this activation is the box closing
    return;
  }
  CheckPortSetting(c, failure::kPortSettingUnknownOnActivate);
}

void UpdateLogMenu(const Monitoring& c) {
  c.view.menuEnableGetError = c.log.LogEnabled != 1;
  c.view.menuDisableGetError = c.log.LogEnabled == 1;
  c.frontend.MainViewChanged();
}

void UpdateSaveMenu(const Monitoring& c) {
  c.view.menuSave = c.SwitchAnswered == 1;
  c.frontend.MainViewChanged();
}

}  // namespace taviron
