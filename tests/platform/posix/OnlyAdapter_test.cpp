// The start-up offers the only USB adapter when the COM name leads to a device that is not there.
#include "session/OnlyAdapter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "session/Startup.h"
#include "tests/support/Harness.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

struct OfferCase {
  const char* name;
  std::function<void(Harness&, FakeDeviceTree&)> arrange;
  bool answerYes;
  bool asked;
};

class OnlyAdapterTest : public ::testing::TestWithParam<OfferCase> {};

TEST_P(OnlyAdapterTest, AsksOnceAndPointsTheNameOnYes) {
  const OfferCase& c = GetParam();
  Harness h;
  FakeDeviceTree tree;
  tree.UnplugModem();
  h.c.session.deviceRoots = tree.roots();
  h.port.names.clear();  // COM1 leads to /dev/ttyS0, which is not there
  h.frontend.answerYes = c.answerYes;
  c.arrange(h, tree);
  const bool hadFile = std::filesystem::exists(h.dir / "COMPORTS.INI");
  const std::string before = hadFile ? ReadFile(h.dir / "COMPORTS.INI") : "";
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  ::unsetenv("TAVIRON_COM1");

  ASSERT_EQ(h.frontend.questions.size(), c.asked ? 1u : 0u);
  const bool pointed = c.asked && c.answerYes;
  if (c.asked) {
    EXPECT_EQ(h.frontend.questions[0].caption, "COM Port Setting");
    EXPECT_NE(h.frontend.questions[0].text.find(tree.Dev("ttyUSB0") + " (FTDI FT232R USB UART)"),
              std::string::npos);
  }
  if (pointed) {
    EXPECT_EQ(ReadFile(h.dir / "COMPORTS.INI"), "[Ports]\nCOM1=" + tree.AdapterLink() + "\n");
  } else {
    EXPECT_EQ(std::filesystem::exists(h.dir / "COMPORTS.INI"), hadFile);
    EXPECT_EQ(hadFile ? ReadFile(h.dir / "COMPORTS.INI") : "", before);
  }
  // The in-process port still has no COM1: the failure is told as before either way.
  ASSERT_FALSE(h.frontend.boxes.empty());
  EXPECT_EQ(h.frontend.boxes.back().text.substr(0, 24), "Failed to Open COM port.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OnlyAdapterTest,
    ::testing::Values(
        OfferCase{"Yes", [](Harness&, FakeDeviceTree&) {}, true, true},
        OfferCase{"No", [](Harness&, FakeDeviceTree&) {}, false, true},
        OfferCase{
            "TwoAdapters",
            [](Harness&, FakeDeviceTree& t) { t.PlugAdapter("ttyUSB1", "Prolific", "PL2303"); },
            true, false},
        OfferCase{"NoAdapter", [](Harness&, FakeDeviceTree& t) { t.UnplugAdapter(); }, true, false},
        OfferCase{"PortInUse", [](Harness& h, FakeDeviceTree&) { h.port.heldElsewhere = true; },
                  true, false},
        OfferCase{"NameSetByTheEnvironment",
                  [](Harness&, FakeDeviceTree&) { ::setenv("TAVIRON_COM1", "/dev/ttyS9", 1); },
                  true, false},
        OfferCase{"NameLeadsToTheAdapterAlready",
                  [](Harness& h, FakeDeviceTree& t) {
                    WriteFile(h.dir / "COMPORTS.INI", "[Ports]\nCOM1=" + t.AdapterLink() + "\n");
                  },
                  true, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taviron::test
