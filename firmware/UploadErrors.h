#pragma once

#include "base/Failure.h"
#include "link/Exchange.h"

namespace taviron {

// The error report of a failed step of the firmware upgrade (an entry of the failure table):
// message box, log record, the port's read time-outs back to those of an opened port, LinkState
// 6. The dialog stays open and the port as it is; the upload decides whether another attempt
// follows, and enables the dialog's buttons when it ends.
void ReportUploadError(Exchange& exchange, const Failure& failure);

}  // namespace taviron
