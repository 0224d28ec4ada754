#include <gtest/gtest.h>

#include <string>

#include "base/ComPortNames.h"
#include "config/ComPortSetting.h"
#include "platform/win32/Win32ErrorText.h"
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
  std::vector<std::string> items = ComPortChoices();
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0], "COM1 (\\\\.\\COM1)");
  EXPECT_EQ(items[5], "COM6 (\\\\.\\COM6)");
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
