#pragma once

#include <string>

#include "program/Configurator.h"

namespace taviron {

// What a log-in window does after its OK button.
enum class LoginStep {
  kStay,          // rejected: the window stays, its edit box emptied and focused
  kAccepted,      // the switch took the password
  kFailureShown,  // the window shows its failure state; its lone OK closes it
  kClosed,        // the window closes (and with the re-log-in window, the main window too)
};

// Tpass_in, the first window: whether it must ask at all.
bool LoginNeeded(const Configurator& c);
// OK of Tpass_in with the typed text.
LoginStep PassInOk(Configurator& c, const std::string& typed);
// Cancel of Tpass_in: the port is closed and the program ends.
void PassInCancel(Configurator& c);

// Tpass_in2, shown by the connect sequence: back to its first look.
void PassIn2Show(Configurator& c);
// OK of Tpass_in2 with the typed text.
LoginStep PassIn2Ok(Configurator& c, const std::string& typed);
// Cancel of Tpass_in2: the port is closed and the main window closes.
void PassIn2Cancel(Configurator& c);

// The longest password the command buffer holds.
inline constexpr int kPasswordMaxLength = 29;

}  // namespace taviron
