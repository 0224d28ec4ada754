#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "gui/access/Pass_set.h"
#include "gui/config/AboutBox.h"
#include "gui/config/Fact_set.h"
#include "gui/config/Mac_set.h"
#include "gui/config/Port_set.h"
#include "gui/config/Serial_set.h"
#include "gui/config/Th_clear.h"
#include "tests/gui/WindowHarness.h"

namespace taviron::test {
namespace {

void Click(QWidget& dialog, const char* button) {
  auto* b = dialog.findChild<QPushButton*>(button);
  ASSERT_NE(b, nullptr) << button;
  QTest::mouseClick(b, Qt::LeftButton);
}

TEST(ConfigDialogsTest, PortSettingChangesTheSwitchAndRefreshes) {
  WindowHarness h;
  h.model.state.portModes = "33333333";
  h.Start();
  h.Then([&h] {
    Tport_set& dialog = h.program->portSet();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Port Setting");
    EXPECT_EQ(dialog.List(1)->currentText(), "100Mbps/full");  // preselected from the switch
    dialog.List(1)->setCurrentIndex(0);
    dialog.List(8)->setCurrentIndex(5);
    Click(dialog, "Button_ok");
  });
  h.Trigger(h.main().ToolButton(6));
  EXPECT_EQ(h.model.state.portModes, "03333336");
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].caption, "Port Setting was Complete");
  EXPECT_FALSE(h.program->portSet().isVisible());
  EXPECT_EQ(h.Text("Lb_link1"), "10Mbps");
  EXPECT_EQ(h.Text("Lb_dup1"), "Half");
  EXPECT_EQ(h.Text("Lb_link8"), "Disable");
}

TEST(ConfigDialogsTest, ARefusalBringsThePortDialogBack) {
  WindowHarness h;
  h.Start();
  h.model.faults.replies["ps 3 3"] = "\r\n[1]";
  bool shownAgain = false;
  h.Then([&] {
    Tport_set& dialog = h.program->portSet();
    dialog.List(4)->setCurrentIndex(3);
    Click(dialog, "Button_ok");
    shownAgain = dialog.isVisible();
    Click(dialog, "Button_cancel");
  });
  h.Trigger(h.main().MenuItem("N6"));
  EXPECT_TRUE(shownAgain);
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].caption, "Setting Error");
}

TEST(ConfigDialogsTest, SaveAndOpenAConfigurationFile) {
  WindowHarness h;
  h.model.state.portModes = "01235665";
  h.Start();
  std::string path = (h.dir / "site.cfg").string();
  h.program->fileDialogHook = [&](bool, std::string_view) { return path; };
  h.Trigger(h.main().MenuItem("N21"));
  EXPECT_EQ(ReadFile(h.dir / "site.txt").size(), 80u);
  h.model.state.portModes = "55555555";
  path = (h.dir / "site.txt").string();
  h.Trigger(h.main().MenuItem("N20"));
  EXPECT_EQ(h.model.state.portModes, "01235665");
  EXPECT_EQ(h.Text("Lb_link4"), "100Mbps");
  EXPECT_TRUE(h.boxes.empty());
}

TEST(ConfigDialogsTest, DefaultSettingResetsTheSwitch) {
  WindowHarness h;
  h.model.state.portModes = "00000000";
  h.Start();
  h.Then([&h] {
    Tfact_set& dialog = h.program->factSet();
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(),
              "Do you want to apply to default setting?");
    Click(dialog, "Button_ok");
  });
  h.Trigger(h.main().ToolButton(7));
  EXPECT_EQ(h.model.state.portModes, "55555555");
  EXPECT_EQ(h.model.Restarts(), 1);
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].text, "Default setting was finished.");
  EXPECT_EQ(h.Text("Lb_link1"), "Auto");
}

TEST(ConfigDialogsTest, UserPasswordIsChangedAndRemembered) {
  WindowHarness h;
  h.Start();
  h.Then([&h] {
    Tpass_set& dialog = h.program->passSet();
    auto* first = dialog.findChild<QLineEdit*>("Ed_pass1");
    auto* second = dialog.findChild<QLineEdit*>("Ed_pass2");
    QTest::keyClicks(first, "abcdefghij");  // a ninth character cannot be typed
    EXPECT_EQ(first->text(), "abcdefgh");
    QTest::keyClicks(second, "abcdefgh");
    Click(dialog, "Button_ok");
  });
  h.Trigger(h.main().ToolButton(8));
  EXPECT_EQ(h.model.state.userPassword, "abcdefgh");
  EXPECT_EQ(h.core().access.LoginPassword, "abcdefgh");
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].caption, "Changed User Password");
}

