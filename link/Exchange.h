#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/ErrorLog.h"
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

  // A failure record in the log: the code with its timestamp, then the message.
  void Record(std::uint32_t code, std::string_view message) const { log.Record(code, message); }
  // A failure shown in a box and then recorded with the line-error text of the last exchange.
  void Report(std::string_view message, std::string_view caption, std::uint32_t code) const {
    frontend.MessageBox(message, caption);
    Record(code, WithCommError(message));
  }
  // The message followed by the line-error text of the last exchange, as most records end.
  std::string WithCommError(std::string_view message) const {
    return std::string(message) + link.CommErrorText();
  }
};

}  // namespace taviron
