#include "config/MacAddress.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using Boxes = std::array<std::string, 6>;

class MacAddressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.EnableLog();
    h.Connect();
  }
  Harness h;
};

TEST_F(MacAddressTest, ShowingReadsTheAddressAtOnce) {
  MacSetShow(h.c.exchange, h.c.macAddress);
  EXPECT_EQ(h.c.macAddress.macSet.Ed_mac, (Boxes{"00", "80", "C2", "12", "34", "56"}));
  const auto& events = h.port.Events();
  EXPECT_EQ(events.back().kind, sim::PortEvent::kRead);
  EXPECT_EQ(events.back().at, 220);  // no pause beyond the read's own wait
}

TEST_F(MacAddressTest, AnUnreadableAddressShowsZerosAndIsLogged) {
  struct Case {
    std::function<void(Harness&)> arrange;
    std::uint32_t code;
  } cases[] = {
      {[](Harness& h) { h.port.failWrites = 3; }, 10230301},
      {[](Harness& h) { h.model.faults.silent = true; }, 10230302},
      {[](Harness& h) { h.model.faults.replies["mg"] = "\r\n[00 80 C2"; }, 10230302},
      // Full length, but the separator after the first group is wrong: no box is filled.
      {[](Harness& h) { h.model.faults.replies["mg"] = "\r\n[00-80 C2 12 34 56]\r\n"; }, 10230302},
      // Broken after its first pairs: none of them is shown beside empty boxes.
      {[](Harness& h) { h.model.faults.replies["mg"] = "\r\n[00 80 C2 1234 56]\r"; }, 10230302},
      {[](Harness& h) { h.model.faults.replies["mg"] = "\r\n[00 80 C2 12 34-56]\r"; }, 10230302},
  };
  for (const Case& c : cases) {
    Harness fresh;
    fresh.EnableLog();
    fresh.Connect();
    c.arrange(fresh);
    MacSetShow(fresh.c.exchange, fresh.c.macAddress);
    EXPECT_EQ(fresh.c.macAddress.macSet.Ed_mac, (Boxes{"00", "00", "00", "00", "00", "00"}));
    EXPECT_EQ(fresh.LogEntries().substr(21), std::to_string(c.code) + "   MAC Address Error\r\n");
    EXPECT_TRUE(fresh.frontend.boxes.empty());
  }
}

TEST_F(MacAddressTest, SetsAnAddressOfUpperCasePairs) {
  // Lower case in any box goes as upper case.
  h.c.macAddress.macSet.Ed_mac = {"01", " 02", "03\t", "0a", "0B", "0c"};
  EXPECT_TRUE(MacSetOk(h.c.exchange, h.c.macAddress));
  EXPECT_EQ(h.Written(), (std::vector<std::string>{"ms 01 02 03 0A 0B 0C\r\n"}));
  EXPECT_EQ(h.Written()[0].size(), 22u);
  EXPECT_EQ(h.port.Events().back().kind, sim::PortEvent::kRead);
  EXPECT_EQ(h.model.state.mac, "01 02 03 0A 0B 0C");
  EXPECT_EQ(h.c.macAddress.macSet.Ed_mac[1], "02");  // trimmed in the box
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "MAC address setting finished");
  EXPECT_EQ(h.frontend.boxes[0].caption, "MAC address setting complete");
  EXPECT_EQ(h.c.macAddress.MacSetDone, 1);
}

