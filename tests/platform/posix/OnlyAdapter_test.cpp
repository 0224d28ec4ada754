// When the start-up does not offer the only USB adapter: the window test answers the offer
// itself; these are the cases where no question may come.
#include "session/OnlyAdapter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "session/Startup.h"
#include "tests/support/Harness.h"
#include "tests/support/posix/FakeDeviceTree.h"

namespace taviron::test {
namespace {

struct QuietCase {
  const char* name;
  std::function<void(Harness&, FakeDeviceTree&)> arrange;
};

class OnlyAdapterTest : public ::testing::TestWithParam<QuietCase> {};

TEST_P(OnlyAdapterTest, NothingIsAskedAndTheFailureIsToldAsBefore) {
  Harness h;
  FakeDeviceTree tree;
  tree.UnplugModem();
  h.c.session.deviceRoots = tree.roots();
  h.port.names.clear();  // COM1 leads to no device
  GetParam().arrange(h, tree);
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  ::unsetenv("TAVIRON_COM1");
  EXPECT_TRUE(h.frontend.questions.empty());
  ASSERT_FALSE(h.frontend.boxes.empty());
  EXPECT_EQ(h.frontend.boxes.back().text.substr(0, 24), "Failed to Open COM port.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OnlyAdapterTest,
    ::testing::Values(
        QuietCase{
            "TwoAdapters",
            [](Harness&, FakeDeviceTree& t) { t.PlugAdapter("ttyUSB1", "Prolific", "PL2303"); }},
        QuietCase{"NoAdapter", [](Harness&, FakeDeviceTree& t) { t.UnplugAdapter(); }},
        QuietCase{"PortHeldByAnotherProgram",
                  [](Harness& h, FakeDeviceTree&) { h.port.heldElsewhere = true; }},
        QuietCase{"NameSetByTheEnvironment",
                  [](Harness&, FakeDeviceTree&) { ::setenv("TAVIRON_COM1", "/dev/ttyS9", 1); }},
        QuietCase{"NameLeadsToTheAdapterAlready",
                  [](Harness& h, FakeDeviceTree& t) {
                    WriteFile(h.dir / "COMPORTS.INI", "[Ports]\nCOM1=" + t.AdapterLink() + "\n");
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taviron::test
