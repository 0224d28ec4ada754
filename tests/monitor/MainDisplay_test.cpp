#include "monitor/MainDisplay.h"

#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

class RefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
  }
  Harness h;
};

TEST_F(RefreshTest, QueriesInOrderWithTheirWaits) {
  RefreshAll(h.c.exchange, h.c.monitor);
  std::vector<std::pair<TimeMs, std::string>> traffic;
  for (const PortEvent& e : h.port.Events()) {
    if (e.kind == PortEvent::kWrite || e.kind == PortEvent::kRead) {
      traffic.emplace_back(e.at, e.kind == PortEvent::kWrite ? e.bytes : "read");
    }
  }
  EXPECT_EQ(traffic, (std::vector<std::pair<TimeMs, std::string>>{
                         {0, "fwv\r\n"},
                         {190, "read"},
                         {190, "lci\r\n"},
                         {380, "read"},
                         {380, "feg\r\n"},
                         {560, "read"},
                         {560, "rg\r\n"},
                         {710, "read"},
                         {710, "pg 8\r\n"},
                         {1000, "read"},
                         {1000, "peg 8\r\n"},
                         {1290, "read"},
                     }));
  EXPECT_EQ(h.c.monitor.view.statusText, "Connected");
  EXPECT_EQ(h.LogEntries(), "");
}

TEST_F(RefreshTest, FillsEveryLabel) {
  h.model.state.firmwareVersion = "02.10";
  h.model.state.surgeCounter = 0x185;
  h.model.state.relay = '0';
  h.model.state.portModes = "01235665";
  RefreshAll(h.c.exchange, h.c.monitor);
  const MainView& v = h.c.monitor.view;
  EXPECT_EQ(v.Lb_fw_ver, "02.10");
  EXPECT_EQ(v.Lb_th_count, "Near End");
  EXPECT_EQ(v.Lb_fw_state, "Normal");
  EXPECT_FALSE(v.Label6Visible);
  EXPECT_EQ(v.Lb_relay, "OFF");
  std::array<std::string, 8> speed{"10Mbps", "10Mbps",  "100Mbps", "100Mbps",
                                   "Auto",   "Disable", "Disable", "Auto"};
  std::array<std::string, 8> duplex{"Half", "Full", "Half", "Full", "", "", "", ""};
  EXPECT_EQ(v.Lb_link, speed);
  EXPECT_EQ(v.Lb_dup, duplex);
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{0, 1, 2, 3, 4, 5, 5, 4}));
}

TEST_F(RefreshTest, AbnormalSwitchShowsCodeAndMessageUntilItIsNormalAgain) {
  h.model.state.firmwareError = "8401";
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_fw_state, "Abnormal");
  EXPECT_EQ(h.c.monitor.view.Lb_err_code, "008401");
  EXPECT_EQ(h.c.monitor.view.Lb_err_mes1, "Relay ON  Test Error");
  EXPECT_TRUE(h.c.monitor.view.Label6Visible);
  h.model.state.firmwareError = "7777";
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_err_code, "007777");
  EXPECT_EQ(h.c.monitor.view.Lb_err_mes1, "");
  h.model.state.firmwareError = "0000";
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_fw_state, "Normal");
  EXPECT_EQ(h.c.monitor.view.Lb_err_code, "");
  EXPECT_FALSE(h.c.monitor.view.Label6Visible);
}

TEST_F(RefreshTest, PortErrorsOverrideTheModeAndAreLogged) {
  h.model.state.portModes = "33333333";
  h.model.state.portErrors = "05200080";
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_link[1], "Network Error");
  EXPECT_EQ(h.c.monitor.view.Lb_dup[1], "");
  EXPECT_EQ(h.c.monitor.view.Lb_link[2], "100Mbps");  // '2' is no known error
  EXPECT_EQ(h.c.monitor.view.Lb_dup[2], "Full");
  EXPECT_EQ(h.c.monitor.view.Lb_link[6], "Hardware Error");
  EXPECT_EQ(h.LogEntries(), Stamp(1290) + "00000005   PORT2:Network Error\r\n" + Stamp(1290) +
                                "00000008   PORT7:Hardware Error\r\n");
}

