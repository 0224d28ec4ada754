#include "access/Maintenance.h"

#include <gtest/gtest.h>

#include "program/MenuActions.h"
#include "session/ConnectionLifecycle.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

class MaintenanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
  }
  Harness h;
};

TEST_F(MaintenanceTest, AskedForOnceAndConfirmedByTheSwitch) {
  h.frontend.onMaintenancePassword = [this] {
    SuperPassInShow(h.c.access);
    EXPECT_EQ(h.c.access.superPassIn.Label1, "Please type maintenance password.");
    EXPECT_TRUE(SuperPassInOk(h.c.exchange, h.c.access, "qorplemt"));
  };
  EXPECT_TRUE(MaintenanceGate(h.c.exchange, h.c.access));
  EXPECT_EQ(h.Written(), (std::vector<std::string>{"passwd qorplemt\r\n"}));
  EXPECT_TRUE(h.model.MaintenanceAdmitted());
  EXPECT_EQ(h.model.state.userPassword, "");
  EXPECT_TRUE(MaintenanceGate(h.c.exchange, h.c.access));  // no second question
  EXPECT_EQ(h.frontend.maintenancePrompts, 1);
  // A new connection asks again, with the box emptied.
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.c.access.MaintenanceAdmitted, 0);
  EXPECT_EQ(h.c.access.superPassIn.Ed_pass, "");
}

TEST_F(MaintenanceTest, LoggingInWithTheMaintenancePasswordPassesEvenAfterAReconnect) {
  h.c.access.LoginPassword = "qorplemt";
  EXPECT_TRUE(MaintenanceGate(h.c.exchange, h.c.access));
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_TRUE(MaintenanceGate(h.c.exchange, h.c.access));
  EXPECT_EQ(h.frontend.maintenancePrompts, 0);
}

TEST_F(MaintenanceTest, CancelDoesNotAdmitAndLogsNothing) {
  EXPECT_FALSE(MaintenanceGate(h.c.exchange, h.c.access));
  EXPECT_EQ(h.frontend.maintenancePrompts, 1);
  EXPECT_EQ(h.LogEntries(), "");
}

TEST_F(MaintenanceTest, AWrongPasswordIsToldInTheLabelsAndNothingIsSent) {
  EXPECT_FALSE(SuperPassInOk(h.c.exchange, h.c.access, "Qorplemt"));
  EXPECT_EQ(h.c.access.superPassIn.Label1, "Password is incorrect.");
  EXPECT_EQ(h.c.access.superPassIn.Label6, "Please retype maintenance password.");
  EXPECT_EQ(h.c.access.superPassIn.Ed_pass, "Qorplemt");
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_TRUE(h.Written().empty());
  EXPECT_EQ(h.LogEntries().substr(21), "10110904   Failed to enter maintenance password.\r\n");
}

struct GateError {
  const char* name;
  std::function<void(Harness&)> arrange;
  const char* text;
  std::uint32_t code;
};

class MaintenanceErrorTest : public MaintenanceTest,
                             public ::testing::WithParamInterface<GateError> {};

TEST_P(MaintenanceErrorTest, ShowsABoxLogsAndStaysOpen) {
  GetParam().arrange(h);
  EXPECT_FALSE(SuperPassInOk(h.c.exchange, h.c.access, "qorplemt"));
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, GetParam().text);
  EXPECT_EQ(h.frontend.boxes[0].caption, "Maintenance Password Setting Error");
  EXPECT_EQ(h.frontend.boxes[0].logSoFar, kLogHeader);  // the box comes first
  EXPECT_EQ(h.LogEntries().substr(21),
            std::to_string(GetParam().code) + "   " + GetParam().text + "\r\n");
  EXPECT_EQ(h.c.access.MaintenanceAdmitted, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Points, MaintenanceErrorTest,
    ::testing::Values(GateError{"not sent", [](Harness& h) { h.c.exchange.link.CloseConnection(); },
                                "Failed to send maintenance password.", 10110901},
                      GateError{"no reply", [](Harness& h) { h.model.faults.silent = true; },
                                "Failed to receive maintenance password response.", 10110902},
                      GateError{"refused", [](Harness& h) { h.model.faults.refuse = true; },
                                "Failed to set maintenance password.", 10110903},
                      GateError{"short reply", [](Harness& h) { h.model.faults.shortReply = 3; },
                                "Failed to set maintenance password.", 10110903}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(MaintenanceTest, LoggingIsSwitchedOnAndOffBehindTheGate) {
  Harness fresh;
  fresh.Connect();
  fresh.c.access.MaintenanceAdmitted = 1;
  EnableGetError(fresh.c);
  EXPECT_EQ(fresh.c.exchange.log.LogEnabled, 1);
  EXPECT_EQ(fresh.Log(), kLogHeader);
  EXPECT_FALSE(fresh.c.monitor.view.menuEnableGetError);
  DisableGetError(fresh.c);
  EXPECT_EQ(fresh.c.exchange.log.LogEnabled, 0);
  EXPECT_EQ(fresh.Log(), kLogHeader);  // no closing line when switched off
  EXPECT_TRUE(fresh.c.monitor.view.menuEnableGetError);

  fresh.c.access.MaintenanceAdmitted = 0;
  EnableGetError(fresh.c);  // the gate asks, the operator cancels
  EXPECT_EQ(fresh.c.exchange.log.LogEnabled, 0);
}

}  // namespace
}  // namespace taviron::test
