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
void SetConnectedLayout(Exchange& exchange, Monitoring& monitor) {
  ApplyLayout(monitor.view, true);
  exchange.frontend().MainViewChanged();
}
void SetDisconnectedLayout(Exchange& exchange, Monitoring& monitor) {
  ApplyLayout(monitor.view, false);
  exchange.frontend().MainViewChanged();
}

void ShowLinkState(Exchange& exchange, Monitoring& monitor) {
  if (!ApplyLinkState(monitor.view, exchange.link.LinkState)) return;
  if (exchange.link.SwitchInLoader) OfferRestoration(monitor.view);
  exchange.frontend().MainViewChanged();
}

namespace {

// The sentinel test: "77777777" means the port setting was never obtained (or every port
// reports a communication error).
bool CheckPortSetting(Exchange& exchange, const Monitoring& monitor, const Failure& failure) {
  if (monitor.status.PortErrors != kPortErrorsUnread) return false;
  exchange.Report(failure);
  return true;
}

void ShowPortErrors(Exchange& exchange, Monitoring& monitor) {
  GetPortErrors(exchange, monitor.status);
  const std::string& errors = monitor.status.PortErrors;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount) && n < errors.size(); ++n) {
    if (errors[n] == '0') continue;
    std::optional<std::string_view> message = PortErrorMessageOf(errors[n]);
    if (!message) continue;
    monitor.view.Lb_link[n] = *message;
    monitor.view.Lb_dup[n].clear();
    exchange.log.WriteErrLog("0000000" + std::string(1, errors[n]) + "   ", 1);
    exchange.log.WriteErrLog(
        "PORT" + std::to_string(n + 1) + ":" + monitor.view.Lb_link[n] + "\r\n", 0);
  }
}

}  // namespace

void PreselectPortLists(Monitoring& monitor) {
  const std::string& config = monitor.status.PortConfig;
  for (std::size_t n = 0; n < static_cast<std::size_t>(kPortCount) && n < config.size(); ++n) {
    // A digit outside the six modes would select no item; such a list keeps its selection.
    if (config[n] >= '1' && config[n] <= '6') monitor.portSelection[n] = config[n] - '1';
  }
}

void RefreshAll(Exchange& exchange, Monitoring& monitor) {
  MainView& v = monitor.view;
  v.Lb_fw_ver = GetFirmwareVersion(exchange);
  UpdateSaveMenu(exchange, monitor);
  v.Lb_th_count = GetDischargeElement(exchange);

  v.Lb_fw_state.clear();
  v.Lb_err_code.clear();
  v.Lb_err_mes1.clear();
  monitor.status.FwErrorMessage.clear();
  v.Label6Visible = false;
  GetFirmwareError(exchange, monitor.status);
  ShowSwitchStatus(v, monitor.status.FwErrorCode, monitor.status.FwErrorMessage);

  GetRelayState(exchange, monitor.status);
  ShowRelayState(exchange, monitor);

  ShowPortRowsUnknown(v);
  GetPortConfig(exchange, monitor.status);
  if (monitor.status.PortConfig != kNoPortConfig) {
    ShowPortModes(v, monitor.status.PortConfig);
    PreselectPortLists(monitor);
  }
  ShowPortErrors(exchange, monitor);
  UpdateLogMenu(exchange, monitor);
  ShowLinkState(exchange, monitor);
}

void ShowDisconnectedValues(Exchange& exchange, Monitoring& monitor) {
  ShowPlaceholders(monitor.view);
  ShowLinkState(exchange, monitor);
}

void ShowRelayState(Exchange& exchange, Monitoring& monitor) {
  monitor.view.Lb_relay = RelayText(monitor.status.RelayState);
  exchange.frontend().MainViewChanged();
}

void RefreshAndCheck(Exchange& exchange, Monitoring& monitor) {
  RefreshAll(exchange, monitor);
  CheckPortSetting(exchange, monitor, failure::kPortSettingUnknownOnRefresh);
}

void FormShow(Exchange& exchange, Monitoring& monitor) {
  if (exchange.link.LinkState == kLinkDisconnect ||
      exchange.link.LinkState == kLinkConnectingFailure) {
    ShowDisconnectedValues(exchange, monitor);
  } else {
    RefreshAll(exchange, monitor);
  }
}

void FormActivate(Exchange& exchange, Monitoring& monitor) {
  CheckPortSetting(exchange, monitor, failure::kPortSettingUnknownOnActivate);
}

void UpdateLogMenu(Exchange& exchange, Monitoring& monitor) {
  monitor.view.menuEnableGetError = exchange.log.LogEnabled != 1;
  monitor.view.menuDisableGetError = exchange.log.LogEnabled == 1;
  exchange.frontend().MainViewChanged();
}

void UpdateSaveMenu(Exchange& exchange, Monitoring& monitor) {
  monitor.view.menuSave = exchange.link.SwitchAnswered == 1;
  exchange.frontend().MainViewChanged();
}

}  // namespace taviron
