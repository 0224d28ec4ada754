#pragma once

#include <string>
#include <string_view>

#include "monitor/Monitoring.h"

namespace taviron {

// The status queries of the refresh. Each sends its command, pauses, reads a reply of fixed
// length and decodes it; a failure writes its record to the log and leaves a placeholder.

// The firmware version, or "--.--".
std::string GetFirmwareVersion(const StatusReading& c);
// "Normal", "Near End", "End of Life", or "----    ".
std::string GetDischargeElement(const StatusReading& c);
// Sets RelayState: "1", "0", or "255" when it could not be read.
void GetRelayState(const StatusReading& c);
// Switches the relay ("1" on, "0" off); RelayState follows when the switch answered.
void SetRelayState(const StatusReading& c, std::string_view value);
// Sets FwErrorCode ("----" when it could not be read) and FwErrorMessage.
void GetFirmwareError(const StatusReading& c);
// Sets PortErrors, one code per port.
void GetPortErrors(const StatusReading& c);
// Sets PortConfig, one display code per port ("FFFFFFFF" when it could not be read).
void GetPortConfig(const StatusReading& c);

// Placeholders of values that could not be obtained.
inline constexpr std::string_view kNoFirmwareVersion = "--.--";
inline constexpr std::string_view kNoDischargeElement = "----    ";
inline constexpr std::string_view kNoRelayState = "255";
inline constexpr std::string_view kNoFwErrorCode = "----";
inline constexpr std::string_view kNoPortConfig = "FFFFFFFF";
inline constexpr std::string_view kPortErrorsUnread = "77777777";

}  // namespace taviron
