// The window program for Windows as an operator meets it: taviron.exe under Wine on a virtual
// display with a window manager, against the simulated switch on COM1, with keys and clicks sent
// through the X server and what the windows show read back with taviron-probe.
// scripts/test-windows.sh builds both programs and runs these tests in its Wine prefix.
#include <gtest/gtest.h>

#include "tests/support/Desktop.h"
#include "tests/support/Process.h"
#include "tests/wine/WineWindows.h"

namespace taviron::test {
namespace {

constexpr int kWait = 20000;

class WindowProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string missing = WineProgram::Missing();
    ASSERT_TRUE(missing.empty()) << missing << ": run these tests through scripts/test-windows.sh";
    ASSERT_TRUE(desktop.Ready());
  }

  Desktop desktop;
};

TEST_F(WindowProgramTest, StartsWithTheSwitchsValuesAndWritesItsSettingsOnClose) {
  SwitchSim sim({"--fw-version", "02.15", "--port-modes", "36555550", "--relay", "0"});
  WineProgram wine(desktop, sim.Device());
  auto program = wine.Start();

  // The refresh that fills the window ends with the link state in the status bar.
  ASSERT_TRUE(wine.WaitForText("TAVIRON", "StatusBar1", "Connected", kWait));
  std::optional<ProbedWindow> main = wine.WaitForActive("TAVIRON", kWait);
  ASSERT_TRUE(main);
  wine.Screenshot("main-window");
  EXPECT_EQ(main->Control("Lb_fw_ver").text, "02.15");
  EXPECT_EQ(main->Control("Lb_th_count").text, "Normal");
  EXPECT_EQ(main->Control("Lb_fw_state").text, "Normal");
  EXPECT_EQ(main->Control("Lb_relay").text, "OFF");
  EXPECT_FALSE(main->Control("Label6").Visible());
  const struct {
    const char* speed;
    const char* duplex;
  } ports[] = {{"100Mbps", "Full"}, {"Disable", ""}, {"Auto", ""}, {"Auto", ""},
               {"Auto", ""},        {"Auto", ""},    {"Auto", ""}, {"10Mbps", "Half"}};
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(main->Control("Lb_link" + std::to_string(n)).text, ports[n - 1].speed) << n;
    EXPECT_EQ(main->Control("Lb_dup" + std::to_string(n)).text, ports[n - 1].duplex) << n;
  }
  // The connected layout: connecting and choosing the port are over, the rest can be done.
  ProbedWindows seen = wine.Look();
  EXPECT_FALSE(seen.Button(1).enabled);
  EXPECT_EQ(seen.Button(1).image, 51);
  EXPECT_TRUE(seen.Button(2).enabled);
  EXPECT_EQ(seen.Button(4).image, 46);

  // File > Close from the keyboard: the shutdown writes the settings beside the program.
  desktop.Keys("alt+f");
  desktop.Keys("c");
  EXPECT_EQ(program->Wait(kWait), 0);
  const std::string settings = wine.Settings();
  EXPECT_NE(settings.find("[Serial]\nPort=0\n[Log]\nEnable=0\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Width=391\n"), std::string::npos) << settings;
}

}  // namespace
}  // namespace taviron::test
