#include "cli/DeviceList.h"

#include "cli/TerminalText.h"
#include "config/ComPortSetting.h"

namespace taviron::cli {

std::string DeviceListText(const std::vector<SerialDevice>& devices,
                           const ComPortAssignments& assigned) {
  std::string text = "Serial devices:\n";
  if (devices.empty()) text += "  none found\n";
  for (const SerialDevice& device : devices) {
    // A USB device names itself: its words are shown escaped.
    text += "  " + PrintableName(SerialDeviceText(device));
    if (!device.stablePath.empty()) text += "  " + PrintableName(device.stablePath);
    text += "\n";
  }
  text += "COM ports:\n";
  for (const std::string& choice : ComPortChoices(devices, assigned))
    text += "  " + PrintableName(choice) + "\n";
  return text;
}

}  // namespace taviron::cli
