// --port auto among switches on pseudo-terminals: the one that answers, or what each device did.
#include <gtest/gtest.h>

#include "base/SystemSerialPort.h"
#include "cli/PortSearch.h"
#include "cli/Tool.h"
#include "tests/support/Process.h"

namespace taviron::test {
namespace {

SerialDevice Device(std::string path, bool usb) {
  SerialDevice d;
  d.name = d.path = std::move(path);
  d.usb = usb;
  return d;
}

TEST(PortSearchIntegrationTest, TheOneDeviceASwitchAnswersOnUsbAdaptersFirst) {
  SwitchSim first, second, silent;
  silent.Control("fault silent on");
  std::vector<std::string> tried;
  auto greet = [&](const SerialDevice& device) {
    tried.push_back(device.path);
    std::unique_ptr<SerialPort> port = NewSystemSerialPort();
    return cli::GreetOn(*port, cli::ToolOptions{}, device);
  };
  struct Case {
    const char* name;
    std::vector<SerialDevice> devices;
    std::string chosen;
    std::vector<std::string> reported;  // words the report holds
  };
  const Case cases[] = {
      {"none at all", {}, "", {"no serial device found"}},
      {"zero switches: one silent, one missing",
       {Device(silent.Device(), false), Device("/dev/nonexistent-tty", true)},
       "",
       {"no switch answered", "/dev/nonexistent-tty (USB): ", silent.Device() + ": "}},
      {"one switch among them",
       {Device(silent.Device(), false), Device(first.Device(), true)},
       first.Device(),
       {}},
      {"two switches",
       {Device(first.Device(), false), Device(second.Device(), true)},
       "",
       {"more than one switch answered", first.Device() + ": a switch answered",
        second.Device() + " (USB): a switch answered"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tried.clear();
    const cli::PortChoice choice = cli::SearchPort(c.devices, greet);
    EXPECT_EQ(choice.device, c.chosen);
    for (const std::string& words : c.reported)
      EXPECT_NE(choice.report.find(words), std::string::npos) << choice.report;
    // Every device is tried, the USB adapters first.
    ASSERT_EQ(tried.size(), c.devices.size());
    if (tried.size() == 2) {
      EXPECT_EQ(tried[0], c.devices[1].path);
    }
  }
}

}  // namespace
}  // namespace taviron::test
