#include "config/DefaultSetting.h"

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"
#include "session/SwitchReset.h"

namespace taviron {
namespace {

constexpr std::string_view kQuestion = "Do you want to apply to default setting?";
constexpr std::string_view kWorking = "Default Setting......";
constexpr std::string_view kDone = "Default setting was finished.";
constexpr std::string_view kDoneCaption = "Finished Default Setting";

void Fail(Exchange& exchange, const Failure& failure) {
  exchange.Report(failure);
}

}  // namespace

void DefaultSettingCommand(Exchange& exchange, Monitoring& monitor,
                           DefaultSettingState& defaultSetting) {
  defaultSetting.DefaultSetDone = 0;
  exchange.frontend().ShowDialog(Dialog::kDefaultSetting);
  if (defaultSetting.DefaultSetDone == 1) RefreshAll(exchange, monitor);
}

void FactSetShow(DefaultSettingState& defaultSetting) {
  defaultSetting.factSet.Label1 = kQuestion;
  defaultSetting.factSet.Label4.clear();
  defaultSetting.factSet.buttonsVisible = true;
}

void FactSetYes(Exchange& exchange, Monitoring& monitor, Access& access,
                DefaultSettingState& defaultSetting) {
  defaultSetting.factSet.Label1.clear();
  defaultSetting.factSet.Label4 = kWorking;
  exchange.frontend().ProcessMessages();  // the new text shows before the long wait
  defaultSetting.factSet.buttonsVisible = false;
  exchange.frontend().DialogChanged(Dialog::kDefaultSetting);  // and the buttons go at once
  Transfer t(exchange.link);
  if (!t.Send(command::kFactoryDefault.text)) return Fail(exchange, failure::kDefaultNotSent);
  exchange.clock().Sleep(command::kFactoryDefault.pause);
  if (!t.Receive(command::kFactoryDefault.replyBytes))
    return Fail(exchange, failure::kDefaultNoReply);
  if (t.ByteAt(command::kFactoryDefault.verdictIndex) != '0')
    return Fail(exchange, failure::kDefaultRefused);
  ResetSwitch(exchange, monitor, access);
  defaultSetting.DefaultSetDone = 1;
  exchange.frontend().MessageBox(kDone, kDoneCaption);
}

}  // namespace taviron
