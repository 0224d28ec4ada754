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

int SendPortSettings(const StatusReading& c) {
  int result = 0;
  for (int i = 0; i < kPortCount; ++i) {
    const std::size_t n = static_cast<std::size_t>(i);
    char code = n < c.status.PortConfig.size() ? c.status.PortConfig[n] : 'F';
    std::string line = std::string(command::kPortSet.text) + std::to_string(i) + " " + code +
                       std::string(kLineEnd);
    Transfer t(c.link);
    if (!t.Send(line)) {
      c.Report(failure::kPortSetNotSent);
      return 1;
    }
    c.clock.Sleep(command::kPortSet.pause);
    if (!t.Receive(command::kPortSet.replyBytes)) {
      c.Report(failure::kPortSetNoReply);
      return 1;
    }
    if (t.ByteAt(command::kPortSet.verdictIndex) != '0') result = 1;
  }
  return result;
}

void PortSettingCommand(const PortSettingState& c) {
  c.PortSetDone = 0;
  c.frontend.ShowDialog(Dialog::kPortSetting);
  if (c.PortSetDone == 1) RefreshAll(c);
}

void PortSetShow(const PortSettingState& c) {
  PreselectPortLists(c);
}

bool PortSetOk(const PortSettingState& c) {
  // A list without a selection has no code to send: say which, and send nothing.
  for (int n = 0; n < kPortCount; ++n) {
    int item = c.portSelection[static_cast<std::size_t>(n)];
    if (item < 0 || item >= static_cast<int>(std::size(kPortCodeTable))) {
      c.frontend.MessageBox("Choose the speed and duplex of port #" + std::to_string(n + 1) + ".",
                            kErrorCaption);
      return false;
    }
  }
  std::string codes;
  for (int item : c.portSelection)
    codes += kPortCodeTable[item].switchCode;
  c.status.PortConfig = codes;
  int result = SendPortSettings(c);
  c.status.PortConfig = ConvertPortCodes(c.status.PortConfig, kSwitchToDisplay);
  if (result == 0) {
    c.frontend.MessageBox(kDoneText, kDoneCaption);
    c.PortSetDone = 1;
    return true;
  }
  c.Report(failure::kPortSetRefused);
  return false;
}

}  // namespace taviron
