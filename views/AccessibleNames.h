#pragma once

#include <string>
#include <string_view>

namespace taviron {

// What a screen reader calls the controls that show no caption of their own: each front end
// gives its controls these names, so that an operator who cannot see the window hears the same
// on every system.

inline constexpr std::string_view kToolbarName = "Commands";
inline constexpr std::string_view kUploadProgressName = "Upload progress";
inline constexpr std::string_view kProgramPictureName = "TAVIRON program icon";
inline constexpr std::string_view kComPortListName = "COM Port";
inline constexpr std::string_view kComDeviceListName = "Device of the COM port";

// The drop-down list of port n (1 to 8) in Port Setting: "Port #3 speed and duplex".
inline std::string PortListName(int port) {
  return "Port #" + std::to_string(port) + " speed and duplex";
}

}  // namespace taviron
