#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/ErrorLog.h"
#include "base/Failure.h"
#include "base/Frontend.h"
#include "link/SwitchLink.h"

namespace taviron {

// What every sequence talks to the switch and to the operator with: the link, the clock its
// waits run on, the windows, and the error log. Each sequence's own state adds to it.
struct Exchange {
  Clock& clock;
  Frontend& frontend;
  SwitchLink& link;
  ErrorLog& log;

  // A failure as the catalogue has it: its box, its record in the log (the code with its
  // timestamp, then the message), and the event for whoever follows the command.
  void Report(const Failure& failure) const;
  // The message followed by the line-error text of the last exchange, as many records end.
  std::string WithCommError(std::string_view message) const {
    return std::string(message) + link.CommErrorText();
  }
};

}  // namespace taviron
