// The COM Port Setting dialog points a COM name at a serial device, by the operator's hands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "gui/config/Serial_set.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

enum class Hands { kMouse, kKeyboard };

class ComPortDevicesTest : public ::testing::TestWithParam<Hands> {};

TEST_P(ComPortDevicesTest, AnAdapterChosenForACOMNameIsKeptByItsStableName) {
  FakeDeviceTree tree;
  WindowHarness h;
  h.realBoxes = true;
  h.Start();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.main()));
  h.core().session.deviceRoots = tree.roots();
  ClickToolButton(h.main(), 2);  // disconnect
  h.Settle();
  std::string shownForCom3;
  {
    Operator op([&h](QWidget* window) { return h.program->AwaitsOperator(window); });
    op.At("COM Port Setting", [&](QWidget& w) {
      auto* ports = w.findChild<QComboBox*>("ComboBox1");
      auto* devices = w.findChild<QComboBox*>("Cmb_device");
      ASSERT_TRUE(ports != nullptr && devices != nullptr);
      // COM3's list: its default, then ttyACM0, ttyS0 and the adapter.
      if (GetParam() == Hands::kMouse) {
        PickFromList(ports, 2);
        PickFromList(devices, 3);
        shownForCom3 = ports->itemText(2).toStdString();
        ClickOn(w.findChild<QPushButton*>("Button_ok"));
      } else {
        PressKey(Qt::Key_P, Qt::AltModifier);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_D, Qt::AltModifier);
        EXPECT_EQ(FocusedWidget(), devices);
        for (int i = 0; i < 3; ++i)
          PressKey(Qt::Key_Down);
        shownForCom3 = ports->itemText(2).toStdString();
        PressKey(Qt::Key_H, Qt::AltModifier);
      }
    });
    ClickToolButton(h.main(), 3);
    h.Settle();
    EXPECT_TRUE(op.Done()) << op.Report();
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(shownForCom3, "COM3 (" + tree.Dev("ttyUSB0") + ", FTDI FT232R USB UART)");
  EXPECT_EQ(h.core().exchange.link.ComPortIndex, 2);
  EXPECT_EQ(h.core().session.comPorts.device[2], tree.AdapterLink());
  EXPECT_EQ(ReadFile(h.dir / "COMPORTS.INI"), "[Ports]\nCOM3=" + tree.AdapterLink() + "\n");
}

INSTANTIATE_TEST_SUITE_P(Hands, ComPortDevicesTest,
                         ::testing::Values(Hands::kMouse, Hands::kKeyboard), [](const auto& info) {
                           return info.param == Hands::kMouse ? "ByMouse" : "ByKeyboard";
                         });

}  // namespace
}  // namespace taviron::test
