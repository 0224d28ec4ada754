#pragma once

#include <array>
#include <string>

#include "link/CommandTable.h"

namespace taviron {

// The controls of the default setting dialog Tfact_set.
struct DefaultSettingWindow {
  std::string Label1;          // the question
  std::string Label4;          // the status line
  bool buttonsVisible = true;  // "Yes" and "No"
};

// The item each list of the Port Setting dialog Tport_set (Cmb_port1 to Cmb_port8) selects, -1
// for none.
using PortSelection = std::array<int, kPortCount>;

// The six boxes of the MAC address dialog Tmac_set.
struct MacAddressWindow {
  std::array<std::string, 6> Ed_mac;
};

}  // namespace taviron
