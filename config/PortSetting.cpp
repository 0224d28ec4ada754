#include "config/PortSetting.h"

#include <string>

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/StatusTables.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {

constexpr std::string_view kDoneText = "Setting the port configuration was successful.";
constexpr std::string_view kDoneCaption = "Port Setting was Complete";
constexpr std::string_view kErrorCaption = "Setting Error";

}  // namespace

int SendPortSettings(Exchange& exchange, const StatusValues& status) {
  int result = 0;
  for (int i = 0; i < kPortCount; ++i) {
    const std::size_t n = static_cast<std::size_t>(i);
    char code = n < status.PortConfig.size() ? status.PortConfig[n] : 'F';
    std::string line = std::string(command::kPortSet.text) + std::to_string(i) + " " + code +
                       std::string(kLineEnd);
    Transfer t(exchange.link);
    if (!t.Send(line)) {
      exchange.Report(failure::kPortSetNotSent);
      return 1;
    }
    exchange.clock().Sleep(command::kPortSet.pause);
    if (!t.Receive(command::kPortSet.replyBytes)) {
      exchange.Report(failure::kPortSetNoReply);
      return 1;
    }
    if (t.ByteAt(command::kPortSet.verdictIndex) != '0') result = 1;
  }
  return result;
}

void PortSettingCommand(Exchange& exchange, Monitoring& monitor, PortSettingState& portSetting) {
  portSetting.PortSetDone = 0;
  exchange.frontend().ShowDialog(Dialog::kPortSetting);
  if (portSetting.PortSetDone == 1) RefreshAll(exchange, monitor);
}

void PortSetShow(Monitoring& monitor) {
  PreselectPortLists(monitor);
}

bool PortSetOk(Exchange& exchange, Monitoring& monitor, PortSettingState& portSetting) {
  // A list without a selection has no code to send: say which, and send nothing.
  for (int n = 0; n < kPortCount; ++n) {
    int item = monitor.portSelection[static_cast<std::size_t>(n)];
    if (item < 0 || item >= static_cast<int>(std::size(kPortCodeTable))) {
      exchange.frontend().MessageBox(
          "Choose the speed and duplex of port #" + std::to_string(n + 1) + ".", kErrorCaption);
      return false;
    }
  }
  std::string codes;
  for (int item : monitor.portSelection)
    codes += kPortCodeTable[item].switchCode;
  monitor.status.PortConfig = codes;
  int result = SendPortSettings(exchange, monitor.status);
  monitor.status.PortConfig = ConvertPortCodes(monitor.status.PortConfig, kSwitchToDisplay);
  if (result == 0) {
    exchange.frontend().MessageBox(kDoneText, kDoneCaption);
    portSetting.PortSetDone = 1;
    return true;
  }
  exchange.Report(failure::kPortSetRefused);
  return false;
}

}  // namespace taviron
