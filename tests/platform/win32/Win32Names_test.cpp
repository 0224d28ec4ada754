#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/ComPortNames.h"
#include "config/ComPortSetting.h"
#include "platform/win32/Win32ErrorText.h"
#include "platform/win32/Win32SerialDevices.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

struct NameCase {
  const char* name;
  const char* device;  // "" when the name leads nowhere
};

class ComPortDeviceTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ComPortDeviceTest, LeadsToTheDeviceNamespace) {
  EXPECT_EQ(ComPortDevice(GetParam().name), GetParam().device) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ComPortDeviceTest,
    ::testing::Values(NameCase{"COM1", "\\\\.\\COM1"}, NameCase{"com3", "\\\\.\\COM3"},
                      NameCase{"Com10", "\\\\.\\COM10"}, NameCase{"COM256", "\\\\.\\COM256"},
                      NameCase{"\\\\.\\COM12", "\\\\.\\COM12"}, NameCase{"COM257", ""},
                      NameCase{"COM0", ""}, NameCase{"COM01", ""}, NameCase{"COM", ""},
                      NameCase{"COM1x", ""}, NameCase{"COM-1", ""}, NameCase{"COM1000", ""},
                      NameCase{"LPT1", ""}, NameCase{"", ""}, NameCase{"/dev/ttyS0", ""},
                      NameCase{"/dev/pts/3", ""}, NameCase{"C:\\COM1", ""}),
    [](const auto& info) { return CaseName(info.param.name) + std::to_string(info.index); });

TEST(ComPortSettingTest, TheListNamesTheDeviceEachPortLeadsTo) {
  std::vector<std::string> items = ComPortChoices({}, {});
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0], "COM1 (\\\\.\\COM1)");
  EXPECT_EQ(items[5], "COM6 (\\\\.\\COM6)");
  // TAVIRON_COM2 leads the name to another port, which the list names with its description.
  ASSERT_EQ(_putenv_s("TAVIRON_COM2", "com9"), 0);
  EXPECT_EQ(ComPortDevice("COM2"), "\\\\.\\COM9");
  EXPECT_EQ(ComPortChoice(
                1, ComPortsOf({"COM9"}, {{"COM9", "USB Serial Port (COM9)", "FTDI", "USB"}}), {}),
            "COM2 (COM9, FTDI USB Serial Port, from TAVIRON_COM2)");
  ASSERT_EQ(_putenv_s("TAVIRON_COM2", "/dev/ttyS0"), 0);
  EXPECT_EQ(ComPortDevice("COM2"), "");  // no port of this system
  ASSERT_EQ(_putenv_s("TAVIRON_COM2", ""), 0);
  EXPECT_EQ(ComPortDevice("COM2"), "\\\\.\\COM2");
}

TEST(ComPortsOfTest, TheMapsNamesWithTheInstallersDescriptionsInTheOrderOfTheirNumbers) {
  const std::vector<SerialDevice> devices =
      ComPortsOf({"COM10", "COM2", "LPT1", "COM2"},
                 {{"COM2", "USB Serial Port (COM2)", "FTDI", "FTDIBUS"},
                  {"COM3", "Communications Port (COM3)", "(Standard port types)", "ACPI"},
                  {"COM4", "Bluetooth Link", "Microsoft", "BTHENUM"}});
  ASSERT_EQ(devices.size(), 4u);
  auto row = [](const SerialDevice& d) {
    return d.path + "|" + d.maker + "|" + d.model + "|" + (d.usb ? "usb" : "");
  };
  EXPECT_EQ(row(devices[0]), "COM2|FTDI|USB Serial Port|usb");
  EXPECT_EQ(row(devices[1]), "COM3||Communications Port|");
  EXPECT_EQ(row(devices[2]), "COM4|Microsoft|Bluetooth Link|");
  EXPECT_EQ(row(devices[3]), "COM10|||");
}

TEST(SystemErrorTextTest, TheSystemsWordsWithoutTheLineEnd) {
  std::string text = SystemErrorText(2);  // ERROR_FILE_NOT_FOUND
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
  EXPECT_NE(text.back(), '.');
  EXPECT_EQ(SystemErrorText(0x3FFFFFFF), "system error 1073741823");
}

}  // namespace
}  // namespace taviron::test
