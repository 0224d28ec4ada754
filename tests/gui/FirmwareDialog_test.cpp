#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "gui/firmware/Fw_update.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"
#include "tests/support/HexImage.h"
#include "tests/support/TempDir.h"

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
  // What the bar and the percentage show as each record goes, and the outcome text as the
  // upload begins.
  std::vector<std::pair<int, QString>> shown;
  std::vector<QString> outcomeAtStart;
  h.Then([&] {
    Tfw_update& dialog = h.program->fwUpdate();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Firmware Upgrade");
    ClickOn(Button(dialog, "hexfile_open"));
    EXPECT_EQ(dialog.fileBox()->text().toStdString(), file);
    // The box only shows the choice: typing into it changes nothing.
    ClickOn(dialog.fileBox());
    TypeText("x.hex");
    EXPECT_EQ(dialog.fileBox()->text().toStdString(), file);
    QObject::connect(dialog.progress(), &QProgressBar::valueChanged, [&](int value) {
      lockedDuringUpload =
          !Button(dialog, "Button_ok")->isEnabled() && !Button(dialog, "Button2")->isEnabled();
      shown.emplace_back(value, dialog.findChild<QLabel*>("Lb_per")->text());
    });
    h.port.onWrite = [&](const std::string& bytes) {
      if (bytes == "fupm\r\n") {
        outcomeAtStart.push_back(dialog.findChild<QLabel*>("Lb_update")->text());
      }
    };
    for (int upload = 0; upload < 2; ++upload) {
      shown.clear();
      ClickOn(Button(dialog, "Button_ok"));
      EXPECT_EQ(dialog.findChild<QLabel*>("Lb_per")->text(), "100");
      EXPECT_EQ(dialog.findChild<QLabel*>("Lb_update")->text(),
                "Firmware Upgrade:Restoration was completed.");
      EXPECT_EQ(dialog.progress()->value(), dialog.progress()->maximum());
    }
    ClickOn(Button(dialog, "Button2"));
  });
  h.Trigger(h.main().MenuItem("FW1"));
  EXPECT_TRUE(lockedDuringUpload);
  EXPECT_EQ(outcomeAtStart, (std::vector<QString>{"", ""}));
  // The bar ends with the file's last record, at 100 and not before.
  const std::string text = ReadFile(file);
  const int records =
      static_cast<int>(std::count(text.begin(), text.end(), ':')) - 1;  // not the end record
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(h.program->fwUpdate().progress()->maximum(), records);
  for (const auto& [value, percent] : shown) {
    if (value == 0) continue;  // "00" until the first record
    EXPECT_EQ(percent, QString::number(value * 100 / records)) << value;
  }
  EXPECT_EQ(shown.back(), (std::pair<int, QString>{records, "100"}));
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
