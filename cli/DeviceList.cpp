#include "cli/DeviceList.h"

#include "base/ComPortNames.h"
#include "cli/JsonText.h"
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

std::string DeviceListJson(const std::vector<SerialDevice>& devices,
                           const ComPortAssignments& assigned) {
  std::string json = "{\"devices\":[";
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const SerialDevice& d = devices[i];
    json += std::string(i ? "," : "") + "{\"name\":" + JsonString(d.name) +
            ",\"path\":" + JsonString(d.path) + ",\"stable_path\":" + JsonString(d.stablePath) +
            ",\"usb\":" + (d.usb ? "true" : "false") + ",\"maker\":" + JsonString(d.maker) +
            ",\"model\":" + JsonString(d.model) + ",\"usb_id\":" + JsonString(d.usbId) + "}";
  }
  json += "],\"com_ports\":[";
  const std::vector<std::string> choices = ComPortChoices(devices, assigned);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const std::string name = ComPortName(static_cast<std::uint8_t>(i));
    json += std::string(i ? "," : "") + "{\"name\":" + JsonString(name) +
            ",\"device\":" + JsonString(ComPortDevice(name, assigned)) +
            ",\"text\":" + JsonString(choices[i]) + "}";
  }
  return json + "],\"schema\":1}\n";
}

}  // namespace taviron::cli
