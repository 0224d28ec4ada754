#include "monitor/StatusQueries.h"

#include <gtest/gtest.h>

#include "link/StatusTables.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

class StatusQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
  }
  Harness h;
};

struct ValueCase {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::string expected;
  std::string logged;  // the record after the timestamp, or empty for none
};

class FirmwareVersionTest : public StatusQueryTest,
                            public ::testing::WithParamInterface<ValueCase> {};

TEST_P(FirmwareVersionTest, DecodesOrLeavesThePlaceholder) {
  GetParam().arrange(h);
  EXPECT_EQ(GetFirmwareVersion(h.c.exchange), GetParam().expected);
  std::string log = h.LogEntries();
  EXPECT_EQ(log.empty() ? "" : log.substr(21), GetParam().logged);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FirmwareVersionTest,
    ::testing::Values(
        ValueCase{"version", [](Harness&) {}, "01.09", ""},
        ValueCase{"unknown version", [](Harness& h) { h.model.state.firmwareVersion = "FF.FF"; },
                  "--.--", "10230104   Failed to obtain the Firmware version.\r\n"},
        ValueCase{"no bracket", [](Harness& h) { h.model.faults.replies["fwv"] = "\r\n#01.09]"; },
                  "--.--", "10230103   Failed to obtain the Firmware version.\r\n"},
        ValueCase{"two bytes only", [](Harness& h) { h.model.faults.shortReply = 2; }, "--.--",
                  "10230103   Failed to obtain the Firmware version.\r\n"},
        ValueCase{"no reply", [](Harness& h) { h.model.faults.silent = true; }, "--.--",
                  "10230102   Failed to obtain the Firmware version.\r\n"},
        ValueCase{"not sent",
                  [](Harness& h) {
                    h.port.failWrites = 3;
                    h.port.lineErrors = 0x0008;
                  },
                  "--.--", "10230101   Failed to obtain the Firmware version.(Framing Error)\r\n"}),
    [](const auto& info) { return CaseName(info.param.name); });

class DischargeElementTest : public StatusQueryTest,
                             public ::testing::WithParamInterface<ValueCase> {};

TEST_P(DischargeElementTest, ReadsTheCounterAgainstItsThresholds) {
  GetParam().arrange(h);
  EXPECT_EQ(GetDischargeElement(h.c.exchange), GetParam().expected);
  std::string log = h.LogEntries();
  EXPECT_EQ(log.empty() ? "" : log.substr(21), GetParam().logged);
}

auto Counter(std::uint32_t value) {
  return [value](Harness& h) { h.model.state.surgeCounter = value; };
}
auto LciReply(std::string data) {
  return [data](Harness& h) { h.model.faults.replies["lci"] = "\r\n[" + data + "]\r"; };
}

constexpr const char* kHardware =
    "Failed to obtain the discharge elemet information.(Hardware Error)\r\n";

