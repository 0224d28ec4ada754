#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "access/Access.h"
#include "link/Exchange.h"
#include "views/ConfigWindows.h"

namespace taviron {

// The MAC address dialog's state: its six boxes, and whether the switch took the address.
struct MacAddressState {
  MacAddressWindow macSet;  // Tmac_set
  int MacSetDone = 0;
};

// The maintenance action that opens the MAC address dialog, behind the maintenance gate.
void MacAddressCommand(Exchange& exchange, Access& access, MacAddressState& macAddress);
// Tmac_set shown: reads the address into the six boxes ("00" each when it cannot be read).
void MacSetShow(Exchange& exchange, MacAddressState& macAddress);
// "Set": checks the boxes, sends the address; true when the switch took it (the dialog closes).
bool MacSetOk(Exchange& exchange, MacAddressState& macAddress);

// What a box shows of what was typed into it: letters in upper case, as the switch takes them.
std::string MacPairAsTyped(std::string_view typed);
// A whole address pasted into a box: six pairs of hexadecimal digits in either case, with ":",
// "-" or a blank between them ("00:80:c2:12:34:56"); the pairs in upper case, or nullopt.
std::optional<std::array<std::string, 6>> PastedMacAddress(std::string_view text);

// The six pairs of an address text in the switch's form "[00 80 C2 12 34 56]"; false when the
// text does not hold them.
bool ParseMacReply(std::string_view reply, std::array<std::string, 6>& pairs);

}  // namespace taviron
