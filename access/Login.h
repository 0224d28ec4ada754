#pragma once

#include <string>

#include "access/Access.h"
#include "link/Exchange.h"
#include "monitor/Monitoring.h"

namespace taviron {

// What a log-in window does after its OK button.
enum class LoginStep {
  kStay,          // rejected: the window stays, its edit box emptied and focused
  kAccepted,      // the switch took the password
  kFailureShown,  // the window shows its failure state; its lone OK closes it
  kClosed,        // the window closes (and with the re-log-in window, the main window too)
};

// Tpass_in, the first window: whether it must ask at all.
bool LoginNeeded(const Access& access);
// OK of Tpass_in with the typed text.
LoginStep PassInOk(Exchange& exchange, Access& access, const std::string& typed);
// Cancel of Tpass_in: the port is closed and the program ends.
void PassInCancel(Exchange& exchange, Monitoring& monitor);

// Tpass_in2, shown by the connect sequence: back to its first look.
void PassIn2Show(Access& access);
// OK of Tpass_in2 with the typed text.
LoginStep PassIn2Ok(Exchange& exchange, Monitoring& monitor, Access& access,
                    const std::string& typed);
// Cancel of Tpass_in2: the port is closed and the main window closes.
void PassIn2Cancel(Exchange& exchange, Monitoring& monitor);

// The longest password the command buffer holds.
inline constexpr int kPasswordMaxLength = 29;

}  // namespace taviron