INSTANTIATE_TEST_SUITE_P(
    Counters, DischargeElementTest,
    ::testing::Values(ValueCase{"0x180", Counter(0x180), "Normal", ""},
                      ValueCase{"0x181", Counter(0x181), "Near End", ""},
                      ValueCase{"0x18F", Counter(0x18F), "Near End", ""},
                      ValueCase{"0x190", Counter(0x190), "End of Life", ""},
                      ValueCase{"lower case digits", LciReply("018f"), "Near End", ""},
                      ValueCase{"leading blank", LciReply(" 190"), "End of Life", ""},
                      ValueCase{"digits stop at a letter", LciReply("19G0"), "Normal", ""},
                      ValueCase{"no digits", LciReply("zzzz"), "Normal", ""},
                      ValueCase{"broken element", Counter(0xFFFF), "----    ",
                                std::string("10000107   ") + kHardware},
                      ValueCase{"no bracket", [](Harness& h) { h.model.faults.garbled = true; },
                                "----    ", std::string("10000106   ") + kHardware},
                      ValueCase{
                          "no reply", [](Harness& h) { h.model.faults.silent = true; }, "----    ",
                          "10230512   Failed to obtain the discharge elemet information.\r\n"}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(StatusQueryTest, RelayStateIsTheCharacterAfterTheBracket) {
  h.model.state.relay = '0';
  GetRelayState(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.RelayState, "0");
  h.model.faults.replies["rg"] = "\r\nx1]";
  GetRelayState(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.RelayState, "255");
  EXPECT_EQ(h.LogEntries().substr(21), "10230523   Failed to obtain the relay status.\r\n");
}

TEST_F(StatusQueryTest, SettingTheRelayFollowsOnlyAnAnsweredExchange) {
  SetRelayState(h.c.exchange, h.c.monitor.status, "0");
  EXPECT_EQ(h.Written().back(), "rs 0\r\n");
  EXPECT_EQ(h.c.monitor.status.RelayState, "0");
  EXPECT_EQ(h.model.state.relay, '0');
  h.model.faults.silent = true;
  SetRelayState(h.c.exchange, h.c.monitor.status, "1");
  EXPECT_EQ(h.c.monitor.status.RelayState, "0");
  EXPECT_EQ(h.LogEntries().substr(21), "10230532   Failed to set the relay status.\r\n");
}

TEST_F(StatusQueryTest, FirmwareErrorsAreLoggedUnderTheirOwnNumber) {
  struct Case {
    const char* code;
    const char* message;
    const char* logged;
  } cases[] = {
      {"0000", "", ""},
      {"FFFF", "", ""},
      {"8401", "Relay ON  Test Error", "00008401   Relay ON  Test Error\r\n"},
      {"1400", "LAN Chip Reg Error\r\n(Initialization)",
       "00001400   LAN Chip Reg Error\r\n(Initialization)\r\n"},
      {"1234", "", "00001234   \r\n"},
  };
  for (const Case& c : cases) {
    Harness fresh;
    fresh.EnableLog();
    fresh.Connect();
    fresh.model.state.firmwareError = c.code;
    GetFirmwareError(fresh.c.exchange, fresh.c.monitor.status);
    EXPECT_EQ(fresh.c.monitor.status.FwErrorCode, c.code);
    EXPECT_EQ(fresh.c.monitor.status.FwErrorMessage, c.message);
    std::string log = fresh.LogEntries();
    EXPECT_EQ(log.empty() ? "" : log.substr(21), c.logged) << c.code;
  }
}

TEST_F(StatusQueryTest, FirmwareErrorWithoutBracketLeavesDashes) {
  h.model.faults.replies["feg"] = "\r\n(0000]";
  GetFirmwareError(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.FwErrorCode, "----");
  EXPECT_EQ(h.LogEntries().substr(21), "10230743   Failed to obtain the Firmware error.\r\n");
}

TEST_F(StatusQueryTest, PortConfigurationBecomesDisplayCodesPortByPort) {
  h.model.state.portModes = "33560125";
  GetPortConfig(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.PortConfig, "44561235");
  // A code the table does not know stays in its own port as "not obtained".
  h.model.state.portModes = "33460125";
  GetPortConfig(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.PortConfig, "44F61235");
  // A reply that stops after port 3 is no reading of the ports: none is shown as read.
  h.model.faults.shortReply = 8;
  GetPortConfig(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.PortConfig, "FFFFFFFF");
  EXPECT_EQ(h.LogEntries().substr(21), "10230722   Failed to obtain the port configuration.\r\n");
  h.model.faults = {};
  h.model.faults.silent = true;
  GetPortConfig(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.PortConfig, "FFFFFFFF");
  const std::string record = "10230722   Failed to obtain the port configuration.\r\n";
  std::string log = h.LogEntries();
  EXPECT_EQ(log.substr(log.size() - record.size()), record);
}

TEST_F(StatusQueryTest, PortErrorsAreReadWithoutBracketTestAndEmptiedOnFailure) {
  h.model.faults.replies["peg"] = "abc0d5e0f0g0h0i7j0k";
  GetPortErrors(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.PortErrors, "05000070");
  h.model.faults = {};
  h.model.faults.silent = true;
  GetPortErrors(h.c.exchange, h.c.monitor.status);
  EXPECT_EQ(h.c.monitor.status.PortErrors, "");
}

TEST(PortCodeTest, ConvertsBothWaysKeepingEveryPortInPlace) {
  EXPECT_EQ(ConvertPortCodes("01235665", kSwitchToDisplay), "12345665");
  EXPECT_EQ(ConvertPortCodes("12345665", kDisplayToSwitch), "01235665");
  EXPECT_EQ(ConvertPortCodes("FFFFFFFF", kSwitchToDisplay), "FFFFFFFF");
  EXPECT_EQ(ConvertPortCodes("FFFFFFFF", kDisplayToSwitch), "FFFFFFFF");
  EXPECT_EQ(ConvertPortCodes("554", kSwitchToDisplay), "55FFFFFF");
  EXPECT_EQ(ConvertPortCodes("", kSwitchToDisplay), "FFFFFFFF");
  EXPECT_EQ(ConvertPortCodes("17", kDisplayToSwitch), "0FFFFFFF");
}

// A reply that ends before the bytes its decoding takes is a failed query: its placeholder and
// the query's record, never the bytes that came shown as a value.
TEST_F(StatusQueryTest, ARepliesCutShortIsAFailedQuery) {
  const struct {
    const char* keyword;
    const char* reply;
    std::function<std::string(Harness&)> value;
    std::string placeholder;
    std::string logged;
  } kCases[] = {
      {"fwv", "\r\n[01.", [](Harness& h) { return GetFirmwareVersion(h.c.exchange); }, "--.--",
       "10230103   Failed to obtain the Firmware version.\r\n"},
      {"lci", "\r\n[01", [](Harness& h) { return GetDischargeElement(h.c.exchange); }, "----    ",
       "10000106   Failed to obtain the discharge elemet information.(Hardware Error)\r\n"},
      {"rg", "\r\n[",
       [](Harness& h) {
         GetRelayState(h.c.exchange, h.c.monitor.status);
         return h.c.monitor.status.RelayState;
       },
       "255", "10230523   Failed to obtain the relay status.\r\n"},
      {"feg", "\r\n[00",
       [](Harness& h) {
         GetFirmwareError(h.c.exchange, h.c.monitor.status);
         return h.c.monitor.status.FwErrorCode;
       },
       "----", "10230743   Failed to obtain the Firmware error.\r\n"},
      {"peg", "\r\n[0 0 0",
       [](Harness& h) {
         GetPortErrors(h.c.exchange, h.c.monitor.status);
         return h.c.monitor.status.PortErrors;
       },
       "", "10230732   Failed to obtain the port error.\r\n"},
      {"pg", "\r\n[5 5 5",
       [](Harness& h) {
         GetPortConfig(h.c.exchange, h.c.monitor.status);
         return h.c.monitor.status.PortConfig;
       },
       "FFFFFFFF", "10230722   Failed to obtain the port configuration.\r\n"},
  };
  for (const auto& c : kCases) {
    Harness fresh;
    fresh.EnableLog();
    fresh.Connect();
    fresh.model.faults.replies[c.keyword] = c.reply;
    EXPECT_EQ(c.value(fresh), c.placeholder) << c.keyword;
    std::string log = fresh.LogEntries();
    EXPECT_EQ(log.empty() ? "" : log.substr(21), c.logged) << c.keyword;
    EXPECT_EQ(fresh.c.exchange.link.LinkState, kLinkConnected)
        << c.keyword;  // the link itself is fine
  }
  // A reply that is complete is decoded as it stands, odd or not.
  h.model.faults.replies["fwv"] = "\r\n[ab.cd]";
  EXPECT_EQ(GetFirmwareVersion(h.c.exchange), "ab.cd");
}

}  // namespace
}  // namespace taviron::test
