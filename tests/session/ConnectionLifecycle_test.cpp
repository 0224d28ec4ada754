#include "session/ConnectionLifecycle.h"

#include <gtest/gtest.h>

#include "access/Login.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

class ConnectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.c.access.MaintenanceAdmitted = 1;
    h.c.access.superPassIn.Ed_pass = "typed before";
  }
  bool Sent(const std::string& bytes) const {
    for (const std::string& w : h.Written()) {
      if (w == bytes) return true;
    }
    return false;
  }
  Harness h;
};

TEST_F(ConnectTest, ASwitchWithoutPasswordIsGreetedAndRefreshed) {
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  std::vector<std::string> w = h.Written();
  ASSERT_GE(w.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + 6),
            (std::vector<std::string>{"q\r", "q\r", "q\r", "q\r", "\x02", "fwv\r\n"}));
  EXPECT_EQ(h.port.Events().front().kind, PortEvent::kOpen);
  EXPECT_EQ(h.port.Events().front().at, 50);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
  EXPECT_EQ(h.c.access.MaintenanceAdmitted, 0);
  EXPECT_EQ(h.c.access.superPassIn.Ed_pass, "");
  EXPECT_EQ(h.c.monitor.view.statusText, "Connected");
  EXPECT_TRUE(h.frontend.boxes.empty());
}

TEST_F(ConnectTest, AMissingPortLeavesStateOneSilently) {
  h.port.names.clear();
  h.c.monitor.view.statusText = "Communication failure";
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.c.monitor.view.statusText, "Communication failure");
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(h.LogEntries(), "");
}

TEST_F(ConnectTest, WhileConnectedThePortIsClosedAndOpenedAgain) {
  h.Connect();
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.port.Events().front().kind, PortEvent::kLowerDtr);
  EXPECT_EQ(h.port.Opens(), 2);
}

TEST_F(ConnectTest, TheRememberedPasswordIsSentToAProtectedSwitch) {
  h.model.state.userPassword = "pw";
  h.c.access.LoggedIn = 1;
  h.c.access.LoginPassword = "pw";
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_TRUE(Sent("pw\r\n"));
  EXPECT_TRUE(Sent("fwv\r\n"));
  EXPECT_EQ(h.frontend.reLogins, 0);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

struct FailureCase {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::uint32_t code;
  int switchAnswered;
  std::string lineError;
};

class ConnectFailureTest : public ConnectTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ConnectFailureTest, IsReportedAndEndsInConnectingFailure) {
  GetParam().arrange(h);
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  // The cause follows a blank line: the port and what the switch did not do.
  const std::string& box = h.frontend.boxes[0].text;
  EXPECT_EQ(box.rfind("Failed to reconnect.\r\n\r\n", 0), 0u) << box;
  EXPECT_NE(box.find(" on COM1"), std::string::npos) << box;
  EXPECT_EQ(h.frontend.boxes[0].caption, "Reconnect Error");
  std::string code = std::to_string(GetParam().code) + "   ";
  // The code comes before the box, the message after it.
  EXPECT_EQ(h.frontend.boxes[0].logSoFar.substr(kLogHeader.size() + 21), code);
  EXPECT_EQ(h.LogEntries().substr(21), code + "Failed to reconnect.\r\n" + GetParam().lineError);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnectingFailure);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, GetParam().switchAnswered);
  EXPECT_EQ(h.c.monitor.view.statusText, "Connecting failure");
  EXPECT_EQ(h.c.monitor.view.Lb_fw_ver, "--.--");
}

void Protected(Harness& h) {
  h.model.state.userPassword = "pw";
  h.c.access.LoggedIn = 1;
  h.c.access.LoginPassword = "pw";
}

INSTANTIATE_TEST_SUITE_P(
    Points, ConnectFailureTest,
    ::testing::Values(FailureCase{"probe not sent",
                                  [](Harness& h) {
                                    h.port.failWrites = 15;
                                    h.port.lineErrors = 0x0400;
                                  },
                                  10230911, 0, "(I/O Error)\r\n"},
                      FailureCase{"no reply", [](Harness& h) { h.model.faults.silent = true; },
                                  10230912, 0, "\r\n"},
                      FailureCase{"no bracket", [](Harness& h) { h.model.faults.garbled = true; },
                                  10230913, 0, "\r\n"},
                      FailureCase{"bad mode",
                                  [](Harness& h) { h.model.faults.replies["probe"] = "[7xxx"; },
                                  10230914, 0, "\r\n"},
                      FailureCase{"password not sent",
                                  [](Harness& h) {
                                    Protected(h);
                                    h.c.access.LoginPassword =
                                        std::string(40, 'x');  // more than the line holds
                                  },
                                  10230914, 1, "\r\n"},
                      FailureCase{"no reply to the password",
                                  [](Harness& h) {
                                    Protected(h);
                                    h.model.faults.only = "password";
                                    h.model.faults.silent = true;
                                  },
                                  10230915, 1, "\r\n"},
                      FailureCase{"password refused",
                                  [](Harness& h) {
                                    Protected(h);
                                    h.c.access.LoginPassword = "old";
                                  },
                                  10230916, 1, "\r\n"}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(ConnectTest, WithoutARememberedPasswordTheOperatorIsAsked) {
  h.model.state.userPassword = "pw";
  h.frontend.onReLogin = [this] {
    EXPECT_EQ(PassIn2Ok(h.c.exchange, h.c.monitor, h.c.access, "wrong"), LoginStep::kStay);
    EXPECT_EQ(PassIn2Ok(h.c.exchange, h.c.monitor, h.c.access, "pw"), LoginStep::kAccepted);
  };
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.frontend.reLogins, 1);
  EXPECT_EQ(h.c.access.LoggedIn, 1);
  EXPECT_EQ(h.c.access.LoginPassword, "pw");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_TRUE(Sent("fwv\r\n"));
}

TEST_F(ConnectTest, AnAbandonedReLoginClosesThePortAndTheProgram) {
  h.model.state.userPassword = "pw";
  h.frontend.onReLogin = [this] { PassIn2Cancel(h.c.exchange, h.c.monitor); };
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.c.monitor.view.statusText, "Disconnect");
  EXPECT_GE(h.frontend.closeRequests, 1);
  EXPECT_FALSE(Sent("fwv\r\n"));
}

TEST_F(ConnectTest, DisconnectClosesAndShowsPlaceholders) {
  h.Connect();
  DisconnectSwitch(h.c.exchange, h.c.monitor);
  DisconnectSwitch(h.c.exchange, h.c.monitor);  // again: harmless
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.c.monitor.view.statusText, "Disconnect");
  EXPECT_EQ(h.c.monitor.view.Lb_relay, "---");
  EXPECT_TRUE(h.c.monitor.view.Look(Command::kConnect).enabled);
}

}  // namespace
}  // namespace taviron::test
