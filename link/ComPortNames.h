#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taviron {

constexpr int kComPortCount = 6;

// "COM1" to "COM6" for 0 to 5; an empty name (a port that cannot be opened) otherwise.
std::string ComPortName(std::uint8_t comPortIndex);

// The device a port name leads to on this machine: "COMn" goes to the path in the environment
// variable TAVIRON_COMn when it is set, else to /dev/ttyS(n-1); an absolute path stands for
// itself. Empty when the name leads nowhere.
std::string ComPortDevice(std::string_view portName);

}  // namespace taviron
