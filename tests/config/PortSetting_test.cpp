#include "config/PortSetting.h"

#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

class PortSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
    h.c.monitor.portSelection = {4, 3, 0, 1, 2, 5, 4, 4};  // Auto, 100/full, 10/half, ...
  }
  std::vector<std::pair<TimeMs, std::string>> Traffic() const {
    std::vector<std::pair<TimeMs, std::string>> out;
    for (const PortEvent& e : h.port.Events()) {
      if (e.kind == PortEvent::kWrite) out.emplace_back(e.at, e.bytes);
      if (e.kind == PortEvent::kRead) out.emplace_back(e.at, "read " + e.bytes);
    }
    return out;
  }
  Harness h;
};

TEST_F(PortSettingTest, SendsEightPortsInOrderWithTheirWaits) {
  EXPECT_TRUE(PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting));
  std::vector<std::pair<TimeMs, std::string>> t = Traffic();
  ASSERT_EQ(t.size(), 16u);
  const char codes[] = {'5', '3', '0', '1', '2', '6', '5', '5'};
  for (int i = 0; i < 8; ++i) {
    TimeMs start = 250 * i;
    EXPECT_EQ(t[2 * i], std::make_pair(start, "ps " + std::to_string(i) + " " + codes[i] + "\r\n"));
    EXPECT_EQ(t[2 * i + 1], std::make_pair(start + 250, std::string("read \r\n[0]")));
  }
  EXPECT_EQ(h.model.state.portModes, "53012655");
  EXPECT_EQ(h.c.monitor.status.PortConfig, "54123655");
  EXPECT_EQ(h.c.portSetting.PortSetDone, 1);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Setting the port configuration was successful.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Port Setting was Complete");
  EXPECT_EQ(h.LogEntries(), "");
}

TEST_F(PortSettingTest, ARefusedPortStillLetsTheOthersGo) {
  h.model.faults.replies["ps 2 0"] = "\r\n[1]";
  EXPECT_FALSE(PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting));
  EXPECT_EQ(h.Written().size(), 8u);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Setting the port configuration was not successful.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Setting Error");
  EXPECT_EQ(h.LogEntries().substr(21), "10230203   Failed to set the port setting.\r\n");
  EXPECT_EQ(h.c.portSetting.PortSetDone, 0);
  // The operator's choice stays, as display codes.
  EXPECT_EQ(h.c.monitor.status.PortConfig, "54123655");
}

TEST_F(PortSettingTest, AReplyShorterThanFourBytesIsARefusal) {
  h.model.faults.shortReply = 3;
  EXPECT_EQ(SendPortSettings(h.c.exchange, h.c.monitor.status),
            1);  // PortConfig holds "FFFFFFFF": sent as it stands
  EXPECT_EQ(h.Written().size(), 8u);
}

TEST_F(PortSettingTest, AFailedWriteStopsAtItsPort) {
  h.port.writesUntilFailure = 4;
  EXPECT_FALSE(PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting));
  std::vector<std::string> w = h.Written();
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w.back(), "ps 3 1\r\n");
  std::string log = h.LogEntries();
  std::size_t second = log.find("10230203");
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(log.substr(21, second - 42), "10230201   Failed to set the port setting\r\n");
  EXPECT_EQ(log.substr(second), "10230203   Failed to set the port setting.\r\n");
}

TEST_F(PortSettingTest, AFailedReadStopsToo) {
  Harness fresh;
  fresh.EnableLog();
  fresh.Connect();
  fresh.c.monitor.status.PortConfig = "53012655";
  fresh.model.faults.only = "ps";
  fresh.model.faults.silent = true;
  EXPECT_EQ(SendPortSettings(fresh.c.exchange, fresh.c.monitor.status), 1);
  EXPECT_EQ(fresh.Written().size(), 1u);
  EXPECT_EQ(fresh.LogEntries().substr(21), "10230202   Failed to set the port setting\r\n");
}

TEST_F(PortSettingTest, AListWithoutSelectionIsNamedAndNothingIsSent) {
  h.c.monitor.portSelection[5] = -1;
  EXPECT_FALSE(PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting));
  EXPECT_TRUE(h.Written().empty());
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Choose the speed and duplex of port #6.");
}

TEST_F(PortSettingTest, ShowingTheDialogSelectsWhatIsKnown) {
  h.c.monitor.portSelection.fill(-1);
  h.c.monitor.status.PortConfig = "FFFFFFFF";
  PortSetShow(h.c.monitor);
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{-1, -1, -1, -1, -1, -1, -1, -1}));
  h.c.monitor.status.PortConfig = "12F456";
  PortSetShow(h.c.monitor);
  EXPECT_EQ(h.c.monitor.portSelection, (std::array<int, 8>{0, 1, -1, 3, 4, 5, -1, -1}));
}

TEST_F(PortSettingTest, AllAutoLeavesTheAutoDisplayCodeEightTimes) {
  h.c.monitor.portSelection.fill(4);
  EXPECT_TRUE(PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting));
  for (const std::string& w : h.Written())
    EXPECT_EQ(w.substr(5), "5\r\n");
  EXPECT_EQ(h.c.monitor.status.PortConfig, "55555555");
}

TEST_F(PortSettingTest, TheCommandRefreshesOnlyAfterASuccess) {
  PortSettingCommand(h.c.exchange, h.c.monitor,
                     h.c.portSetting);  // cancelled: the dialog closes without "Setting"
  EXPECT_TRUE(h.Written().empty());
  h.frontend.onDialog = [this](Dialog d) {
    ASSERT_EQ(d, Dialog::kPortSetting);
    PortSetOk(h.c.exchange, h.c.monitor, h.c.portSetting);
  };
  PortSettingCommand(h.c.exchange, h.c.monitor, h.c.portSetting);
  int refreshes = 0;
  for (const std::string& w : h.Written())
    refreshes += w == "pg 8\r\n";
  EXPECT_EQ(refreshes, 1);
}

}  // namespace
}  // namespace taviron::test
