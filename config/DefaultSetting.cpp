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

void Fail(const DefaultSettingState& c, const Failure& failure) {
  c.Report(failure);
}

}  // namespace

void DefaultSettingCommand(const DefaultSettingState& c) {
  c.DefaultSetDone = 0;
  c.frontend.ShowDialog(Dialog::kDefaultSetting);
  if (c.DefaultSetDone == 1) RefreshAll(c);
}

void FactSetShow(const DefaultSettingState& c) {
  c.factSet.Label1 = kQuestion;
  c.factSet.Label4.clear();
  c.factSet.buttonsVisible = true;
}

void FactSetYes(const DefaultSettingState& c) {
  c.factSet.Label1.clear();
  c.factSet.Label4 = kWorking;
  c.frontend.ProcessMessages();  // the new text shows before the long wait
  c.factSet.buttonsVisible = false;
  c.frontend.DialogChanged(Dialog::kDefaultSetting);  // and the buttons go at once
  Transfer t(c.link);
  if (!t.Send(command::kFactoryDefault.text)) return Fail(c, failure::kDefaultNotSent);
  c.clock.Sleep(command::kFactoryDefault.pause);
  if (!t.Receive(command::kFactoryDefault.replyBytes)) return Fail(c, failure::kDefaultNoReply);
  if (t.ByteAt(command::kFactoryDefault.verdictIndex) != '0')
    return Fail(c, failure::kDefaultRefused);
  ResetSwitch(c);
  c.DefaultSetDone = 1;
  c.frontend.MessageBox(kDone, kDoneCaption);
}

}  // namespace taviron
