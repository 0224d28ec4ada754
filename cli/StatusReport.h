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
// The values as one JSON object with stable keys.
std::string StatusJson(const Configurator& c);

// Text in JSON string form, quotes included.
std::string JsonString(const std::string& text);

}  // namespace taviron::cli