TEST(ConfigDialogsTest, ComPortSettingShowsWhereEachNameLeads) {
  WindowHarness h;
  h.Start();
  h.Trigger(h.main().ToolButton(2));  // the setting is offered only while disconnected
  h.Then([&h] {
    Tserial_set& dialog = h.program->serialSet();
    ASSERT_EQ(dialog.list()->count(), 6);
    EXPECT_EQ(dialog.list()->currentIndex(), 0);
    EXPECT_TRUE(dialog.list()->itemText(5).startsWith("COM6 ("));
    dialog.list()->setCurrentIndex(2);
    Click(dialog, "Button_ok");
  });
  h.Trigger(h.main().ToolButton(3));
  EXPECT_EQ(h.core().exchange.link.ComPortIndex, 2);
}

TEST(ConfigDialogsTest, AboutBoxTellsTheVersion) {
  WindowHarness h;
  h.Start();
  h.Then([&h] {
    TAboutBox& about = h.program->aboutBox();
    EXPECT_EQ(about.windowTitle(), "About TAVIRON");
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "TAVIRON Ver. 1.09");
    Click(about, "OKButton");
  });
  h.Trigger(h.main().MenuItem("N19"));
  EXPECT_FALSE(h.program->aboutBox().isVisible());
}

TEST(ConfigDialogsTest, MaintenanceMenuOffersTheUnboundActions) {
  WindowHarness h;
  h.Start();
  QStringList captions;
  for (QAction* a : h.main().findChild<QMenu*>("N16")->actions()) {
    if (!a->isSeparator()) captions << a->text().remove('&');
  }
  EXPECT_EQ(captions,
            (QStringList{"Enable Get Error", "Disable Get Error", "Firmware Upgrade...",
                         "Clear Surge Counter...", "Relay ON", "Relay OFF", "MAC Address..."}));
}

TEST(ConfigDialogsTest, SurgeCounterIsClearedAndTheWindowRefreshed) {
  WindowHarness h;
  h.model.state.surgeCounter = 0x195;
  h.Start();
  EXPECT_EQ(h.Text("Lb_th_count"), "End of Life");
  h.core().access.MaintenanceAdmitted = 1;
  h.Then([&h] { Click(h.program->thClear(), "Button_ok"); });
  h.Trigger(h.main().MenuItem("N17"));
  EXPECT_EQ(h.model.state.surgeCounter, 0u);
  EXPECT_EQ(h.Text("Lb_th_count"), "Normal");
}

TEST(ConfigDialogsTest, MacAddressIsReadAndSet) {
  WindowHarness h;
  h.Start();
  h.core().access.MaintenanceAdmitted = 1;
  h.Then([&h] {
    Tmac_set& dialog = h.program->macSet();
    EXPECT_EQ(dialog.Box(3)->text(), "C2");
    dialog.Box(1)->clear();
    QTest::keyClicks(dialog.Box(1), "ab");
    EXPECT_EQ(dialog.Box(1)->text(), "AB");  // the first box writes capitals
    dialog.Box(6)->setText("FF");
    Click(dialog, "Button_ok");
  });
  h.Trigger(h.main().MenuItem("MAC1"));
  EXPECT_EQ(h.model.state.mac, "AB 80 C2 12 34 FF");
  ASSERT_EQ(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].text, "MAC address setting finished");
}

TEST(ConfigDialogsTest, RelaySwitchesFromTheMenu) {
  WindowHarness h;
  h.Start();
  h.core().access.MaintenanceAdmitted = 1;
  h.Trigger(h.main().MenuItem("N26"));
  EXPECT_EQ(h.model.state.relay, '0');
  EXPECT_EQ(h.Text("Lb_relay"), "OFF");
  h.Trigger(h.main().MenuItem("N27"));
  EXPECT_EQ(h.model.state.relay, '1');
  EXPECT_EQ(h.Text("Lb_relay"), "ON");
}

}  // namespace
}  // namespace taviron::test
