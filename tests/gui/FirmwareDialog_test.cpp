#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "gui/firmware/Fw_update.h"
#include "tests/gui/WindowHarness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

QPushButton* Button(QWidget& w, const char* name) {
  return w.findChild<QPushButton*>(name);
}

TEST(FirmwareDialogTest, UploadsTheChosenFileAndTheSwitchComesBack) {
  WindowHarness h;
  h.Start();
  h.core().access.MaintenanceAdmitted = 1;
  std::string file = BuiltFixture("walk.hex").string();
  h.program->fileDialogHook = [&](bool save, std::string_view filter) {
    EXPECT_FALSE(save);
    EXPECT_EQ(filter, "Intel hexﾌｫｰﾏｯﾄ (*.hex)|*.hex");
    return file;
  };
  bool lockedDuringUpload = false;
  h.Then([&] {
    Tfw_update& dialog = h.program->fwUpdate();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Firmware Upgrade");
    QTest::mouseClick(Button(dialog, "hexfile_open"), Qt::LeftButton);
    EXPECT_EQ(dialog.fileBox()->text().toStdString(), file);
    dialog.fileBox()->setText("/typed/but/not/used.hex");
    h.program->core().exchange.frontend().ProcessMessages();
    QObject::connect(dialog.progress(), &QProgressBar::valueChanged, [&] {
      lockedDuringUpload =
          !Button(dialog, "Button_ok")->isEnabled() && !Button(dialog, "Button2")->isEnabled();
    });
    QTest::mouseClick(Button(dialog, "Button_ok"), Qt::LeftButton);
    EXPECT_EQ(dialog.findChild<QLabel*>("Lb_per")->text(), "100");
    EXPECT_EQ(dialog.findChild<QLabel*>("Lb_update")->text(),
              "Firmware Upgrade:Restoration was completed.");
    EXPECT_EQ(dialog.progress()->value(), 4096);
    QTest::mouseClick(Button(dialog, "Button2"), Qt::LeftButton);
  });
  h.Trigger(h.main().MenuItem("FW1"));
  EXPECT_TRUE(lockedDuringUpload);
  EXPECT_FALSE(h.program->fwUpdate().isVisible());
  EXPECT_EQ(h.model.loader.image, ImageOfHexFile(file));
  EXPECT_EQ(h.main().StatusText(), "Connected");
  EXPECT_TRUE(h.boxes.empty());
}

TEST(FirmwareDialogTest, AFailureShowsInTheStatusBarAfterTheDialog) {
  WindowHarness h;
  h.Start();
  h.core().access.MaintenanceAdmitted = 1;
  h.program->fileDialogHook = [](bool, std::string_view) {
    return SourceFixture("bad-checksum.hex").string();
  };
  h.Then([&] {
    Tfw_update& dialog = h.program->fwUpdate();
    QTest::mouseClick(Button(dialog, "hexfile_open"), Qt::LeftButton);
    QTest::mouseClick(Button(dialog, "Button_ok"), Qt::LeftButton);
    EXPECT_TRUE(Button(dialog, "Button_cancel")->isEnabled());
    QTest::mouseClick(Button(dialog, "Button_cancel"), Qt::LeftButton);
  });
  h.Trigger(h.main().MenuItem("FW1"));
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].text, "File format error.");
  EXPECT_EQ(h.main().StatusText(), "Firmware Update failure");
}

}  // namespace
}  // namespace taviron::test
