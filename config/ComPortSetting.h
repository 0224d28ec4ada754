#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/ComPortAssignments.h"
#include "base/SerialDevices.h"
#include "link/Exchange.h"
#include "link/SwitchLink.h"
#include "session/Session.h"

namespace taviron {

// An item of Tserial_set's first list: the COM name with the device it leads to now, for
// example "COM1 (/dev/ttyS0)" or "COM2 (/dev/ttyUSB0, FTDI FT232R USB UART)"; it tells when the
// environment chose the device, and when an assigned adapter is not plugged in.
std::string ComPortChoice(int comIndex, const std::vector<SerialDevice>& devices,
                          const ComPortAssignments& assigned);
// The six items, "COM1" to "COM6".
std::vector<std::string> ComPortChoices(const std::vector<SerialDevice>& devices,
                                        const ComPortAssignments& assigned);
// The six items with the devices of this machine as they are now, without assignments.
std::vector<std::string> ComPortChoices();

// An item of the device list: its text, and what choosing it assigns ("" for the name's own
// default).
struct DeviceChoice {
  std::string text;
  std::string assignment;
  bool operator==(const DeviceChoice&) const = default;
};
// The devices a COM name can be pointed at: first its default, then every device found, then
// the assigned one if it is not among them (an adapter that is not plugged in), so that the
// list can show what is assigned.
std::vector<DeviceChoice> DeviceChoices(int comIndex, const std::vector<SerialDevice>& devices,
                                        const ComPortAssignments& assigned);
// The item that shows the name's assignment, or -1.
int DeviceChoiceIndex(const std::vector<DeviceChoice>& choices, int comIndex,
                      const ComPortAssignments& assigned);

// What the COM Port Setting dialog works on: the chosen name (the link's ComPortIndex), and
// the devices the names are pointed at with the file that keeps them (the session's).
//
// The item the list selects when shown: ComPortIndex, or -1 (none) when it is out of range.
int SerialSetShow(const SwitchLink& link);
// "Change": the selected item becomes ComPortIndex; with no selection it stays.
void SerialSetChange(SwitchLink& link, int selectedItem);
// "Change" with the devices the names were pointed at: they take effect at the next opening,
// and when they changed they are written to COMPORTS.INI at once. A file that cannot be
// written is reported in a box; the choice still holds for this run.
void SerialSetChange(Exchange& exchange, Session& session, int selectedItem,
                     const ComPortAssignments& assignments);

}  // namespace taviron
