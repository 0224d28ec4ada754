#pragma once

#include <string>

#include "views/PasswordWindows.h"

namespace taviron {

// The log-in state: the user password the switch accepted, the maintenance admission, and the
// windows that ask for them.
struct Access {
  int NoLoginNeeded = 0;
  std::string LoginPassword;
  int LoggedIn = 0;
  int MaintenanceAdmitted = 0;
  PasswordWindow passIn;          // Tpass_in
  PasswordWindow passIn2;         // Tpass_in2
  MaintenanceWindow superPassIn;  // Tsuper_pass_in
};

}  // namespace taviron
