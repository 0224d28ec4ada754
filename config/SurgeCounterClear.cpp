#include "config/SurgeCounterClear.h"

#include "access/Maintenance.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {

constexpr std::string_view kCaption = "Discharge Element: Clearing Failure";
constexpr std::string_view kNotSent = "Failed to send Clear command.";
constexpr std::string_view kNoReply = "Failed to receive the response of Clear Command.";
constexpr std::string_view kNotCleared = "Failed to clear discharge element information.";

}  // namespace

void SurgeCounterClearCommand(const SurgeClearState& c) {
  if (!MaintenanceGate(c)) return;
  c.frontend.ShowDialog(Dialog::kSurgeCounterClear);
  if (c.SurgeClearDone == 1) RefreshAll(c);
}

void ThClearYes(const SurgeClearState& c) {
  Transfer t(c.link);
  if (!t.Send(command::kSurgeClear.text)) return c.Report(kNotSent, kCaption, 10230501);
  c.clock.Sleep(command::kSurgeClear.pause);
  if (!t.Receive(command::kSurgeClear.replyBytes)) return c.Report(kNoReply, kCaption, 10230502);
  if (t.ReplyAt(command::kSurgeClear.verdictIndex) != '0')
    return c.Report(kNotCleared, kCaption, 10230503);
  c.SurgeClearDone = 1;
}

}  // namespace taviron
