#include <gtest/gtest.h>

#include <cstdlib>

#include "config/ComPortSetting.h"

namespace taviron::test {
namespace {

TEST(ComPortSettingTest, TheListNamesTheDeviceEachPortLeadsTo) {
  ::setenv("TAVIRON_COM2", "/dev/ttyUSB0", 1);
  std::vector<std::string> items = ComPortChoices();
  ::unsetenv("TAVIRON_COM2");
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[1], "COM2 (/dev/ttyUSB0)");
  EXPECT_EQ(items[5], "COM6 (/dev/ttyS5)");
}

}  // namespace
}  // namespace taviron::test
