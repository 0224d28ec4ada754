#include "link/SwitchLink.h"

#include <gtest/gtest.h>

#include <array>

#include "link/Transfer.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

class RWPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.Connect();
    h.clock.ClearSleeps();
  }
  // Sends the firmware version query and clears what the test does not look at.
  void SendFwv() {
    std::uint32_t done = 0;
    std::array<std::uint8_t, 32> command{'f', 'w', 'v', '\r', '\n'};
    ASSERT_TRUE(h.c.exchange.link.RWPort(kWrite, command, done, 5));
    h.clock.Sleep(100);
    h.clock.ClearSleeps();
  }
  Harness h;
  std::array<std::uint8_t, 32> buffer{};
  std::uint32_t done = 0;
};

TEST_F(RWPortTest, ReadOfACompleteReplyTakesItWithoutTerminator) {
  SendFwv();
  buffer.fill('#');
  ASSERT_TRUE(h.c.exchange.link.RWPort(kRead, buffer, done, 9));
  EXPECT_EQ(done, 9u);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 10), "\r\n[01.09]#");
  EXPECT_EQ(h.clock.Sleeps(), (std::vector<TimeMs>{90}));
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

TEST_F(RWPortTest, ReadOfAPartialReplyTakesWhatArrived) {
  h.model.faults.shortReply = 3;
  SendFwv();
  ASSERT_TRUE(h.c.exchange.link.RWPort(kRead, buffer, done, 9));
  EXPECT_EQ(done, 3u);
}

TEST_F(RWPortTest, ReadWithNothingArrivedFailsAfterOneWait) {
  h.model.faults.silent = true;
  SendFwv();
  buffer.fill('#');
  EXPECT_FALSE(h.c.exchange.link.RWPort(kRead, buffer, done, 9));
  EXPECT_EQ(done, 0u);
  EXPECT_EQ(buffer[0], 0);
  TimeMs waited = 0;
  for (TimeMs t : h.clock.Sleeps())
    waited += t;
  EXPECT_EQ(waited, 90);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkCommunicationFailure);
  EXPECT_EQ(h.c.exchange.link.CommErrorText(), "\r\n");
}

TEST_F(RWPortTest, FailedReadEmptiesTheReceiveBuffer) {
  h.port.failReads = 3;
  SendFwv();
  EXPECT_FALSE(h.c.exchange.link.RWPort(kRead, buffer, done, 9));
  EXPECT_EQ(h.port.Events().back().kind, PortEvent::kPurge);
  EXPECT_EQ(h.port.Events().back().flags, purge::kRxClear);
  EXPECT_EQ(h.c.exchange.link.getInque(), 0u);
}

TEST_F(RWPortTest, WriteOnAClosedPortFailsAfterThreeAttempts) {
  h.c.exchange.link.CloseConnection();
  h.clock.ClearSleeps();
  std::array<std::uint8_t, 32> command{'f', 'w', 'v', '\r', '\n'};
  EXPECT_FALSE(h.c.exchange.link.RWPort(kWrite, command, done, 5));
  EXPECT_EQ(h.clock.Sleeps(), (std::vector<TimeMs>{5, 5, 5}));
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkCommunicationFailure);
}

TEST_F(RWPortTest, WakeUpTransferIgnoresFailureAndLeavesTheState) {
  h.c.exchange.link.CloseConnection();
  std::array<std::uint8_t, 32> command{'q', '\r'};
  EXPECT_TRUE(h.c.exchange.link.RWPort_ini(kWrite, command, done, 2));
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
}

TEST_F(RWPortTest, WriteDiscardsUnreadBytesFirst) {
  SendFwv();  // its reply stays unread
  h.port.ClearEvents();
  std::array<std::uint8_t, 32> command{'r', 'g', '\r', '\n'};
  ASSERT_TRUE(h.c.exchange.link.RWPort(kWrite, command, done, 4));
  const auto& events = h.port.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].flags, purge::kTxClear);
  EXPECT_EQ(events[1].flags, purge::kRxClear);
  EXPECT_EQ(events[2].bytes, "rg\r\n");
  h.clock.Sleep(100);
  ASSERT_TRUE(h.c.exchange.link.RWPort(kRead, buffer, done, 5));
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + done), "\r\n[1]");
}

struct LineErrorCase {
  std::uint32_t word;
  const char* text;
};

class LineErrorTest : public RWPortTest, public ::testing::WithParamInterface<LineErrorCase> {};

