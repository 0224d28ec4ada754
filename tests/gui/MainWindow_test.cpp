#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <filesystem>
#include <string>

#include "gui/access/Pass_in.h"
#include "gui/common/QtIcons.h"
#include "link/LinkState.h"
#include "session/Startup.h"
#include "tests/gui/OperatorHands.h"
#include "tests/gui/WindowHarness.h"

namespace taviron::test {
namespace {

TEST(MainWindowTest, OpensConnectedAndShowsTheSwitch) {
  WindowHarness h;
  h.model.state.firmwareVersion = "02.31";
  h.model.state.portModes = "33560125";
  h.Start();
  EXPECT_TRUE(h.main().isVisible());
  EXPECT_EQ(h.main().windowTitle(), "TAVIRON");
  EXPECT_EQ(h.main().StatusText(), "Connected");
  EXPECT_EQ(h.Text("Lb_fw_ver"), "02.31");
  EXPECT_EQ(h.Text("Lb_link1"), "100Mbps");
  EXPECT_EQ(h.Text("Lb_dup1"), "Full");
  EXPECT_EQ(h.Text("Lb_link4"), "Disable");
  EXPECT_TRUE(h.boxes.empty());
}

TEST(MainWindowTest, WithoutAPortItShowsPlaceholdersAndSaysSo) {
  WindowHarness h;
  h.port.names.clear();
  h.Start();
  ASSERT_GE(h.boxes.size(), 1u);
  EXPECT_EQ(h.boxes[0].text.rfind("Failed to Open COM port.\r\n\r\nCOM1 does not exist.", 0), 0u);
  EXPECT_EQ(h.main().StatusText(), "Disconnect");
  EXPECT_EQ(h.Text("Lb_fw_ver"), "--.--");
  EXPECT_EQ(h.Text("Lb_relay"), "---");
  EXPECT_TRUE(h.main().ToolButton(1)->isEnabled());
  EXPECT_FALSE(h.main().ToolButton(4)->isEnabled());
}

TEST(MainWindowTest, TheActivationBoxComesWhenADialogGivesTheWindowBackNotAnotherProgram) {
  WindowHarness h;
  h.port.names.clear();  // no port: the port setting is never obtained
  h.Start();
  auto shown = [&h] {
    return std::count_if(h.boxes.begin(), h.boxes.end(), [](const WindowHarness::Box& box) {
      return box.text == "Failed to obtain the port setting.";
    });
  };
  EXPECT_EQ(shown(), 1);  // the first activation
  // Another program takes the keyboard and the operator comes back (a window of no widget of
  // the program stands for it on the offscreen display).
  for (int i = 0; i < 2; ++i) {
    QWindow elsewhere;
    elsewhere.resize(50, 50);
    elsewhere.show();
    elsewhere.requestActivate();
    h.Settle();
    h.main().windowHandle()->requestActivate();
    h.Settle();
  }
  EXPECT_EQ(shown(), 1);
  // One of the program's dialogs closes and gives the window back.
  Operator op;
  op.At("About TAVIRON", [](QWidget&) { PressKey(Qt::Key_Escape); });
  ClickMenuItem(h.main(), "N18", "N19");
  // The window manager gives the keyboard back to the main window (the offscreen display has
  // none to do it).
  h.main().windowHandle()->requestActivate();
  h.Settle();
  EXPECT_TRUE(op.Done()) << op.Report();
  EXPECT_EQ(shown(), 2);
}

TEST(MainWindowTest, ClosingRunsTheShutdownAndSavesWhereTheWindowWas) {
  WindowHarness h;
  h.Start();
  h.main().move(30, 40);
  h.main().close();
  EXPECT_FALSE(h.core().exchange.link.HasPort());
  std::string ini = ReadFile(h.dir / "SWITCH.INI");
  EXPECT_NE(ini.find("Top=40\nLeft=30\nWidth=391\nHeight=561\n"), std::string::npos) << ini;
}

TEST(MainWindowTest, ReopensWhereTheOperatorLeftIt) {
  WindowHarness h;
  WriteFile(h.dir / "SWITCH.INI", "[Size]\nTop=50\nLeft=60\nWidth=300\nHeight=400\n");
  h.Start();
  EXPECT_EQ(h.main().pos(), QPoint(60, 50));
  EXPECT_EQ(h.main().size(), QSize(300, 400));
}

TEST(MainWindowTest, ASavedPlaceOffTheScreenIsMovedOntoItAndKeepsTheSize) {
  WindowHarness h;
  WriteFile(h.dir / "SWITCH.INI", "[Size]\nTop=1500\nLeft=2000\nWidth=300\nHeight=400\n");
  h.Start();
  const QRect screen = h.main().screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(h.main().frameGeometry()))
      << h.main().frameGeometry().x() << "," << h.main().frameGeometry().y();
  EXPECT_EQ(h.main().size(), QSize(300, 400));
}

TEST(MainWindowTest, AClosedLogInWindowLeavesTheSavedBoundsAsTheyWere) {
  WindowHarness h;
  h.model.state.userPassword = "pw";
  WriteFile(h.dir / "SWITCH.INI", "[Size]\nTop=50\nLeft=60\nWidth=300\nHeight=400\n");
  h.Start();
  ASSERT_TRUE(h.program->passIn().isVisible());
  h.program->RequestClose();  // as SIGTERM asks
  h.Settle();
  std::string ini = ReadFile(h.dir / "SWITCH.INI");
  EXPECT_NE(ini.find("Top=50\nLeft=60\nWidth=300\nHeight=400\n"), std::string::npos) << ini;
}

TEST(MainWindowTest, AnEndTheSystemAsksForWaitsOnNoBox) {
  WindowHarness h;
  std::filesystem::create_directory(h.dir / "SWITCH.INI");  // cannot be written at the end
  h.Start();
  ASSERT_TRUE(h.main().isVisible());
  h.program->FollowCloseRequests([] { return true; });  // as SIGTERM asks
  for (int i = 0; i < 50 && h.main().isVisible(); ++i)
    QTest::qWait(20);
  EXPECT_FALSE(h.main().isVisible());
  for (const WindowHarness::Box& box : h.boxes)
    EXPECT_NE(box.text, "Failed to write INI file.");
}

// The share of what the image draws on the background that stands out from it by the ratio.
double ShareStandingOut(const QIcon& image, const QColor& background, double ratio) {
  QImage canvas(48, 48, QImage::Format_RGB32);
  canvas.fill(background);
  QPainter painter(&canvas);
  image.paint(&painter, canvas.rect());
  int drawn = 0, standing = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const QColor seen = canvas.pixelColor(x, y);
      drawn += seen != background;
      standing += seen != background && ContrastRatio(seen, background) >= ratio;
    }
  }
  return drawn == 0 ? 0.0 : static_cast<double>(standing) / drawn;
}

