#pragma once

#include <memory>

#include "base/SerialPort.h"

namespace taviron {

// The serial port of the system the program was built for (termios or the Windows calls), for
// the entry points that open real ports.
std::unique_ptr<SerialPort> NewSystemSerialPort();

}  // namespace taviron
