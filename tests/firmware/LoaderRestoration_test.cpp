// A switch left in its ROM loader: recognised after a greeting without a mode, never confused
// with a switch that runs its firmware, and restored from a firmware file.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "access/Maintenance.h"
#include "base/FailureCatalogue.h"
#include "firmware/FirmwareUpload.h"
#include "session/ConnectionLifecycle.h"
#include "session/Startup.h"
#include "tests/support/Harness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

using Mode = sim::SwitchModel::Mode;

struct Case {
  std::string name;
  std::function<void(Harness&)> arrange;
  bool atConnect = true;
  bool inLoader = false;
  bool askedForLoader = true;  // the greeting found no bracketed mode
};
void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class RecognitionTest : public ::testing::TestWithParam<Case> {};

TEST_P(RecognitionTest, OnlyTheLoaderIsTakenForTheLoader) {
  const Case& param = GetParam();
  Harness h;
  param.arrange(h);
  if (param.atConnect) {
    ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  } else {
    RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  }
  EXPECT_EQ(h.c.exchange.link.SwitchInLoader, param.inLoader);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnectingFailure);
  // The greeting's box as ever, then the loader's.
  ASSERT_EQ(h.frontend.boxes.size(), param.inLoader ? 2u : 1u);
  EXPECT_EQ(h.frontend.boxes.back().text == failure::kSwitchInLoader.box, param.inLoader);
  // After the probe a bare CR, and only when no mode came back: no command reaches a loader.
  const std::vector<std::string> w = h.Written();
  EXPECT_EQ(w.back() == "\r", param.askedForLoader);
  // After a failed Connect the main window keeps Firmware Upgrade within reach of a loader only
  // (the start-up leaves the view to the window's first drawing).
  EXPECT_EQ(h.c.monitor.view.menuMaintenance, param.inLoader || !param.atConnect);
}

INSTANTIATE_TEST_SUITE_P(
    Greetings, RecognitionTest,
    ::testing::Values(
        Case{"loader at start-up", [](Harness& h) { h.model.StrandInLoader(); }, false, true},
        Case{"loader at connect", [](Harness& h) { h.model.StrandInLoader(); }, true, true},
        Case{"running switch with a garbled probe reply",
             [](Harness& h) {
               h.model.faults.garbled = true;
               h.model.faults.only = "probe";
             }},
        Case{"running switch answering a bad mode",
             [](Harness& h) { h.model.faults.replies["probe"] = "\r\n[9]\r"; }, true, false, false},
        Case{"silent switch", [](Harness& h) { h.model.faults.silent = true; }}),
    [](const auto& info) { return CaseName(info.param.name); });

class RestorationTest : public ::testing::TestWithParam<Case> {};

// However the switch came to wait in its loader, the program started again explains it, and
// Firmware Upgrade restores it straight from the bank selection.
TEST_P(RestorationTest, TheFirmwareFileBringsTheSwitchBack) {
  Harness h;
  GetParam().arrange(h);
  ASSERT_EQ(h.model.CurrentMode(h.clock.Now()), Mode::kLoader);

  Configurator c(h.port, h.clock, h.frontend, h.dir.path());
  RunStartup(c.exchange, c.monitor, c.access, c.session);
  EXPECT_EQ(h.frontend.boxes.back().text, failure::kSwitchInLoader.box);
  h.frontend.onMaintenancePassword = [&c] { SuperPassInOk(c.exchange, c.access, "qorplemt"); };
  ASSERT_TRUE(MaintenanceGate(c.exchange, c.access));
  h.port.ClearEvents();
  h.frontend.boxes.clear();
  FwUpdateOpenFile(c.exchange, c.fwUpdate, BuiltFixture("walk.hex").string());
  FwUpdateUpload(c.exchange, c.monitor, c.access, c.fwUpdate);

  const std::vector<std::string> w = h.Written();
  EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + 3),
            (std::vector<std::string>{"\r", "B 0\r", "Z 0\r"}));
  EXPECT_EQ(h.model.loader.image, ImageOfHexFile(BuiltFixture("walk.hex")));
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(h.model.CurrentMode(h.clock.Now()), Mode::kCommandLine);
  EXPECT_FALSE(c.exchange.link.SwitchInLoader);
  EXPECT_EQ(c.monitor.view.statusText, "Connected");
  EXPECT_EQ(c.monitor.view.Lb_fw_ver, "01.09");
}

INSTANTIATE_TEST_SUITE_P(
    Stranded, RestorationTest,
    ::testing::Values(Case{"left in the loader", [](Harness& h) { h.model.StrandInLoader(); }},
                      Case{"line pulled during the load, then a power cycle",
                           [](Harness& h) {
                             h.Connect();
                             FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate,
                                              BuiltFixture("walk.hex").string());
                             h.port.onWrite = [&h](const std::string& bytes) {
                               if (bytes == "L\r") h.port.writesUntilFailure = 5;
                             };
                             FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
                             EXPECT_TRUE(h.c.exchange.link.SwitchInLoader);
                             EndConnection(h.c.exchange);
                             h.port.onWrite = nullptr;
                             h.port.writesUntilFailure = -1;
                             h.clock.Sleep(60000);
                             h.model.PowerCycle(h.clock.Now());
                             h.clock.Sleep(5000);
                           }}),
    [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace taviron::test
