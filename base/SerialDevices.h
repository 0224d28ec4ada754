#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace taviron {

// A serial device this computer has now.
struct SerialDevice {
  std::string name;        // the kernel's name: "ttyS0", "ttyUSB0", "ttyACM0"
  std::string path;        // its device file: "/dev/ttyUSB0"
  std::string stablePath;  // its link under /dev/serial/by-id, which outlives re-plugging; or ""
  bool usb = false;        // a USB adapter or a USB modem-class device
  std::string maker;       // the USB device's manufacturer, as it names itself; or ""
  std::string model;       // the USB device's product name; or ""
  std::string usbId;       // "vendor:product" in hexadecimal, for a USB device without names
  bool operator==(const SerialDevice&) const = default;
};

// Where the kernel's device tree and the device files are found; a test builds both.
struct DeviceRoots {
  std::filesystem::path sys = "/sys";
  std::filesystem::path dev = "/dev";
};

// The serial devices of the kernel's tty class (sys/class/tty/*/device): built-in ports
// (ttyS*) that have a UART, USB adapters (ttyUSB*) and USB modem-class devices (ttyACM*), with
// the maker and model a USB device gives, and its stable link from dev/serial/by-id. Sorted by
// name, numbers in numeric order. Empty where the system has no such tree.
std::vector<SerialDevice> FindSerialDevices(const DeviceRoots& roots = {});

// The name the operator's choice of the device is kept by: the stable link where there is one.
std::string AssignmentPath(const SerialDevice& device);

// A USB device's maker and model as it names itself, else "USB vendor:product"; "" for others.
std::string SerialDeviceMakerAndModel(const SerialDevice& device);
// How a device is named to the operator: its device file, with maker and model for a USB
// device, for example "/dev/ttyUSB0 (FTDI FT232R USB UART)".
std::string SerialDeviceText(const SerialDevice& device);

}  // namespace taviron
