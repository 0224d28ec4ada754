#pragma once

#include <array>
#include <string>
#include <string_view>

#include "access/Access.h"
#include "views/ConfigWindows.h"

namespace taviron {

// The MAC address dialog's part; it sits behind the maintenance gate.
struct MacAddressState : Access {
  MacAddressWindow& macSet;  // Tmac_set
  int& MacSetDone;
};

// The maintenance action that opens the MAC address dialog, behind the maintenance gate.
void MacAddressCommand(const MacAddressState& c);
// Tmac_set shown: reads the address into the six boxes ("00" each when it cannot be read).
void MacSetShow(const MacAddressState& c);
// "Set": checks the boxes, sends the address; true when the switch took it (the dialog closes).
bool MacSetOk(const MacAddressState& c);

// The six pairs of an address text in the switch's form "[00 80 C2 12 34 56]"; false when the
// text does not hold them.
bool ParseMacReply(std::string_view reply, std::array<std::string, 6>& pairs);

}  // namespace taviron