TEST_P(LineErrorTest, FailedTransferNamesExactlyOneLineError) {
  h.port.failWrites = 3;
  h.port.lineErrors = GetParam().word;
  std::array<std::uint8_t, 32> command{'f', 'w', 'v', '\r', '\n'};
  EXPECT_FALSE(h.c.exchange.link.RWPort(kWrite, command, done, 5));
  EXPECT_EQ(h.c.exchange.link.CommErrorText(), GetParam().text);
  // The next exchange starts clean, even when it fails without a line error.
  h.port.failWrites = 3;
  EXPECT_FALSE(h.c.exchange.link.RWPort(kWrite, command, done, 5));
  EXPECT_EQ(h.c.exchange.link.CommErrorText(), "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Words, LineErrorTest,
                         ::testing::Values(LineErrorCase{0x0001, "(Receive Buffer Overflow)\r\n"},
                                           LineErrorCase{0x0002, "(Overrun Error)\r\n"},
                                           LineErrorCase{0x0004, "(Parity Error)\r\n"},
                                           LineErrorCase{0x0008, "(Framing Error)\r\n"},
                                           LineErrorCase{0x0010, "(Break Error)\r\n"},
                                           LineErrorCase{0x0100, "(Send Buffer Overflow)\r\n"},
                                           LineErrorCase{0x0400, "(I/O Error)\r\n"},
                                           LineErrorCase{0x8000, "(HANDLE Disable)\r\n"},
                                           LineErrorCase{0x0003, "\r\n"},
                                           LineErrorCase{0x0000, "\r\n"},
                                           LineErrorCase{0x0020, "\r\n"}),
                         [](const auto& info) { return "Word" + std::to_string(info.param.word); });

TEST_F(RWPortTest, PassingShortageRestartsTheAttemptsOnlyABoundedNumberOfTimes) {
  h.port.failWrites = 1000;
  h.port.shortage = true;
  std::array<std::uint8_t, 32> command{'f', 'w', 'v', '\r', '\n'};
  EXPECT_FALSE(h.c.exchange.link.RWPort(kWrite, command, done, 5));
  int attempts = 1000 - h.port.failWrites;
  EXPECT_GT(attempts, 3);
  EXPECT_LE(attempts, 12);
}

TEST_F(RWPortTest, ReadNeverOverrunsTheCallersBuffer) {
  SendFwv();
  std::array<std::uint8_t, 4> small{};
  ASSERT_TRUE(h.c.exchange.link.RWPort(kRead, small, done, 9));
  EXPECT_EQ(done, 3u);  // room is kept for the terminator of a failed read
}

TEST(PortHandlingTest, CloseWithNoPortOpenIsHarmless) {
  Harness h;
  EXPECT_TRUE(h.c.exchange.link.CloseConnection());
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.getInque(), 0u);
  EXPECT_TRUE(h.frontend.boxes.empty());
}

TEST(PortHandlingTest, CloseLowersDtrAndPurgesBeforeReleasing) {
  Harness h;
  h.Connect();
  EXPECT_TRUE(h.c.exchange.link.CloseConnection());
  EXPECT_TRUE(h.port.DtrLow());
  std::vector<unsigned> purges;
  for (const PortEvent& e : h.port.Events()) {
    if (e.kind == PortEvent::kPurge) purges.push_back(e.flags);
  }
  EXPECT_EQ(purges, (std::vector<unsigned>{1, 2, 4, 8}));
  EXPECT_EQ(h.port.Events().back().kind, PortEvent::kClose);
}

TEST(PortHandlingTest, ComPortIndexOutsideTheTableIsAPortThatCannotBeOpened) {
  Harness h;
  h.c.exchange.link.ComPortIndex = 6;
  EXPECT_FALSE(h.c.exchange.link.OpenConfiguredPort());
  h.c.exchange.link.ComPortIndex = 255;
  EXPECT_FALSE(h.c.exchange.link.OpenConfiguredPort());
  h.c.exchange.link.ComPortIndex = 0;
  EXPECT_TRUE(h.c.exchange.link.OpenConfiguredPort());
}

TEST(TransferTest, ReplyTextEndsAtANulByte) {
  Harness h;
  h.Connect();
  h.model.faults.replies["fwv"] = std::string("\r\n[0\0.09]", 9);
  Transfer t(h.c.exchange.link);
  ASSERT_TRUE(t.Send("fwv\r\n"));
  ASSERT_TRUE(t.Receive(9));
  EXPECT_EQ(t.Done(), 9u);
  EXPECT_EQ(t.Reply(), "\r\n[0");
  EXPECT_EQ(t.ReplyAt(4), '\0');
}

}  // namespace
}  // namespace taviron::test
