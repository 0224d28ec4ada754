#include "config/DefaultSetting.h"

#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

class DefaultSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
    h.model.state.portModes = "01230123";
    FactSetShow(h.c.defaultSetting);
  }
  Harness h;
};

TEST_F(DefaultSettingTest, DefaultsThenResetThenRefreshes) {
  h.frontend.onDialog = [this](Dialog) {
    FactSetYes(h.c.exchange, h.c.monitor, h.c.access, h.c.defaultSetting);
  };
  int viewChangesAtBox = -1;
  h.frontend.onBox = [&](const RecordingFrontend::Box&) { viewChangesAtBox = h.port.Opens(); };
  DefaultSettingCommand(h.c.exchange, h.c.monitor, h.c.defaultSetting);
  std::vector<std::string> w = h.Written();
  ASSERT_GE(w.size(), 3u);
  EXPECT_EQ(w[0], "eini\r\n");
  EXPECT_EQ(w[1], "arst\r\n");
  EXPECT_EQ(w[2], "\x02");
  // The reply is read after 2000 ms and the 50 ms wait for its five bytes.
  for (const PortEvent& e : h.port.Events()) {
    if (e.kind == PortEvent::kRead) {
      EXPECT_EQ(e.at, 2050);
      break;
    }
  }
  EXPECT_EQ(h.model.state.portModes, "55555555");
  EXPECT_EQ(h.model.Restarts(), 1);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Default setting was finished.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Finished Default Setting");
  EXPECT_EQ(viewChangesAtBox, 2);  // the box follows the reconnect
  int refreshes = 0;
  for (const std::string& s : w)
    refreshes += s == "fwv\r\n";
  EXPECT_EQ(refreshes, 2);  // the reset's own, then the opener's
  EXPECT_EQ(h.c.defaultSetting.DefaultSetDone, 1);
  EXPECT_EQ(h.c.defaultSetting.factSet.Label4, "Default Setting......");
  EXPECT_FALSE(h.c.defaultSetting.factSet.buttonsVisible);
  EXPECT_GE(h.frontend.processMessages, 1);
}

TEST_F(DefaultSettingTest, TheButtonsGoBeforeAnythingIsSent) {
  bool hiddenBeforeSending = false;
  h.frontend.onDialogChanged = [&](Dialog d) {
    if (d == Dialog::kDefaultSetting && !h.c.defaultSetting.factSet.buttonsVisible &&
        h.port.Writes().empty()) {
      hiddenBeforeSending = true;
    }
  };
  h.port.ClearEvents();
  FactSetYes(h.c.exchange, h.c.monitor, h.c.access, h.c.defaultSetting);
  EXPECT_TRUE(hiddenBeforeSending);
}

struct Failure {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::uint32_t code;
};

class DefaultSettingFailureTest : public DefaultSettingTest,
                                  public ::testing::WithParamInterface<Failure> {};

TEST_P(DefaultSettingFailureTest, ReportsWithoutResetOrRefresh) {
  GetParam().arrange(h);
  h.frontend.onDialog = [this](Dialog) {
    FactSetYes(h.c.exchange, h.c.monitor, h.c.access, h.c.defaultSetting);
  };
  DefaultSettingCommand(h.c.exchange, h.c.monitor, h.c.defaultSetting);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to set the default setting.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Setting Error");
  std::string code = std::to_string(GetParam().code) + "   ";
  EXPECT_EQ(h.frontend.boxes[0].logSoFar.substr(kLogHeader.size() + 21), code);
  EXPECT_EQ(h.LogEntries().substr(21), code + "Failed to set the default setting.\r\n");
  EXPECT_EQ(h.model.Restarts(), 0);
  EXPECT_EQ(h.c.defaultSetting.DefaultSetDone, 0);
  for (const std::string& w : h.Written())
    EXPECT_NE(w, "fwv\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Points, DefaultSettingFailureTest,
    ::testing::Values(
        Failure{"not sent", [](Harness& h) { h.port.failWrites = 3; }, 10230301},
        Failure{"no reply", [](Harness& h) { h.model.faults.silent = true; }, 10230302},
        Failure{"refused", [](Harness& h) { h.model.faults.refuse = true; }, 10230303},
        Failure{"short reply", [](Harness& h) { h.model.faults.shortReply = 3; }, 10230303}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(DefaultSettingTest, NoSendsNothingAndTheNextShowingAsksAgain) {
  DefaultSettingCommand(h.c.exchange, h.c.monitor, h.c.defaultSetting);
  EXPECT_TRUE(h.Written().empty());
  h.c.defaultSetting.factSet = {"", "Default Setting......", false};
  FactSetShow(h.c.defaultSetting);
  EXPECT_EQ(h.c.defaultSetting.factSet.Label1, "Do you want to apply to default setting?");
  EXPECT_EQ(h.c.defaultSetting.factSet.Label4, "");
  EXPECT_TRUE(h.c.defaultSetting.factSet.buttonsVisible);
}

}  // namespace
}  // namespace taviron::test
