#pragma once

#include <string>
#include <vector>

#include "link/Exchange.h"

namespace taviron {

// The items of Tserial_set's list: "COM1" to "COM6", each with the device it leads to here,
// for example "COM1 (/dev/ttyUSB0)".
std::vector<std::string> ComPortChoices();
// The item the list selects when shown: ComPortIndex, or -1 (none) when it is out of range.
int SerialSetShow(const Exchange& c);
// "Change": the selected item becomes ComPortIndex; with no selection it stays.
void SerialSetChange(const Exchange& c, int selectedItem);

}  // namespace taviron
