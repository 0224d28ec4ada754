// What the main window shows, computed from the link state and the values read: the command
// layouts, the status bar, the switch status and the port rows.
#include "views/MainLayout.h"

#include <gtest/gtest.h>

#include <array>

#include "link/LinkState.h"

namespace taviron::test {
namespace {

struct Look {
  Command command;
  bool enabled;
  int image;
};

constexpr std::array<Look, kCommandCount> kConnectedLooks{{{Command::kConnect, false, 51},
                                                           {Command::kDisconnect, true, 47},
                                                           {Command::kComPortSetting, false, 53},
                                                           {Command::kPort, true, 50},
                                                           {Command::kDefaultSetting, true, 48},
                                                           {Command::kUserPassword, true, 49},
                                                           {Command::kRefresh, true, 46},
                                                           {Command::kReset, true, 58}}};
constexpr std::array<Look, kCommandCount> kDisconnectedLooks{{{Command::kConnect, true, 45},
                                                              {Command::kDisconnect, false, 52},
                                                              {Command::kComPortSetting, true, 60},
                                                              {Command::kPort, false, 54},
                                                              {Command::kDefaultSetting, false, 55},
                                                              {Command::kUserPassword, false, 56},
                                                              {Command::kRefresh, false, 57},
                                                              {Command::kReset, false, 59}}};

enum class Layout { kUnchanged, kDisconnected, kConnected };

TEST(MainLayoutTest, EachLinkStateHasItsStatusTextAndLayout) {
  const struct {
    int state;
    const char* text;
    Layout layout;
  } cases[] = {
      {kLinkDisconnect, "Disconnect", Layout::kDisconnected},
      {kLinkConnecting, "Connecting...", Layout::kUnchanged},
      {kLinkConnected, "Connected", Layout::kConnected},
      {kLinkCommunicationFailure, "Communication failure", Layout::kDisconnected},
      {kLinkConnectingFailure, "Connecting failure", Layout::kDisconnected},
      {kLinkFirmwareUpdateFailure, "Firmware Update failure", Layout::kUnchanged},
      {7, "before", Layout::kUnchanged},  // no link state: nothing changes
  };
  for (const auto& c : cases) {
    MainView v;
    v.statusText = "before";
    v.Look(Command::kRefresh) = {true, 99};
    EXPECT_EQ(ApplyLinkState(v, c.state), c.state != 7) << c.state;
    EXPECT_EQ(v.statusText, c.text) << c.state;
    if (c.layout == Layout::kUnchanged) {
      EXPECT_EQ(v.Look(Command::kRefresh).image, 99) << c.state;
      continue;
    }
    const bool connected = c.layout == Layout::kConnected;
    for (const Look& look : connected ? kConnectedLooks : kDisconnectedLooks) {
      EXPECT_EQ(v.Look(look.command).enabled, look.enabled) << c.state;
      EXPECT_EQ(v.Look(look.command).image, look.image) << c.state;
    }
    for (bool menu :
         {v.menuView, v.menuSetting, v.menuMaintenance, v.menuOpen, v.menuSave, v.menuDisconnect}) {
      EXPECT_EQ(menu, connected) << c.state;
    }
    EXPECT_EQ(v.menuConnect, !connected) << c.state;
    EXPECT_EQ(v.menuComPortSetting, !connected) << c.state;
  }
}

TEST(MainLayoutTest, ABusyWindowShowsEveryCommandUnavailableAndThenItsLayoutAgain) {
  for (int state : {kLinkDisconnect, kLinkConnected}) {
    MainView v;
    ApplyLinkState(v, state);
    const MainView busy = AsShown(v, true);
    for (std::size_t i = 0; i < kConnectedLooks.size(); ++i) {
      const Command command = kConnectedLooks[i].command;
      const int greyed =
          kConnectedLooks[i].enabled ? kDisconnectedLooks[i].image : kConnectedLooks[i].image;
      EXPECT_FALSE(busy.Look(command).enabled) << state << " " << i;
      EXPECT_EQ(busy.Look(command).image, greyed) << state << " " << i;
    }
    for (bool menu : {busy.menuConnect, busy.menuDisconnect, busy.menuComPortSetting, busy.menuView,
                      busy.menuSetting, busy.menuMaintenance, busy.menuOpen, busy.menuSave,
                      busy.menuEnableGetError, busy.menuDisableGetError, busy.menuAbout}) {
      EXPECT_FALSE(menu) << state;
    }
    const MainView idle = AsShown(v, false);
    EXPECT_EQ(idle.commands[0].image, v.commands[0].image) << state;
    EXPECT_EQ(idle.menuConnect, v.menuConnect) << state;
    EXPECT_TRUE(idle.menuAbout) << state;
  }
}

TEST(MainLayoutTest, TheSwitchStatusFollowsItsSelfTestCode) {
  const struct {
    const char* code;
    const char* state;
    const char* shownCode;
    bool colon;
  } cases[] = {
      {"0000", "Normal", "", false},
      {"----", "----", "", false},  // not obtained
      {"FFFF", "----", "", false},
      {"8202", "Abnormal", "008202", true},
  };
  for (const auto& c : cases) {
    MainView v;
    v.Lb_err_mes1 = "old";
    ShowSwitchStatus(v, c.code, "Memory error");
    EXPECT_EQ(v.Lb_fw_state, c.state) << c.code;
    EXPECT_EQ(v.Lb_err_code, c.shownCode) << c.code;
    EXPECT_EQ(v.Lb_err_mes1, c.colon ? "Memory error" : "") << c.code;
    EXPECT_EQ(v.Label6Visible, c.colon) << c.code;
  }
}

TEST(MainLayoutTest, PortRowsAndRelayShowWhatIsKnown) {
  MainView v;
  ShowPortRowsUnknown(v);
  // Ports 1 to 6 in each mode, port 7 an unknown code, port 8 missing from a short reply.
  ShowPortModes(v, "1234569");
  const std::array<std::pair<const char*, const char*>, kPortCount> rows{
      {{"10Mbps", "Half"},
       {"10Mbps", "Full"},
       {"100Mbps", "Half"},
       {"100Mbps", "Full"},
       {"Auto", ""},
       {"Disable", ""},
       {"Communication Error", ""},
       {"Communication Error", ""}}};
  for (std::size_t n = 0; n < rows.size(); ++n) {
    EXPECT_EQ(v.Lb_link[n], rows[n].first) << n;
    EXPECT_EQ(v.Lb_dup[n], rows[n].second) << n;
  }
  EXPECT_EQ(RelayText("1"), "ON");
  EXPECT_EQ(RelayText("0"), "OFF");
  EXPECT_EQ(RelayText("255"), "----");  // the query failed
}

}  // namespace
}  // namespace taviron::test
