#pragma once

#include <string_view>

#include "base/Failure.h"
#include "link/Exchange.h"

namespace taviron {

// The failure of an opening of the port: its box tells, after the usual text and a blank line,
// which device the name led to and why it did not open. The code and the log's record stay
// those of the failure.
void ReportPortOpenFailure(Exchange& exchange, const Failure& failure, std::string_view portName);

}  // namespace taviron