TEST(MacAddressTextTest, APastedAddressFillsAllSixBoxes) {
  const Boxes address{"00", "11", "22", "AA", "BB", "CC"};
  const struct {
    const char* text;
    bool whole;
  } cases[] = {
      {"00:11:22:aa:bb:cc", true},    {"00-11-22-AA-BB-CC", true},  {"00 11 22 aa bb cc", true},
      {" 00:11:22:AA:BB:CC\n", true}, {"00:11-22:AA:BB:CC", false}, {"00:11:22:AA:BB", false},
      {"00:11:22:AA:BB:CG", false},   {"00.11.22.AA.BB.CC", false}, {"ab", false},
  };
  for (const auto& c : cases) {
    const std::optional<Boxes> pairs = PastedMacAddress(c.text);
    EXPECT_EQ(pairs.has_value(), c.whole) << c.text;
    if (pairs) {
      EXPECT_EQ(*pairs, address) << c.text;
    }
  }
  EXPECT_EQ(MacPairAsTyped("ab"), "AB");
  EXPECT_EQ(MacPairAsTyped("0g"), "0G");  // still refused when set
}

TEST_F(MacAddressTest, TheVerdictIsTheSecondByte) {
  h.model.faults.replies["ms"] = "x0x1x";
  h.c.macAddress.macSet.Ed_mac = {"01", "02", "03", "04", "05", "06"};
  EXPECT_TRUE(MacSetOk(h.c.exchange, h.c.macAddress));
  h.model.faults.replies["ms"] = "\r\n[0]";
  EXPECT_FALSE(MacSetOk(h.c.exchange, h.c.macAddress));
  EXPECT_EQ(h.LogEntries().substr(21), "10000307   MAC address setting failed(Hardware error)\r\n");
}

struct BadBoxes {
  const char* name;
  Boxes boxes;
  std::uint32_t code;
};

class MacAddressRefusalTest : public MacAddressTest,
                              public ::testing::WithParamInterface<BadBoxes> {};

TEST_P(MacAddressRefusalTest, NothingIsSent) {
  h.c.macAddress.macSet.Ed_mac = GetParam().boxes;
  EXPECT_FALSE(MacSetOk(h.c.exchange, h.c.macAddress));
  EXPECT_TRUE(h.Written().empty());
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Uncorrectable MAC Address");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Setting Error");
  EXPECT_EQ(h.LogEntries().substr(21),
            std::to_string(GetParam().code) + "   Uncorrectable MAC Address\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MacAddressRefusalTest,
    ::testing::Values(BadBoxes{"one character", {"01", "2", "03", "04", "05", "06"}, 10110303},
                      BadBoxes{
                          "emptied by trimming", {"01", "02", "  ", "04", "05", "06"}, 10110303},
                      BadBoxes{"blank and digit", {"01", "02", "03", " 4", "05", "06"}, 10110303},
                      BadBoxes{"not hexadecimal", {"01", "02", "0G", "04", "05", "06"}, 10110304}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(MacAddressTest, FailedExchangesAreReported) {
  h.c.macAddress.macSet.Ed_mac = {"01", "02", "03", "04", "05", "06"};
  h.port.failWrites = 3;
  EXPECT_FALSE(MacSetOk(h.c.exchange, h.c.macAddress));
  h.model.faults.silent = true;
  EXPECT_FALSE(MacSetOk(h.c.exchange, h.c.macAddress));
  ASSERT_EQ(h.frontend.boxes.size(), 2u);
  EXPECT_EQ(h.frontend.boxes[0].text, "MAC address setting failed");
  std::string log = h.LogEntries();
  EXPECT_NE(log.find("10230305   MAC address setting failed\r\n"), std::string::npos);
  EXPECT_NE(log.find("10230306   MAC address setting failed\r\n"), std::string::npos);
}

TEST_F(MacAddressTest, TheCommandIsBehindTheGate) {
  MacAddressCommand(h.c.exchange, h.c.access, h.c.macAddress);
  EXPECT_EQ(h.frontend.maintenancePrompts, 1);
  EXPECT_TRUE(h.frontend.dialogs.empty());
  h.c.access.MaintenanceAdmitted = 1;
  MacAddressCommand(h.c.exchange, h.c.access, h.c.macAddress);
  EXPECT_EQ(h.frontend.dialogs, (std::vector<Dialog>{Dialog::kMacAddress}));
}

}  // namespace
}  // namespace taviron::test
