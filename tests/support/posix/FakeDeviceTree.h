#pragma once

#include <string>

#include "base/SerialDevices.h"
#include "tests/support/TempDir.h"

namespace taviron::test {

// A kernel device tree and a /dev of a test's own, shaped as Linux has them: a built-in port
// with a UART (ttyS0), one without (ttyS1), an FTDI adapter (ttyUSB0) with its by-id link, a
// modem-class device without names (ttyACM0), and a console (tty0).
class FakeDeviceTree {
 public:
  FakeDeviceTree();
  const DeviceRoots& roots() const { return roots_; }
  // The adapter's stable name under the tree's dev/serial/by-id.
  std::string AdapterLink() const;
  std::string Dev(const std::string& name) const { return (roots_.dev / name).string(); }
  // Another USB adapter plugged in under the name, with its maker and model.
  void PlugAdapter(const std::string& name, const std::string& maker, const std::string& model);
  // The adapter leaves, its link with it.
  void UnplugAdapter();
  // The modem-class device leaves: the adapter is the only USB device.
  void UnplugModem();
  // The adapter's device file leads to another device (a pseudo-terminal a test serves).
  void LeadAdapterTo(const std::string& device);
  // The adapter comes back under another number; its by-id link now leads there.
  void ReplugAdapterAs(const std::string& name);

 private:
  TempDir dir_;
  DeviceRoots roots_;
};

}  // namespace taviron::test
