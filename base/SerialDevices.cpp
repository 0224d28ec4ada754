#include "base/SerialDevices.h"

namespace taviron {

std::string AssignmentPath(const SerialDevice& device) {
  return device.stablePath.empty() ? device.path : device.stablePath;
}

std::string SerialDeviceMakerAndModel(const SerialDevice& device) {
  std::string text = device.maker;
  if (!device.model.empty()) text += (text.empty() ? "" : " ") + device.model;
  if (text.empty() && device.usb && !device.usbId.empty()) text = "USB " + device.usbId;
  return text;
}

std::string SerialDeviceText(const SerialDevice& device) {
  std::string about = SerialDeviceMakerAndModel(device);
  return about.empty() ? device.path : device.path + " (" + about + ")";
}

}  // namespace taviron
