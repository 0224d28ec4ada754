#pragma once

#include <string>

#include "monitor/Monitoring.h"
#include "views/PasswordWindows.h"

namespace taviron {

// The user password the switch accepted, the maintenance admission, and the windows that ask
// for them.
struct Access : Monitoring {
  int& NoLoginNeeded;
  std::string& LoginPassword;
  int& LoggedIn;
  int& MaintenanceAdmitted;
  PasswordWindow& passIn;          // Tpass_in
  PasswordWindow& passIn2;         // Tpass_in2
  MaintenanceWindow& superPassIn;  // Tsuper_pass_in
};

}  // namespace taviron
