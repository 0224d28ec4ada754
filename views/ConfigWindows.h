#pragma once

#include <array>
#include <string>

namespace taviron {

// The controls of the default setting dialog Tfact_set.
struct DefaultSettingWindow {
  std::string Label1;          // the question
  std::string Label4;          // the status line
  bool buttonsVisible = true;  // "Yes" and "No"
};

// The six boxes of the MAC address dialog Tmac_set.
struct MacAddressWindow {
  std::array<std::string, 6> Ed_mac;
};

}  // namespace taviron
