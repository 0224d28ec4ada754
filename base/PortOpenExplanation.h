#pragma once

#include <string>
#include <string_view>

#include "base/OsError.h"
#include "base/SerialPort.h"

namespace taviron {

// Why the device could not be opened, in the operator's terms, from the error of the failed
// opening and the group that owns the device: missing, not allowed (and how to join the group),
// held by another program, or no serial device. Lines end in CR LF; there is none at the end.
// An empty device stands for a COM name that leads to no device.
std::string PortOpenExplanation(std::string_view device, const OsError& error,
                                std::string_view deviceGroup);

// The explanation for the port's last failed opening of the name: the device it tried, the
// error it had, and the device's group.
std::string ExplainPortOpenFailure(const SerialPort& port, std::string_view portName);

// A message box's text followed by a blank line and the explanation.
std::string WithExplanation(std::string_view text, std::string_view explanation);

}  // namespace taviron