TEST(MainWindowTest, ToolbarImagesStandOutOnALightAndADarkDesktop) {
  const QPalette light = QApplication::style()->standardPalette();
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  const QPalette before = QApplication::palette();
  // Each button's enabled look, then its greyed look.
  const int kImages[][2] = {{45, 51}, {47, 52}, {60, 53}, {50, 54},
                            {48, 55}, {49, 56}, {46, 57}, {58, 59}};
  for (const auto& [theme, palette] : {std::pair{"light", light}, std::pair{"dark", dark}}) {
    QApplication::setPalette(palette);
    const QColor background = palette.color(QPalette::Window);
    for (const auto& [enabled, greyed] : kImages) {
      SCOPED_TRACE(std::string(theme) + " desktop, images " + std::to_string(enabled) + " and " +
                   std::to_string(greyed));
      // The enabled look stands out as a drawing must (3:1); the greyed one is plainly there,
      // yet subdued.
      EXPECT_GE(ShareStandingOut(ToolbarImage(enabled), background, 3.0), 0.5);
      EXPECT_GE(ShareStandingOut(ToolbarImage(greyed), background, 1.5), 0.5);
      EXPECT_LT(ShareStandingOut(ToolbarImage(greyed), background, 3.0), 0.5);
    }
  }
  QApplication::setPalette(before);
}

TEST(MainWindowTest, WhereTheMainWindowIsSmallerThanDesignedItsContentScrolls) {
  WindowHarness h;
  h.Start();
  auto* content = h.main().findChild<QScrollArea*>("ScrollBox1");
  ASSERT_NE(content, nullptr);
  EXPECT_EQ(content->verticalScrollBar()->maximum(), 0);  // as designed, all of it shows
  // As high as a screen of 768 at twice the scale: the status bar stays, the last port is
  // scrolled to (up and down only).
  h.main().resize(h.main().width(), 360);
  h.Settle();
  EXPECT_EQ(content->horizontalScrollBar()->maximum(), 0);
  EXPECT_TRUE(h.main().rect().contains(h.main().statusBar()->geometry()));
  QLabel* lastPort = h.main().findChild<QLabel*>("Lb_link8");
  content->ensureWidgetVisible(lastPort);
  EXPECT_GT(content->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(content->viewport()->rect().contains(
      QRect(lastPort->mapTo(content->viewport(), QPoint(0, 0)), lastPort->size())));
}

}  // namespace
}  // namespace taviron::test
