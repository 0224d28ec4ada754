#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/SerialDevices.h"

namespace taviron {

// The number of a "COMn" name in any case, n from 1 to 256 without leading zeros; 0 otherwise.
int ComPortNumber(std::string_view name);

// A port of the system's Ports class as the device installer describes it.
struct DescribedComPort {
  std::string portName;      // "COM3"
  std::string friendlyName;  // "USB Serial Port (COM3)", or ""
  std::string maker;         // the driver's manufacturer, or ""
  std::string enumerator;    // the bus it was found on: "USB", "FTDIBUS", "ACPI", "ROOT", ...
};

// The COM ports of the serial map (the names of HKLM\HARDWARE\DEVICEMAP\SERIALCOMM) and of the
// device installer, one per name, in the order of their numbers. A port the installer describes
// carries its friendly name (without the "(COMn)" the name already says) and maker, and counts
// as a USB adapter when its bus is USB or a USB adapter's own bus driver. A device's path is its
// COM name, as --port takes it.
std::vector<SerialDevice> ComPortsOf(const std::vector<std::string>& serialMap,
                                     const std::vector<DescribedComPort>& described);

}  // namespace taviron
