#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/ErrorLog.h"
#include "base/Failure.h"
#include "base/Frontend.h"
#include "base/SerialPort.h"
#include "link/SwitchLink.h"

namespace taviron {

// The link session: what every sequence talks to the switch and to the operator with. It owns
// the link (the port, its exchange and the connection state) and the error log, and reaches the
// clock its waits run on and the windows through their seams. The seams are handed out only by
// a non-const Exchange, so a sequence given a const one can neither wait nor ask the windows.
class Exchange {
 public:
  Exchange(SerialPort& port, Clock& clock, Frontend& frontend, std::filesystem::path logDirectory)
      : link(port, clock),
        log(std::move(logDirectory), clock),
        clock_(clock),
        frontend_(frontend) {}
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;

  Clock& clock() { return clock_; }
  Frontend& frontend() { return frontend_; }

  // A failure as the catalogue has it: its box, its record in the log (the code with its
  // timestamp, then the message), and the event for whoever follows the command.
  void Report(const Failure& failure);
  // The message followed by the line-error text of the last exchange, as many records end.
  std::string WithCommError(std::string_view message) const {
    return std::string(message) + link.CommErrorText();
  }

  SwitchLink link;
  ErrorLog log;

 private:
  Clock& clock_;
  Frontend& frontend_;
};

}  // namespace taviron