TEST_F(RefreshTest, UnknownPortConfigurationLeavesRowsAndListSelections) {
  h.c.monitor.portSelection = {1, 1, 1, 1, 1, 1, 1, 1};
  h.model.faults.only = "pg";
  h.model.faults.silent = true;
  RefreshAll(h.c.exchange, h.c.monitor);
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(h.c.monitor.view.Lb_link[n], "Communication Error");
    EXPECT_EQ(h.c.monitor.view.Lb_dup[n], "");
  }
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(RefreshTest, AnUnknownCodeKeepsOnlyItsOwnPortUnknown) {
  h.c.monitor.portSelection = {0, 0, 0, 0, 0, 0, 0, 0};
  h.model.state.portModes = "33460125";
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_link[2], "Communication Error");
  EXPECT_EQ(h.c.monitor.view.Lb_link[3], "Disable");
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{3, 3, 0, 5, 0, 1, 2, 4}));
}

TEST_F(RefreshTest, ASilentSwitchEndsInCommunicationFailure) {
  h.model.faults.silent = true;
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_fw_ver, "--.--");
  EXPECT_EQ(h.c.monitor.view.Lb_th_count, "----    ");
  EXPECT_EQ(h.c.monitor.view.Lb_fw_state, "----");
  EXPECT_EQ(h.c.monitor.view.Lb_relay, "----");
  EXPECT_EQ(h.c.monitor.view.statusText, "Communication failure");
  EXPECT_TRUE(h.c.monitor.view.Look(Command::kConnect).enabled);
  EXPECT_FALSE(h.c.monitor.view.Look(Command::kRefresh).enabled);
  EXPECT_TRUE(h.c.exchange.link.HasPort());  // the port stays open
  EXPECT_EQ(h.c.monitor.status.PortErrors, "");
}

TEST(MainDisplayTest, SaveFollowsTheGreetingWhereTheLayoutLeavesIt) {
  Harness h;
  h.Connect();
  h.c.exchange.link.LinkState = kLinkConnecting;
  h.c.exchange.link.SwitchAnswered = 0;
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_FALSE(h.c.monitor.view.menuSave);
  h.c.exchange.link.SwitchAnswered = 1;
  h.c.exchange.link.LinkState = kLinkFirmwareUpdateFailure;
  RefreshAll(h.c.exchange, h.c.monitor);
  EXPECT_TRUE(h.c.monitor.view.menuSave);
}

TEST(MainDisplayTest, LogMenuItemsAreNeverBothEnabled) {
  Harness h;
  for (std::uint8_t value : {0, 1, 2}) {
    h.c.exchange.log.LogEnabled = value;
    UpdateLogMenu(h.c.exchange, h.c.monitor);
    EXPECT_NE(h.c.monitor.view.menuEnableGetError, h.c.monitor.view.menuDisableGetError);
    EXPECT_EQ(h.c.monitor.view.menuDisableGetError, value == 1);
  }
}

TEST(MainDisplayTest, PlaceholdersWhileDisconnected) {
  Harness h;
  h.c.exchange.link.LinkState = kLinkDisconnect;
  FormShow(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.c.monitor.view.Lb_fw_ver, "--.--");
  EXPECT_EQ(h.c.monitor.view.Lb_th_count, "----");
  EXPECT_EQ(h.c.monitor.view.Lb_fw_state, "----");
  EXPECT_EQ(h.c.monitor.view.Lb_relay, "---");
  EXPECT_EQ(h.c.monitor.view.Lb_link[7], "Communication Error");
  EXPECT_EQ(h.c.monitor.view.statusText, "Disconnect");
  EXPECT_TRUE(h.port.Events().empty());
}

TEST(MainDisplayTest, PortSettingMessageOnActivation) {
  Harness h;
  h.EnableLog();
  FormActivate(h.c.exchange, h.c.monitor);  // PortErrors still holds its first value
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to obtain the port setting.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Port Configuration acquisition Error");
  EXPECT_EQ(h.LogEntries(),
            Stamp() + "10000120   Failed to obtain the port setting.(Hardware Error)\r\n");
  // Which activations run it is the window's rule (RunsActivationHandler): each that does
  // shows the box again.
  FormActivate(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.frontend.boxes.size(), 2u);
}

TEST(MainDisplayTest, RefreshAndCheckReportsEveryPortInCommunicationError) {
  Harness h;
  h.EnableLog();
  h.Connect();
  h.model.state.portErrors = "77777777";
  RefreshAndCheck(h.c.exchange, h.c.monitor);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_NE(
      h.LogEntries().find("10000121   Failed to obtain the port setting.(Hardware Error)\r\n"),
      std::string::npos);
  h.model.state.portErrors = "00000000";
  h.model.faults.only = "peg";
  h.model.faults.silent = true;  // a failed query leaves nothing to test
  RefreshAndCheck(h.c.exchange, h.c.monitor);
  EXPECT_EQ(h.frontend.boxes.size(), 1u);
}

}  // namespace
}  // namespace taviron::test
