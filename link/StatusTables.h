#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taviron {

// One speed/duplex mode of a port in its two encodings.
struct PortMode {
  char displayCode;  // '1'..'6', the drop-down index plus 1
  std::string_view speed;
  std::string_view duplex;
  char switchCode;  // '0'..'3', '5', '6'
};

inline constexpr PortMode kPortCodeTable[] = {
    {'1', "10Mbps", "Half", '0'},  {'2', "10Mbps", "Full", '1'}, {'3', "100Mbps", "Half", '2'},
    {'4', "100Mbps", "Full", '3'}, {'5', "Auto", "", '5'},       {'6', "Disable", "", '6'},
};

// The mode with this display code (or switch code), first matching row.
const PortMode* FindByDisplayCode(char code);
const PortMode* FindBySwitchCode(char code);

// Message of a four-character firmware self-test code, or none.
std::optional<std::string_view> FwErrorMessageOf(std::string_view code);
// Message of a one-character port error code, or none.
std::optional<std::string_view> PortErrorMessageOf(char code);

// Direction of ConvertPortCodes.
constexpr int kSwitchToDisplay = 1;
constexpr int kDisplayToSwitch = 0;

// Rewrites eight per-port codes between the switch's codes and the display codes. A code the
// table does not know becomes 'F' (not obtained) in its own position, so no port takes another
// port's place.
std::string ConvertPortCodes(std::string_view codes, int direction);

}  // namespace taviron
