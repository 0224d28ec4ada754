#include "config/SurgeCounterClear.h"

#include "access/Maintenance.h"
#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"

namespace taviron {
namespace {}  // namespace

void SurgeCounterClearCommand(const SurgeClearState& c) {
  if (!MaintenanceGate(c)) return;
  c.frontend.ShowDialog(Dialog::kSurgeCounterClear);
  if (c.SurgeClearDone == 1) RefreshAll(c);
}

void ThClearYes(const SurgeClearState& c) {
  Transfer t(c.link);
  if (!t.Send(command::kSurgeClear.text)) return c.Report(failure::kSurgeClearNotSent);
  c.clock.Sleep(command::kSurgeClear.pause);
  if (!t.Receive(command::kSurgeClear.replyBytes)) return c.Report(failure::kSurgeClearNoReply);
  if (t.ByteAt(command::kSurgeClear.verdictIndex) != '0')
    return c.Report(failure::kSurgeClearRefused);
  c.SurgeClearDone = 1;
}

}  // namespace taviron
