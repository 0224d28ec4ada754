#pragma once

#include <string>
#include <vector>

#include "base/ComPortAssignments.h"
#include "base/SerialDevices.h"

namespace taviron::cli {

// What "devices" prints: each serial device as the COM Port Setting dialog lists it, with the
// stable name a script can give to --port, then COM1 to COM6 with the device each leads to.
std::string DeviceListText(const std::vector<SerialDevice>& devices,
                           const ComPortAssignments& assigned);

// The same as JSON: {"devices":[{"name","path","stable_path","usb","maker","model","usb_id"}],
// "com_ports":[{"name","device","text"}],"schema":1}; a COM name that leads nowhere has the
// device "".
std::string DeviceListJson(const std::vector<SerialDevice>& devices,
                           const ComPortAssignments& assigned);

}  // namespace taviron::cli
