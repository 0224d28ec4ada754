#pragma once

#include <string>
#include <vector>

#include "program/Configurator.h"

namespace taviron {

// The items of Tserial_set's list: "COM1" to "COM6", each with the device it leads to here,
// for example "COM1 (/dev/ttyUSB0)".
std::vector<std::string> ComPortChoices();
// The item the list selects when shown: ComPortIndex, or -1 (none) when it is out of range.
int SerialSetShow(const Configurator& c);
// "Change": the selected item becomes ComPortIndex; with no selection it stays.
void SerialSetChange(Configurator& c, int selectedItem);

}  // namespace taviron
