// A switch left in its ROM loader, restored by the operator's hands: the box at start-up says
// what to do, and Maintenance > Firmware Upgrade does it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "base/FailureCatalogue.h"
#include "gui/firmware/Fw_update.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

void Click(QWidget& window, const char* button) {
  auto* found = window.findChild<QPushButton*>(button);
  ASSERT_NE(found, nullptr) << button;
  ClickOn(found);
}

TEST(LoaderRestorationTest, TheBoxSaysWhatToDoAndFirmwareUpgradeRestoresTheSwitch) {
  WindowHarness h;
  h.model.StrandInLoader();
  h.Start();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&h.main()));
  ASSERT_GE(h.boxes.size(), 2u);
  EXPECT_EQ(h.boxes[0].text, "Failed to start TAVIRON.");
  EXPECT_EQ(h.boxes[1].text, failure::kSwitchInLoader.box);
  EXPECT_EQ(h.main().StatusText(), "Connecting failure");
  EXPECT_FALSE(h.main().MenuItem("MAC1")->isEnabled());
  h.boxes.clear();

  // The system's file dialog is not this program's: the chosen file is handed over.
  h.program->fileDialogHook = [](bool, std::string_view) {
    return BuiltFixture("walk.hex").string();
  };
  {
    Operator op([&h](QWidget* window) { return h.program->AwaitsOperator(window); });
    op.At("Enter Maintenance Password",
          [](QWidget&) {
            TypeText("qorplemt");
            PressKey(Qt::Key_Return);
          })
        .At("Firmware Upgrade", [](QWidget& w) { Click(w, "hexfile_open"); })
        .At("Firmware Upgrade", [](QWidget& w) { Click(w, "Button_ok"); })
        .At("Firmware Upgrade", [](QWidget& w) {
          EXPECT_EQ(w.findChild<QLabel*>("Lb_update")->text(),
                    "Firmware Upgrade:Restoration was completed.");
          Click(w, "Button2");
        });
    ClickMenuItem(h.main(), "N16", "FW1");
    h.Settle();
    EXPECT_TRUE(op.Done()) << op.Report();
  }
  EXPECT_TRUE(h.boxes.empty());
  EXPECT_EQ(h.model.loader.image, ImageOfHexFile(BuiltFixture("walk.hex")));
  EXPECT_EQ(h.model.CurrentMode(h.clock.Now()), sim::SwitchModel::Mode::kCommandLine);
  EXPECT_EQ(h.main().StatusText(), "Connected");
  EXPECT_TRUE(h.main().MenuItem("MAC1")->isEnabled());
  EXPECT_FALSE(h.program->Busy());
}

}  // namespace
}  // namespace taviron::test
