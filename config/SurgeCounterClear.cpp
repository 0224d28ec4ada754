#include "config/SurgeCounterClear.h"

#include "access/Maintenance.h"
#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"
#include "monitor/MainDisplay.h"

namespace taviron {
void SurgeCounterClearCommand(Exchange& exchange, Monitoring& monitor, Access& access,
                              SurgeClearState& surgeClear) {
  if (!MaintenanceGate(exchange, access)) return;
  exchange.frontend().ShowDialog(Dialog::kSurgeCounterClear);
  if (surgeClear.SurgeClearDone == 1) RefreshAll(exchange, monitor);
}

void ThClearYes(Exchange& exchange, SurgeClearState& surgeClear) {
  Transfer t(exchange.link);
  if (!t.Send(command::kSurgeClear.text)) return exchange.Report(failure::kSurgeClearNotSent);
  exchange.clock().Sleep(command::kSurgeClear.pause);
  if (!t.Receive(command::kSurgeClear.replyBytes))
    return exchange.Report(failure::kSurgeClearNoReply);
  if (t.ByteAt(command::kSurgeClear.verdictIndex) != '0')
    return exchange.Report(failure::kSurgeClearRefused);
  surgeClear.SurgeClearDone = 1;
}

}  // namespace taviron
