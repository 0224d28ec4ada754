// The first start on a laptop: the COM name leads to a device that is not there, the one USB
// adapter is, and the operator answers the question with the keyboard or the mouse. The real
// windows and the POSIX port against taviron-switchsim behind the adapter's device file.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "base/SystemSerialPort.h"
#include "gui/app/QtProgram.h"
#include "gui/common/QtClock.h"
#include "gui/monitor/Switch_main.h"
#include "platform/posix/PosixSerialPort.h"
#include "tests/gui/OperatorHands.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

enum class Answer { kYesByKeyboard, kNoByMouse };

class AdapterQuestionTest : public ::testing::TestWithParam<Answer> {};

TEST_P(AdapterQuestionTest, TheOnlyAdapterIsOfferedOnceAtStartUp) {
  SwitchSim sim;
  FakeDeviceTree tree;
  tree.UnplugModem();
  tree.LeadAdapterTo(sim.Device());
  TempDir dir;
  // An adapter chosen on another day, not plugged in now.
  const std::string gone = tree.Dev("serial/by-id/usb-Gone_Adapter-if00-port0");
  const std::string assigned = "[Ports]\nCOM1=" + gone + "\n";
  WriteFile(dir / "COMPORTS.INI", assigned);
  PosixSerialPort port;
  QtClock clock;
  auto program = std::make_unique<QtProgram>(port, clock, dir.path());
  program->core().session.deviceRoots = tree.roots();
  LeadComNames(port, &program->core().session.comPorts);
  const bool yes = GetParam() == Answer::kYesByKeyboard;

  Operator op([&program](QWidget* window) { return program->AwaitsOperator(window); });
  op.At("COM Port Setting", [&](QWidget& w) {
    auto* box = qobject_cast<QMessageBox*>(&w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(),
              "COM1 leads to " + gone + ", which does not exist.\nOne USB serial adapter is " +
                  "plugged in: " + tree.Dev("ttyUSB0") +
                  " (FTDI FT232R USB UART).\n\nUse it as COM1? COM Port Setting can change this " +
                  "later.");
    if (yes) {
      PressKey(Qt::Key_Y, Qt::AltModifier);
    } else {
      ClickOn(box->button(QMessageBox::No));
    }
  });
  if (!yes) op.At("TAVIRON starting failed", [](QWidget&) { PressKey(Qt::Key_Return); });
  program->Create();
  ASSERT_TRUE(program->Start());
  EXPECT_TRUE(op.Done()) << op.Report();

  TForm_MainWindow& main = program->mainWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !main.StatusText().isEmpty(); }, 10000));
  EXPECT_EQ(main.StatusText(), yes ? "Connected" : "Disconnect");
  EXPECT_EQ(ReadFile(dir / "COMPORTS.INI"),
            yes ? "[Ports]\nCOM1=" + tree.AdapterLink() + "\n" : assigned);
  EXPECT_EQ(sim.State("probes") != "0", yes);
  main.close();
}

INSTANTIATE_TEST_SUITE_P(Hands, AdapterQuestionTest,
                         ::testing::Values(Answer::kYesByKeyboard, Answer::kNoByMouse),
                         [](const auto& info) {
                           return info.param == Answer::kYesByKeyboard ? "YesByKeyboard"
                                                                       : "NoByMouse";
                         });

}  // namespace
}  // namespace taviron::test
