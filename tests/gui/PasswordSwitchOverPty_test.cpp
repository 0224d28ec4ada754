// The real windows, the POSIX port and the program's clock against taviron-switchsim on a
// pseudo-terminal, in real time.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

#include "gui/access/Pass_in.h"
#include "gui/app/QtProgram.h"
#include "gui/common/QtClock.h"
#include "gui/monitor/Switch_main.h"
#include "platform/posix/PosixSerialPort.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

TEST(PasswordSwitchOverPtyTest, LogInRefreshResetDisconnectAndClose) {
  SwitchSim sim({"--password", "pw"});
  ::setenv("TAVIRON_COM1", sim.Device().c_str(), 1);
  TempDir dir;
  PosixSerialPort port;
  QtClock clock;
  std::vector<std::string> boxes;
  auto program = std::make_unique<QtProgram>(port, clock, dir.path());
  program->messageBoxHook = [&](const std::string& text, const std::string&) {
    boxes.push_back(text);
  };
  program->Create();
  ASSERT_TRUE(program->Start());
  TForm_MainWindow& main = program->mainWindow();
  Tpass_in& login = program->passIn();
  ASSERT_TRUE(login.isVisible());

  QTest::keyClicks(login.entry(), "pw");
  QTest::mouseClick(login.okButton(), Qt::LeftButton);
  ASSERT_TRUE(main.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return main.Label("Lb_link8")->text() == "Auto"; }, 10000));
  EXPECT_EQ(main.Label("Lb_fw_ver")->text(), "01.09");
  EXPECT_EQ(main.StatusText(), "Connected");
  EXPECT_EQ(sim.State("logged-in"), "1");

  sim.Control("set fw-version 05.55");
  main.ToolButton(4)->trigger();
  EXPECT_EQ(main.Label("Lb_fw_ver")->text(), "05.55");

  main.ToolButton(5)->trigger();  // reset: the switch restarts, the password goes again
  EXPECT_EQ(sim.State("restarts"), "1");
  EXPECT_EQ(sim.State("logged-in"), "1");
  EXPECT_EQ(main.StatusText(), "Connected");

  main.ToolButton(2)->trigger();
  EXPECT_EQ(main.StatusText(), "Disconnect");
  EXPECT_FALSE(port.IsOpen());

  main.close();
  EXPECT_TRUE(boxes.empty());
  EXPECT_NE(ReadFile(dir / "SWITCH.INI").find("[Serial]\nPort=0\n"), std::string::npos);
  ::unsetenv("TAVIRON_COM1");
}

}  // namespace
}  // namespace taviron::test
