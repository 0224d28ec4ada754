#include <gtest/gtest.h>

#include <QScreen>

#include "gui/access/Pass_in.h"
#include "link/LinkState.h"
#include "session/Startup.h"
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

}  // namespace
}  // namespace taviron::test
