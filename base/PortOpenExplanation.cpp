#include "base/PortOpenExplanation.h"

#include "base/DeviceGroup.h"

namespace taviron {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string PortOpenExplanation(std::string_view device, const OsError& error,
                                std::string_view deviceGroup) {
  if (device.empty()) return "This COM port leads to no device.";
  const std::string path(device);
  switch (error.kind) {
    case OsErrorKind::kNotFound:
      return path + " does not exist." + std::string(kLineEnd) +
             "Check that the serial cable or USB adapter is plugged in and that the right port is "
             "chosen.";
    case OsErrorKind::kNoPermission:
      // Serial devices are shared through a group (dialout on Debian); the administrator's own
      // group, or none, is not one to join.
      if (deviceGroup.empty() || deviceGroup == "root") {
        return "You may not open " + path + "." + std::string(kLineEnd) +
               "Ask the administrator of this computer for access to it.";
      }
      return "You may not open " + path + ": it is open to the group " + std::string(deviceGroup) +
             "." + std::string(kLineEnd) + "Join the group with" + std::string(kLineEnd) +
             "    sudo usermod -aG " + std::string(deviceGroup) + " $USER" + std::string(kLineEnd) +
             "then log out and log in again.";
    case OsErrorKind::kInUse:
      return path + " is in use by another program." + std::string(kLineEnd) +
             "Close that program, then try again.";
    case OsErrorKind::kNotSerialDevice:
      return path + " is not a serial device." + std::string(kLineEnd) +
             "Choose the serial port or USB adapter the switch is connected to.";
    case OsErrorKind::kNone:
    case OsErrorKind::kShortage:
    case OsErrorKind::kNotOpen:
    case OsErrorKind::kOther:
      break;
  }
  if (error.text.empty()) return path + " could not be opened.";
  return path + " could not be opened: " + error.text + ".";
}

std::string ExplainPortOpenFailure(const SerialPort& port, std::string_view portName) {
  // A name that leads nowhere was never tried: the port's last error is not about it.
  std::string device = portName.empty() ? std::string() : port.DeviceFor(portName);
  if (device.empty()) return PortOpenExplanation({}, {}, {});
  return PortOpenExplanation(device, port.LastError(), DeviceGroup(device));
}

std::string WithExplanation(std::string_view text, std::string_view explanation) {
  return std::string(text) + std::string(kLineEnd) + std::string(kLineEnd) +
         std::string(explanation);
}

}  // namespace taviron
