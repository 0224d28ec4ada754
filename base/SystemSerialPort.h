#pragma once

#include <memory>

#include "base/SerialPort.h"

namespace taviron {

struct ComPortAssignments;

// The serial port of the system the program was built for (termios or the Windows calls), for
// the entry points that open real ports. COM names lead where the assignments (which must
// outlive the port) point them, where the system has any.
std::unique_ptr<SerialPort> NewSystemSerialPort(const ComPortAssignments* assignments = nullptr);

// Leads the COM names of a port made by NewSystemSerialPort where the assignments point them,
// from its next opening on; for a program whose table is made after its port.
void LeadComNames(SerialPort& systemPort, const ComPortAssignments* assignments);

}  // namespace taviron
