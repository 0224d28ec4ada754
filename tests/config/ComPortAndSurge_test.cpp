#include <gtest/gtest.h>

#include "config/ComPortSetting.h"
#include "config/SurgeCounterClear.h"
#include "session/ConnectionLifecycle.h"
#include "session/Startup.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

TEST(ComPortSettingTest, ChangeTakesEffectAtTheNextConnectAndShutdown) {
  Harness h;
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  h.port.names = {"COM3"};
  EXPECT_EQ(SerialSetShow(h.c.exchange.link), 0);
  SerialSetChange(h.c.exchange.link, 2);
  EXPECT_EQ(SerialSetShow(h.c.exchange.link), 2);
  ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  RunShutdown(h.c.exchange, h.c.session, h.c.session.mainWindowBounds);
  EXPECT_NE(ReadFile(h.dir / "SWITCH.INI").find("[Serial]\nPort=2\n"), std::string::npos);
}

TEST(ComPortSettingTest, AnIndexOutOfRangeShowsNoSelectionAndIsKeptWithoutOne) {
  Harness h;
  h.c.exchange.link.ComPortIndex = 9;
  EXPECT_EQ(SerialSetShow(h.c.exchange.link), -1);
  SerialSetChange(h.c.exchange.link, -1);
  EXPECT_EQ(h.c.exchange.link.ComPortIndex, 9);
}

class SurgeCounterClearTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
    h.c.access.MaintenanceAdmitted = 1;
    h.model.state.surgeCounter = 0x190;
  }
  Harness h;
};

TEST_F(SurgeCounterClearTest, AConfirmedClearRefreshes) {
  h.frontend.onDialog = [this](Dialog d) {
    ASSERT_EQ(d, Dialog::kSurgeCounterClear);
    ThClearYes(h.c.exchange, h.c.surgeClear);
  };
  SurgeCounterClearCommand(h.c.exchange, h.c.monitor, h.c.access, h.c.surgeClear);
  std::vector<sim::PortEvent> writes = h.port.Writes();
  ASSERT_GE(writes.size(), 2u);
  EXPECT_EQ(writes[0].bytes, "lcc 0\r\n");
  EXPECT_EQ(writes[1].bytes, "fwv\r\n");
  EXPECT_EQ(writes[1].at, 150);
  EXPECT_EQ(h.model.state.surgeCounter, 0u);
  EXPECT_EQ(h.c.monitor.view.Lb_th_count, "Normal");
  EXPECT_TRUE(h.frontend.boxes.empty());
  // "No" later still refreshes: the flag stays from the clear.
  h.frontend.onDialog = nullptr;
  h.port.ClearEvents();
  SurgeCounterClearCommand(h.c.exchange, h.c.monitor, h.c.access, h.c.surgeClear);
  EXPECT_FALSE(h.Written().empty());
}

TEST_F(SurgeCounterClearTest, NoWithoutAnEarlierClearSendsNothing) {
  SurgeCounterClearCommand(h.c.exchange, h.c.monitor, h.c.access, h.c.surgeClear);
  EXPECT_TRUE(h.Written().empty());
}

TEST_F(SurgeCounterClearTest, TheGateComesFirst) {
  h.c.access.MaintenanceAdmitted = 0;
  SurgeCounterClearCommand(h.c.exchange, h.c.monitor, h.c.access, h.c.surgeClear);
  EXPECT_EQ(h.frontend.maintenancePrompts, 1);
  EXPECT_TRUE(h.frontend.dialogs.empty());
}

struct ClearFailure {
  const char* name;
  std::function<void(Harness&)> arrange;
  const char* text;
  std::uint32_t code;
};

class SurgeClearFailureTest : public SurgeCounterClearTest,
                              public ::testing::WithParamInterface<ClearFailure> {};

TEST_P(SurgeClearFailureTest, OneBoxOneRecordNoRefresh) {
  GetParam().arrange(h);
  h.frontend.onDialog = [this](Dialog) { ThClearYes(h.c.exchange, h.c.surgeClear); };
  SurgeCounterClearCommand(h.c.exchange, h.c.monitor, h.c.access, h.c.surgeClear);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, GetParam().text);
  EXPECT_EQ(h.frontend.boxes[0].caption, "Discharge Element: Clearing Failure");
  EXPECT_EQ(h.LogEntries().substr(21),
            std::to_string(GetParam().code) + "   " + GetParam().text + "\r\n");
  EXPECT_EQ(h.c.surgeClear.SurgeClearDone, 0);
  for (const std::string& w : h.Written())
    EXPECT_NE(w, "fwv\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Points, SurgeClearFailureTest,
    ::testing::Values(ClearFailure{"not sent", [](Harness& h) { h.port.failWrites = 3; },
                                   "Failed to send Clear command.", 10230501},
                      ClearFailure{"no reply", [](Harness& h) { h.model.faults.silent = true; },
                                   "Failed to receive the response of Clear Command.", 10230502},
                      ClearFailure{"refused", [](Harness& h) { h.model.faults.refuse = true; },
                                   "Failed to clear discharge element information.", 10230503}),
    [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace taviron::test
