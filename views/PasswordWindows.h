#pragma once

#include <string>

namespace taviron {

// The longest password the command buffer holds: what the log-in windows' boxes take.
inline constexpr int kPasswordMaxLength = 29;
// The longest user password the switch takes.
inline constexpr int kUserPasswordMaxLength = 8;

// The controls of a user password window (the log-in window Tpass_in and the re-log-in window
// Tpass_in2 share this shape): what the windows show is decided in the core.
struct PasswordWindow {
  std::string caption = "Enter Password";
  std::string prompt = "Please type your password.";  // Label1
  std::string status;                                 // Label6 of Tpass_in, Label2 of Tpass_in2
  bool entryVisible = true;                           // the edit box with OK and Cancel
  bool failureOkVisible = false;                      // the lone OK button of the failure state
};

// The controls of the maintenance password window Tsuper_pass_in.
struct MaintenanceWindow {
  std::string Label1;
  std::string Label6;
  std::string Ed_pass;  // kept between showings; emptied by every connection
};

}  // namespace taviron
