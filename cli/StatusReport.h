#pragma once

#include <map>
#include <string>

#include "program/Configurator.h"

namespace taviron::cli {

// What the main window shows after a refresh, as named values in a fixed order:
// "firmware_version", "discharge_element", "switch_status", "error_code", "error_message",
// "relay", "port1_speed", "port1_duplex", ... "port8_duplex", "link".
std::vector<std::pair<std::string, std::string>> StatusValues(const Configurator& c);

// The values as lines for a person to read.
std::string StatusText(const Configurator& c);
// The values as one JSON object with stable keys; a value that could not be read is null.
std::string StatusJson(const Configurator& c);

// The values the window shows as unknown, a placeholder where the switch's value belongs, by
// their names: "firmware_version", "discharge_element", "switch_status", "relay", and "port1"
// to "port8" for a port shown without its mode or an error.
std::vector<std::string> UnknownValues(const Configurator& c);

}  // namespace taviron::cli
