#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "config/ComPortSetting.h"
#include "session/Startup.h"
#include "tests/support/Harness.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

TEST(ComPortSettingTest, TheListNamesTheDeviceEachPortLeadsTo) {
  ::setenv("TAVIRON_COM2", "/dev/ttyUSB0", 1);
  std::vector<std::string> items = ComPortChoices();
  ::unsetenv("TAVIRON_COM2");
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[1], "COM2 (/dev/ttyUSB0, from TAVIRON_COM2)");
  EXPECT_EQ(items[5], "COM6 (/dev/ttyS5)");
}

TEST(ComPortSettingTest, AnAssignedAdapterIsShownByTheDeviceItIsNowAndByItsMaker) {
  FakeDeviceTree tree;
  const std::vector<SerialDevice> devices = FindSerialDevices(tree.roots());
  ComPortAssignments assigned;
  assigned.device[0] = tree.AdapterLink();
  assigned.device[1] = "/dev/serial/by-id/usb-gone-if00";
  EXPECT_EQ(ComPortChoice(0, devices, assigned),
            "COM1 (" + tree.Dev("ttyUSB0") + ", FTDI FT232R USB UART)");
  EXPECT_EQ(ComPortChoice(1, devices, assigned),
            "COM2 (/dev/serial/by-id/usb-gone-if00, not connected)");
  EXPECT_EQ(ComPortChoice(2, devices, assigned), "COM3 (/dev/ttyS2)");

  // The device list of COM2: its default, every device, then the absent adapter it is set to.
  const std::vector<DeviceChoice> choices = DeviceChoices(1, devices, assigned);
  EXPECT_EQ(
      choices,
      (std::vector<DeviceChoice>{
          {"Default: /dev/ttyS1", ""},
          {tree.Dev("ttyACM0") + " (USB 2341:0043)", tree.Dev("ttyACM0")},
          {tree.Dev("ttyS0"), tree.Dev("ttyS0")},
          {tree.Dev("ttyUSB0") + " (FTDI FT232R USB UART)", tree.AdapterLink()},
          {"/dev/serial/by-id/usb-gone-if00 (not connected)", "/dev/serial/by-id/usb-gone-if00"},
      }));
  EXPECT_EQ(DeviceChoiceIndex(choices, 1, assigned), 4);
  EXPECT_EQ(DeviceChoiceIndex(DeviceChoices(2, devices, assigned), 2, assigned), 0);

  // The environment comes first, and the list says so.
  ::setenv("TAVIRON_COM1", "/dev/ttyS4", 1);
  EXPECT_EQ(DeviceChoices(0, devices, assigned).front().text, "Set by TAVIRON_COM1: /dev/ttyS4");
  EXPECT_EQ(ComPortDevice("COM1", assigned), "/dev/ttyS4");
  ::unsetenv("TAVIRON_COM1");
  EXPECT_EQ(ComPortDevice("COM1", assigned), tree.AdapterLink());
}

TEST(ComPortSettingTest, AnAssignedAdapterIsFoundAgainWhenItComesBackUnderAnotherNumber) {
  FakeDeviceTree tree;
  ComPortAssignments assigned;
  assigned.device[0] = AssignmentPath(FindSerialDevices(tree.roots()).back());
  ASSERT_EQ(assigned.device[0], tree.AdapterLink());
  tree.ReplugAdapterAs("ttyUSB3");
  const std::vector<SerialDevice> devices = FindSerialDevices(tree.roots());
  EXPECT_EQ(ComPortChoice(0, devices, assigned),
            "COM1 (" + tree.Dev("ttyUSB3") + ", FTDI FT232R USB UART)");
  const std::vector<DeviceChoice> choices = DeviceChoices(0, devices, assigned);
  ASSERT_EQ(DeviceChoiceIndex(choices, 0, assigned), 3);
  EXPECT_EQ(choices[3].text, tree.Dev("ttyUSB3") + " (FTDI FT232R USB UART)");
  // The port opens what the link leads to now.
  EXPECT_EQ(ComPortDevice("COM1", assigned), tree.AdapterLink());
  EXPECT_EQ(std::filesystem::canonical(tree.AdapterLink()),
            std::filesystem::canonical(tree.Dev("ttyUSB3")));
}

TEST(ComPortSettingTest, ChangeKeepsTheAssignmentsBesideTheSettingsAndTheStartUpReadsThem) {
  Harness h;
  ComPortAssignments chosen;
  chosen.device[3] = "/dev/serial/by-id/usb-FTDI-if00";
  SerialSetChange(h.c.exchange, h.c.session, 3, chosen);
  EXPECT_EQ(h.c.exchange.link.ComPortIndex, 3);
  EXPECT_EQ(ReadFile(h.dir / "COMPORTS.INI"), "[Ports]\nCOM4=/dev/serial/by-id/usb-FTDI-if00\n");
  EXPECT_TRUE(h.frontend.boxes.empty());

  Harness next;
  std::filesystem::copy_file(h.dir / "COMPORTS.INI", next.dir / "COMPORTS.INI");
  RunStartup(next.c.exchange, next.c.monitor, next.c.access, next.c.session);
  EXPECT_EQ(next.c.session.comPorts, chosen);
}

TEST(ComPortSettingTest, AnAssignmentThatCannotBeWrittenHoldsForThisRunAndIsReported) {
  Harness h;
  std::filesystem::create_directory(h.dir / "COMPORTS.INI");  // in the file's way
  ComPortAssignments chosen;
  chosen.device[0] = "/dev/ttyACM0";
  SerialSetChange(h.c.exchange, h.c.session, 0, chosen);
  EXPECT_EQ(h.c.session.comPorts, chosen);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].caption, "Writing Error");
  EXPECT_EQ(
      h.frontend.boxes[0].text.rfind("Failed to write " + (h.dir / "COMPORTS.INI").string(), 0),
      0u);
  // An unchanged choice writes nothing.
  h.frontend.boxes.clear();
  SerialSetChange(h.c.exchange, h.c.session, 0, chosen);
  EXPECT_TRUE(h.frontend.boxes.empty());
}

}  // namespace
}  // namespace taviron::test
