#include <gtest/gtest.h>

#include <sstream>

#include "cli/Tool.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"
#include "tests/support/TempDir.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

TEST(ToolDevicesTest, ListsTheDevicesAndWhereEachCOMNameLeadsAsTheWindowDoes) {
  FakeDeviceTree tree;
  tree.PlugAdapter("ttyUSB1", "Evil\x1b[2J", "Cable");
  TempDir dir;
  WriteFile(dir / "COMPORTS.INI", "[Ports]\nCOM2=" + tree.AdapterLink() + "\n");
  cli::ToolOptions options;
  options.settingsDirectory = dir.path();
  options.deviceRoots = tree.roots();
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  std::ostringstream out, err;
  cli::Tool tool(port, clock, options, out, err);
  EXPECT_EQ(tool.Devices(), 0);
  const std::string d = tree.roots().dev.string();
  EXPECT_EQ(out.str(),
            "Serial devices:\n"
            "  " +
                d +
                "/ttyACM0 (USB 2341:0043)\n"
                "  " +
                d +
                "/ttyS0\n"
                "  " +
                d + "/ttyUSB0 (FTDI FT232R USB UART)  " + tree.AdapterLink() +
                "\n"
                "  " +
                d +
                "/ttyUSB1 (Evil\\x1B[2J Cable)\n"
                "COM ports:\n"
                "  COM1 (/dev/ttyS0)\n"
                "  COM2 (" +
                d +
                "/ttyUSB0, FTDI FT232R USB UART)\n"
                "  COM3 (/dev/ttyS2)\n"
                "  COM4 (/dev/ttyS3)\n"
                "  COM5 (/dev/ttyS4)\n"
                "  COM6 (/dev/ttyS5)\n");
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(model.Lines().size(), 0u);  // the switch is not asked
}

}  // namespace
}  // namespace taviron::test
