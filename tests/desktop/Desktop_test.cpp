// The program as an operator meets it: on a virtual display with a window manager, against the
// simulated switch on a pseudo-terminal, with keys and clicks sent through the X server.
#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <vector>

#include "base/SerialDevices.h"
#include "tests/support/Desktop.h"
#include "tests/support/Process.h"
#include "tests/support/ProgramRun.h"

namespace taviron::test {
namespace {

constexpr int kWait = 10000;

// The window fills itself from the switch when it opens and after a change, and takes no input
// meanwhile: the port error query comes last. True once the switch has seen this many.
bool RefreshesDone(SwitchSim& sim, int count) {
  for (int i = 0; i < 100; ++i) {
    int seen = 0;
    for (const std::string& line : sim.Lines())
      seen += line == "peg\\s8";  // blanks escaped
    if (seen >= count) {
      usleep(300000);  // its reply, and the window drawn
      return true;
    }
    usleep(100000);
  }
  return false;
}

std::map<std::string, std::string> On(const Desktop& desktop) {
  return {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", desktop.Display()}};
}

TEST(DesktopTest, EveryWindowIsTitledWithItsCaptionAndTakesKeysAndClicks) {
  Desktop desktop;
  ASSERT_TRUE(desktop.Ready());
  SwitchSim sim;
  ProgramRun run(sim.Device());
  auto program = run.Start(On(desktop));
  std::optional<std::string> main = desktop.WaitForWindow("TAVIRON", kWait);
  ASSERT_TRUE(main);
  ASSERT_TRUE(RefreshesDone(sim, 1));
  desktop.Activate(*main);

  // Help > TAVIRON Version from the keyboard, closed with Escape.
  desktop.Keys("alt+h");
  desktop.Keys("t");
  std::optional<std::string> about = desktop.WaitForWindow("About TAVIRON", kWait);
  ASSERT_TRUE(about);
  EXPECT_TRUE(desktop.WaitUntilActive("About TAVIRON", kWait)) << desktop.ActiveWindowName();
  desktop.Keys("Escape");
  EXPECT_TRUE(desktop.WaitUntilGone(*about, kWait));

  // Again, closed with a click on its OK button, which sits centred at its foot.
  desktop.Keys("alt+h");
  desktop.Keys("t");
  about = desktop.WaitForWindow("About TAVIRON", kWait);
  ASSERT_TRUE(about);
  ASSERT_TRUE(desktop.WaitUntilActive("About TAVIRON", kWait));
  std::optional<Desktop::Geometry> box = desktop.WindowGeometry(*about);
  ASSERT_TRUE(box);
  desktop.ClickAt(box->x + box->width / 2, box->y + box->height - 22);
  EXPECT_TRUE(desktop.WaitUntilGone(*about, kWait));

  // Setting > Port: the list of port 1 changed from the keyboard, and Return sets the ports.
  desktop.Keys("alt+s");
  desktop.Keys("p");
  std::optional<std::string> ports = desktop.WaitForWindow("Port Setting", kWait);
  ASSERT_TRUE(ports);
  EXPECT_TRUE(desktop.WaitUntilActive("Port Setting", kWait)) << desktop.ActiveWindowName();
  desktop.Keys("Up");  // Auto to 100Mbps/full
  desktop.Keys("Return");
  std::optional<std::string> done = desktop.WaitForWindow("Port Setting was Complete", kWait);
  ASSERT_TRUE(done);
  ASSERT_TRUE(desktop.WaitUntilActive("Port Setting was Complete", kWait));
  desktop.Keys("Return");
  EXPECT_TRUE(desktop.WaitUntilGone(*done, kWait));
  EXPECT_TRUE(sim.WaitFor("port-modes", "35555555", kWait));
  ASSERT_TRUE(RefreshesDone(sim, 2));

  // The maintenance gate's window, titled as its caption; Escape leaves it.
  desktop.Keys("alt+m");
  desktop.Keys("e");
  std::optional<std::string> gate = desktop.WaitForWindow("Enter Maintenance Password", kWait);
  ASSERT_TRUE(gate);
  ASSERT_TRUE(desktop.WaitUntilActive("Enter Maintenance Password", kWait));
  desktop.Keys("Escape");
  EXPECT_TRUE(desktop.WaitUntilGone(*gate, kWait));

  program->Signal(SIGTERM);
  EXPECT_EQ(program->Wait(kWait), 0);
}

TEST(DesktopTest, TheLogInWindowsAndTheCOMPortsDevicesTakeTheOperatorsKeys) {
  Desktop desktop;
  ASSERT_TRUE(desktop.Ready());
  SwitchSim sim({"--password", "pw"});
  ProgramRun run(sim.Device());
  auto program = run.Start(On(desktop));

  // The log-in window: a wrong password typed and sent with Return leaves it asking; the right
  // one, typed over it, opens the main window.
  std::optional<std::string> login = desktop.WaitForWindow("Enter Password", kWait);
  ASSERT_TRUE(login);
  ASSERT_TRUE(desktop.WaitUntilActive("Enter Password", kWait));
  desktop.Type("wrong");
  desktop.Keys("Return");
  ASSERT_TRUE(sim.WaitFor("logged-in", "0", kWait));
  usleep(500000);
  EXPECT_EQ(desktop.ActiveWindowName(), "Enter Password");
  desktop.Keys("ctrl+a");
  desktop.Type("pw");
  desktop.Keys("Return");
  std::optional<std::string> main = desktop.WaitForWindow("TAVIRON", kWait);
  ASSERT_TRUE(main);
  EXPECT_TRUE(sim.WaitFor("logged-in", "1", kWait));
  ASSERT_TRUE(RefreshesDone(sim, 1));

  program->Signal(SIGTERM);
  ASSERT_EQ(program->Wait(kWait), 0);

  // A switch that asked for no password at start asks for one at the next Connect, after a
  // Disconnect: the re-log-in window takes it.
  sim.Control("set password");
  program = run.Start(On(desktop));
  main = desktop.WaitForWindow("TAVIRON", kWait);
  ASSERT_TRUE(main);
  ASSERT_TRUE(RefreshesDone(sim, 2));
  sim.Control("set password new");
  desktop.Activate(*main);
  desktop.Keys("alt+c");
  desktop.Keys("d");
  usleep(500000);
  desktop.Keys("alt+c");
  desktop.Keys("c");
  std::optional<std::string> again = desktop.WaitForWindow("Enter Password", kWait);
  ASSERT_TRUE(again);
  ASSERT_TRUE(desktop.WaitUntilActive("Enter Password", kWait));
  desktop.Type("new");
  desktop.Keys("Return");
  EXPECT_TRUE(desktop.WaitUntilGone(*again, kWait));
  EXPECT_TRUE(sim.WaitFor("logged-in", "1", kWait));
  ASSERT_TRUE(RefreshesDone(sim, 3));

  // Disconnected, COM Port > Setting: COM2 chosen in the first list, then the first device this
  // computer has in the second (none: the list holds only COM2's default), and Change.
  desktop.Keys("alt+c");
  desktop.Keys("d");
  usleep(500000);
  desktop.Keys("alt+c");
  desktop.Keys("s");
  std::optional<std::string> com = desktop.WaitForWindow("COM Port Setting", kWait);
  ASSERT_TRUE(com);
  ASSERT_TRUE(desktop.WaitUntilActive("COM Port Setting", kWait));
  desktop.Keys("alt+p");
  desktop.Keys("Down");
  desktop.Keys("alt+d");
  desktop.Keys("Down");
  desktop.Keys("alt+h");
  EXPECT_TRUE(desktop.WaitUntilGone(*com, kWait));
  const std::vector<SerialDevice> devices = FindSerialDevices();
  if (devices.empty()) {
    EXPECT_FALSE(std::filesystem::exists(run.directory() / "COMPORTS.INI"));
  } else {
    EXPECT_EQ(ReadFile(run.directory() / "COMPORTS.INI"),
              "[Ports]\nCOM2=" + AssignmentPath(devices.front()) + "\n");
  }

  program->Signal(SIGTERM);
  EXPECT_EQ(program->Wait(kWait), 0);
  // COM2 is the port of the next start; COM1 still leads to the simulator by the environment.
  EXPECT_NE(run.Settings().find("[Serial]\nPort=1\n"), std::string::npos) << run.Settings();
}

TEST(DesktopTest, AtScaleTwoOnASmallScreenEveryWindowIsOnIt) {
  // A small screen at twice the scale: 512 by 384 in the program's pixels, where the main window
  // as designed would be higher than the screen and the file dialogs larger.
  Desktop desktop(1024, 768);
  ASSERT_TRUE(desktop.Ready());
  SwitchSim sim;
  ProgramRun run(sim.Device());
  std::map<std::string, std::string> env = On(desktop);
  env["QT_SCALE_FACTOR"] = "2";
  auto program = run.Start(env);
  std::optional<std::string> main = desktop.WaitForWindow("TAVIRON", kWait);
  ASSERT_TRUE(main);
  ASSERT_TRUE(RefreshesDone(sim, 1));
  auto onScreen = [&desktop](const std::string& window) {
    std::optional<Desktop::Geometry> g = desktop.WindowGeometry(window);
    return g && g->x >= 0 && g->y >= 0 && g->x + g->width <= 1024 && g->y + g->height <= 768;
  };
  EXPECT_TRUE(onScreen(*main));
  // File > Save opens the file dialog, whose buttons are on the screen too.
  desktop.Activate(*main);
  desktop.Keys("ctrl+s");
  std::optional<std::string> save = desktop.WaitForWindow("Save As", kWait);
  ASSERT_TRUE(save);
  EXPECT_TRUE(onScreen(*save));
  desktop.Keys("Escape");
  EXPECT_TRUE(desktop.WaitUntilGone(*save, kWait));
  program->Signal(SIGTERM);
  EXPECT_EQ(program->Wait(kWait), 0);
}

class LogInWindowClosedTest : public testing::TestWithParam<bool> {};

// Closed from the window manager (Alt+F4) or by SIGTERM while it asks for the password.
TEST_P(LogInWindowClosedTest, TheSavedBoundsSurvive) {
  const bool byWindowManager = GetParam();
  Desktop desktop;
  ASSERT_TRUE(desktop.Ready());
  SwitchSim sim({"--password", "pw"});
  ProgramRun run(sim.Device());
  run.WriteSettings("[Size]\nTop=50\nLeft=60\nWidth=391\nHeight=561\n");
  auto program = run.Start(On(desktop));
  ASSERT_TRUE(desktop.WaitForWindow("Enter Password", kWait));
  ASSERT_TRUE(desktop.WaitUntilActive("Enter Password", kWait));
  if (byWindowManager) {
    desktop.Keys("alt+F4");
  } else {
    program->Signal(SIGTERM);
  }
  EXPECT_EQ(program->Wait(kWait), 0);
  std::string ini = run.Settings();
  EXPECT_NE(ini.find("Top=50\nLeft=60\nWidth=391\nHeight=561\n"), std::string::npos) << ini;
}

INSTANTIATE_TEST_SUITE_P(Desktop, LogInWindowClosedTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "ByTheWindowManager" : "BySigterm";
                         });

}  // namespace
}  // namespace taviron::test
