#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taviron {

constexpr int kComPortCount = 6;

struct ComPortAssignments;

// "COM1" to "COM6" for 0 to 5; an empty name (a port that cannot be opened) otherwise.
std::string ComPortName(std::uint8_t comPortIndex);

// The device a port name leads to on this machine, empty when the name leads nowhere. On POSIX
// systems "COM1" to "COM6" go to the path in the environment variable TAVIRON_COMn when it is
// set, else to the device the operator assigned to the name, else to /dev/ttyS(n-1); an
// absolute path stands for itself. On Windows "COM1" to "COM6" go where TAVIRON_COMn names
// ("COM9" or \\.\COM9) when it is set, else "COM1" to "COM256", in any case, go to \\.\COMn,
// and a path of another system leads nowhere; assignments are not used there.
std::string ComPortDevice(std::string_view portName, const ComPortAssignments& assigned);
// The same without assignments.
std::string ComPortDevice(std::string_view portName);

// The device the environment points the name at (TAVIRON_COMn), which comes before any
// assignment; empty when it points the name nowhere.
std::string ComPortFromEnvironment(std::string_view portName);

}  // namespace taviron
