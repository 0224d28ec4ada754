#include "tests/support/posix/FakeDeviceTree.h"

#include <filesystem>

namespace taviron::test {
namespace {

namespace fs = std::filesystem;

// The tty's class entry: its attributes, and its device link into the devices tree.
void Tty(const DeviceRoots& roots, const std::string& name, const fs::path& device,
         const std::string& type = {}) {
  const fs::path entry = roots.sys / "class" / "tty" / name;
  fs::create_directories(entry);
  if (!type.empty()) WriteFile(entry / "type", type + "\n");
  if (device.empty()) return;
  fs::create_directories(roots.sys / device);
  fs::create_directory_symlink(roots.sys / device, entry / "device");
  WriteFile(roots.dev / name, "");
}

void UsbDevice(const DeviceRoots& roots, const fs::path& at, const std::string& vendor,
               const std::string& product, const std::string& maker, const std::string& model) {
  const fs::path usb = roots.sys / at;
  fs::create_directories(usb);
  WriteFile(usb / "idVendor", vendor + "\n");
  WriteFile(usb / "idProduct", product + "\n");
  if (!maker.empty()) WriteFile(usb / "manufacturer", maker + "\n");
  if (!model.empty()) WriteFile(usb / "product", model + "\n");
}

const fs::path kAdapter = "devices/pci0000:00/usb1/1-1";

}  // namespace

FakeDeviceTree::FakeDeviceTree() {
  roots_.sys = dir_ / "sys";
  roots_.dev = dir_ / "dev";
  fs::create_directories(roots_.dev / "serial" / "by-id");
  Tty(roots_, "ttyS0", "devices/platform/serial8250/tty/ttyS0", "4");
  Tty(roots_, "ttyS1", "devices/platform/serial8250/tty/ttyS1", "0");
  Tty(roots_, "tty0", "devices/virtual/tty/tty0");
  UsbDevice(roots_, kAdapter, "0403", "6001", "FTDI", "FT232R USB UART");
  Tty(roots_, "ttyUSB0", kAdapter / "1-1:1.0/ttyUSB0/tty/ttyUSB0");
  fs::create_symlink("../../ttyUSB0", fs::path(AdapterLink()));
  UsbDevice(roots_, "devices/pci0000:00/usb1/1-2", "2341", "0043", "", "");
  Tty(roots_, "ttyACM0", "devices/pci0000:00/usb1/1-2/1-2:1.0/tty/ttyACM0");
}

std::string FakeDeviceTree::AdapterLink() const {
  return (roots_.dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A600-if00-port0").string();
}

void FakeDeviceTree::PlugAdapter(const std::string& name, const std::string& maker,
                                 const std::string& model) {
  const fs::path at = "devices/pci0000:00/usb1/1-3";
  UsbDevice(roots_, at, "067b", "2303", maker, model);
  Tty(roots_, name, at / "1-3:1.0" / name / "tty" / name);
}

void FakeDeviceTree::UnplugAdapter() {
  fs::remove(AdapterLink());
  fs::remove_all(roots_.sys / "class" / "tty" / "ttyUSB0");
  fs::remove(roots_.dev / "ttyUSB0");
}

void FakeDeviceTree::UnplugModem() {
  fs::remove_all(roots_.sys / "class" / "tty" / "ttyACM0");
  fs::remove(roots_.dev / "ttyACM0");
}

void FakeDeviceTree::LeadAdapterTo(const std::string& device) {
  fs::remove(roots_.dev / "ttyUSB0");
  fs::create_symlink(device, roots_.dev / "ttyUSB0");
}

void FakeDeviceTree::ReplugAdapterAs(const std::string& name) {
  UnplugAdapter();
  Tty(roots_, name, kAdapter / "1-1:1.0" / name / "tty" / name);
  fs::create_symlink("../../" + name, fs::path(AdapterLink()));
}

}  // namespace taviron::test
