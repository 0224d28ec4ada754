#pragma once

#include <string>
#include <string_view>

#include "link/Exchange.h"
#include "monitor/StatusValues.h"

namespace taviron {

// The status queries of the refresh. Each sends its command, pauses, reads a reply of fixed
// length and decodes it; a failure writes its record to the log and leaves a placeholder.

// The firmware version, or "--.--".
std::string GetFirmwareVersion(Exchange& exchange);
// "Normal", "Near End", "End of Life", or "----    ".
std::string GetDischargeElement(Exchange& exchange);
// Sets RelayState: "1", "0", or "255" when it could not be read.
void GetRelayState(Exchange& exchange, StatusValues& status);
// Switches the relay ("1" on, "0" off); RelayState follows when the switch answered.
void SetRelayState(Exchange& exchange, StatusValues& status, std::string_view value);
// Sets FwErrorCode ("----" when it could not be read) and FwErrorMessage.
void GetFirmwareError(Exchange& exchange, StatusValues& status);
// Sets PortErrors, one code per port.
void GetPortErrors(Exchange& exchange, StatusValues& status);
// Sets PortConfig, one display code per port ("FFFFFFFF" when it could not be read).
void GetPortConfig(Exchange& exchange, StatusValues& status);

// Placeholders of values that could not be obtained.
inline constexpr std::string_view kNoFirmwareVersion = "--.--";
inline constexpr std::string_view kNoDischargeElement = "----    ";
inline constexpr std::string_view kNoRelayState = "255";
inline constexpr std::string_view kNoFwErrorCode = "----";
inline constexpr std::string_view kNoPortConfig = "FFFFFFFF";
inline constexpr std::string_view kPortErrorsUnread = "77777777";

}  // namespace taviron
