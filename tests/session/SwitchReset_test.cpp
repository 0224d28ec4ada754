#include "session/SwitchReset.h"

#include <gtest/gtest.h>

#include "program/MenuActions.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

class ResetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
    h.c.access.MaintenanceAdmitted = 1;
  }
  std::vector<std::string> Traffic() const {
    std::vector<std::string> out;
    for (const PortEvent& e : h.port.Events()) {
      std::string at = std::to_string(e.at) + " ";
      if (e.kind == PortEvent::kWrite) out.push_back(at + "write " + e.bytes);
      if (e.kind == PortEvent::kRead) out.push_back(at + "read " + e.bytes);
      if (e.kind == PortEvent::kOpen) out.push_back(at + "open");
      if (e.kind == PortEvent::kClose) out.push_back(at + "close");
    }
    return out;
  }
  Harness h;
};

TEST_F(ResetTest, RestartsTheSwitchAndReconnectsWithoutWakeUpLines) {
  ResetSwitch(h.c.exchange, h.c.monitor, h.c.access);
  std::vector<std::string> t = Traffic();
  ASSERT_GE(t.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 6),
            (std::vector<std::string>{"0 write arst\r\n", "0 close", "2000 open", "2000 write \x02",
                                      "2250 read \r\n[0]", "2250 write fwv\r\n"}));
  EXPECT_EQ(h.model.Restarts(), 1);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
  EXPECT_EQ(h.c.access.MaintenanceAdmitted, 0);
  EXPECT_EQ(h.LogEntries(), "");
  EXPECT_TRUE(h.frontend.boxes.empty());
}

TEST_F(ResetTest, ThePasswordOfTheLogInIsSentWithoutAsking) {
  h.model.state.userPassword = "pw";
  h.c.access.LoggedIn = 1;
  h.c.access.LoginPassword = "pw";
  ResetSwitch(h.c.exchange, h.c.monitor, h.c.access);
  std::vector<std::string> w = h.Written();
  ASSERT_GE(w.size(), 4u);
  EXPECT_EQ(w[2], "pw\r\n");
  EXPECT_EQ(w[3], "fwv\r\n");
  EXPECT_EQ(h.frontend.reLogins, 0);
}

TEST_F(ResetTest, BracketInTheSecondByteIsFound) {
  h.model.faults.only = "probe";
  h.model.faults.replies["probe"] = "x[0]\r";
  ResetSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.c.exchange.link.SwitchMode, '0');
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

TEST_F(ResetTest, APortTakenByAnotherProgramIsReportedOnce) {
  h.port.heldElsewhere = true;
  ResetSwitch(h.c.exchange, h.c.monitor, h.c.access);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text,
            "Failed to reset.\r\n\r\nCOM1 is in use by another program.\r\nClose that program, "
            "then try again.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Reset failure");
  EXPECT_EQ(h.LogEntries().substr(21), "10230901   Failed to reset.(COM Port Open Error)\r\n");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 0);
  EXPECT_EQ(h.Written(), (std::vector<std::string>{"arst\r\n"}));
}

struct ResetFailure {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::uint32_t code;
  int switchAnswered;
};

class ResetFailureTest : public ResetTest, public ::testing::WithParamInterface<ResetFailure> {};

TEST_P(ResetFailureTest, EndsInConnectingFailureWithThePortClosed) {
  GetParam().arrange(h);
  ResetSwitch(h.c.exchange, h.c.monitor, h.c.access);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to reset.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Reset failure");
  EXPECT_EQ(h.LogEntries().substr(21),
            std::to_string(GetParam().code) + "   Failed to reset.(CLI Starting Error)\r\n");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnectingFailure);
  EXPECT_EQ(h.c.monitor.view.statusText, "Connecting failure");
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, GetParam().switchAnswered);
}

void Protected(Harness& h, const std::string& remembered) {
  h.model.state.userPassword = "pw";
  h.c.access.LoggedIn = 1;
  h.c.access.LoginPassword = remembered;
}

INSTANTIATE_TEST_SUITE_P(
    Points, ResetFailureTest,
    ::testing::Values(
        ResetFailure{"switch still restarting", [](Harness& h) { h.model.timing.restart = 5000; },
                     10230912, 0},
        ResetFailure{"no bracket", [](Harness& h) { h.model.faults.replies["probe"] = "\r\n(0]"; },
                     10230913, 0},
        ResetFailure{"bad mode", [](Harness& h) { h.model.faults.replies["probe"] = "\r\n[2]"; },
                     10230914, 0},
        ResetFailure{"password too long to send",
                     [](Harness& h) { Protected(h, std::string(30, 'p')); }, 10230914, 1},
        ResetFailure{"no reply to the password",
                     [](Harness& h) {
                       Protected(h, "pw");
                       h.model.faults.only = "password";
                       h.model.faults.silent = true;
                     },
                     10230915, 1},
        ResetFailure{"password refused", [](Harness& h) { Protected(h, "nope"); }, 10230916, 1}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(ResetTest, TheResetCommandRefreshesAgainWhateverTheOutcome) {
  ResetCommand(h.c);
  int refreshes = 0;
  for (const std::string& w : h.Written())
    refreshes += w == "fwv\r\n";
  EXPECT_EQ(refreshes, 2);

  Harness failed;
  failed.Connect();
  failed.port.heldElsewhere = true;
  ResetCommand(failed.c);
  EXPECT_EQ(failed.c.monitor.view.statusText, "Communication failure");
}

}  // namespace
}  // namespace taviron::test
