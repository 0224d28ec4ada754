#include <gtest/gtest.h>

#include "base/SerialDevices.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

TEST(SerialDevicesTest, PortsWithHardwareAreFoundWithTheNamesTheirMakersGive) {
  FakeDeviceTree tree;
  const std::vector<SerialDevice> found = FindSerialDevices(tree.roots());
  // ttyS1 has no UART behind it, tty0 is a console: neither leads to a switch.
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0],
            (SerialDevice{"ttyACM0", tree.Dev("ttyACM0"), "", true, "", "", "2341:0043"}));
  EXPECT_EQ(found[1], (SerialDevice{"ttyS0", tree.Dev("ttyS0"), "", false, "", "", ""}));
  EXPECT_EQ(found[2], (SerialDevice{"ttyUSB0", tree.Dev("ttyUSB0"), tree.AdapterLink(), true,
                                    "FTDI", "FT232R USB UART", "0403:6001"}));
  // The choice of an adapter is kept by the name that outlives re-plugging.
  EXPECT_EQ(AssignmentPath(found[2]), tree.AdapterLink());
  EXPECT_EQ(AssignmentPath(found[1]), tree.Dev("ttyS0"));
}

TEST(SerialDevicesTest, NumbersSortAsNumbersAndAnUnpluggedAdapterIsGone) {
  FakeDeviceTree tree;
  tree.PlugAdapter("ttyUSB10", "Prolific", "USB-Serial Controller");
  tree.UnplugAdapter();
  tree.PlugAdapter("ttyUSB9", "Prolific", "USB-Serial Controller");
  std::vector<std::string> names;
  for (const SerialDevice& d : FindSerialDevices(tree.roots()))
    names.push_back(d.name);
  EXPECT_EQ(names, (std::vector<std::string>{"ttyACM0", "ttyS0", "ttyUSB9", "ttyUSB10"}));
}

TEST(SerialDevicesTest, ASystemWithoutTheTreeHasNone) {
  TempDir empty;
  EXPECT_TRUE(FindSerialDevices({empty / "sys", empty / "dev"}).empty());
}

}  // namespace
}  // namespace taviron::test
