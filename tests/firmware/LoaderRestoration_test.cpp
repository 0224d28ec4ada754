// A switch left in its ROM loader: recognised at start-up and at Connect, never confused with a
// switch that runs its firmware, and restored from a firmware file.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "access/Maintenance.h"
#include "base/FailureCatalogue.h"
#include "firmware/FirmwareUpload.h"
#include "link/CommandTable.h"
#include "session/ConnectionLifecycle.h"
#include "session/Startup.h"
#include "tests/support/Harness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

const RecordingFrontend::Box kLoaderBox{std::string(failure::kSwitchInLoader.box),
                                        std::string(failure::kSwitchInLoader.caption), ""};

void Greet(Harness& h, bool atConnect) {
  if (atConnect) {
    ConnectSwitch(h.c.exchange, h.c.monitor, h.c.access);
  } else {
    RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  }
}

struct RecognitionCase {
  std::string name;
  bool atConnect;
  std::function<void(Harness&)> arrange;
  bool inLoader;
  bool askedForLoader = true;  // the greeting found no bracketed mode
};

void PrintTo(const RecognitionCase& c, std::ostream* out) {
  *out << c.name;
}

class RecognitionTest : public ::testing::TestWithParam<RecognitionCase> {};

TEST_P(RecognitionTest, OnlyTheLoaderIsTakenForTheLoader) {
  const RecognitionCase& param = GetParam();
  Harness h;
  h.EnableLog();
  param.arrange(h);
  Greet(h, param.atConnect);

  EXPECT_EQ(h.c.exchange.link.SwitchInLoader, param.inLoader);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 0);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnectingFailure);
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  // The greeting's failure is reported as ever; the loader's box follows it.
  ASSERT_FALSE(h.frontend.boxes.empty());
  EXPECT_NE(h.frontend.boxes.front(), kLoaderBox);
  EXPECT_EQ(h.frontend.boxes.back() == kLoaderBox, param.inLoader);
  EXPECT_EQ(h.frontend.boxes.size(), param.inLoader ? 2u : 1u);
  // After the probe only the loader's question, and only when no mode came back.
  std::vector<std::string> w = h.Written();
  ASSERT_GE(w.size(), 2u);
  EXPECT_EQ(w.back() == "\r", param.askedForLoader);
  EXPECT_EQ(w[w.size() - (param.askedForLoader ? 2 : 1)], "\x02");
  if (!param.atConnect) return;
  EXPECT_NE(h.LogEntries().find("Failed to reconnect."), std::string::npos);
  // The main window keeps Firmware Upgrade within reach of a switch in its loader.
  EXPECT_EQ(h.c.monitor.view.statusText, "Connecting failure");
  EXPECT_EQ(h.c.monitor.view.menuMaintenance, param.inLoader);
  EXPECT_FALSE(h.c.monitor.view.menuFirmwareItems);
}

INSTANTIATE_TEST_SUITE_P(
    Greetings, RecognitionTest,
    ::testing::Values(RecognitionCase{"loader at start-up", false,
                                      [](Harness& h) { h.model.StrandInLoader(); }, true},
                      RecognitionCase{"loader at connect", true,
                                      [](Harness& h) { h.model.StrandInLoader(); }, true},
                      RecognitionCase{"loader without its banner", true,
                                      [](Harness& h) {
                                        h.model.StrandInLoader();
                                        h.model.loader.faults.noBanner = true;
                                      },
                                      true},
                      RecognitionCase{"running switch with a garbled probe reply", false,
                                      [](Harness& h) {
                                        h.model.faults.garbled = true;
                                        h.model.faults.only = "probe";
                                      },
                                      false},
                      RecognitionCase{
                          "running switch answering a bad mode", true,
                          [](Harness& h) { h.model.faults.replies["probe"] = "\r\n[9]\r"; }, false,
                          false},
                      RecognitionCase{"silent switch", true,
                                      [](Harness& h) { h.model.faults.silent = true; }, false}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(RecognitionTest, ASwitchThatAnswersTheGreetingIsNeverAskedForItsLoader) {
  Harness h;
  for (bool atConnect : {false, true}) {
    Greet(h, atConnect);
    EXPECT_FALSE(h.c.exchange.link.SwitchInLoader);
    EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
    for (const std::string& w : h.Written())
      EXPECT_NE(w, "\r");
  }
  EXPECT_TRUE(h.frontend.boxes.empty());
}

// How the switch came to wait in its loader, and what the operator does before restoring it.
struct StrandedCase {
  std::string name;
  std::function<void(Harness&)> strand;
};

void PrintTo(const StrandedCase& c, std::ostream* out) {
  *out << c.name;
}

class RestorationTest : public ::testing::TestWithParam<StrandedCase> {};

TEST_P(RestorationTest, TheFirmwareFileBringsTheSwitchBack) {
  Harness h;
  h.EnableLog();
  GetParam().strand(h);
  ASSERT_EQ(h.model.CurrentMode(h.clock.Now()), sim::SwitchModel::Mode::kLoader);

  // The program starts (again) and explains; the operator opens Firmware Upgrade.
  auto program = std::make_unique<Configurator>(h.port, h.clock, h.frontend, h.dir.path());
  Configurator& c = *program;
  c.exchange.log.LogEnabled = 1;
  c.exchange.log.OpenErrLog();
  h.frontend.boxes.clear();
  RunStartup(c.exchange, c.monitor, c.access, c.session);
  ASSERT_TRUE(c.exchange.link.SwitchInLoader);
  EXPECT_EQ(h.frontend.boxes.back(), kLoaderBox);

  h.frontend.onMaintenancePassword = [&c] {
    SuperPassInOk(c.exchange, c.access, std::string(kMaintenancePassword));
  };
  ASSERT_TRUE(MaintenanceGate(c.exchange, c.access));
  h.port.ClearEvents();
  h.frontend.boxes.clear();
  FwUpdateOpenFile(c.exchange, c.fwUpdate, BuiltFixture("walk.hex").string());
  FwUpdateUpload(c.exchange, c.monitor, c.access, c.fwUpdate);

  const std::vector<std::string> w = h.Written();
  ASSERT_GE(w.size(), 3u);
  // Straight to the bank selection: no "fupm", no maintenance password line to the loader.
  EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + 3),
            (std::vector<std::string>{"\r", "B 0\r", "Z 0\r"}));
  EXPECT_EQ(ImageText(h.model.loader.image), ImageText(ImageOfHexFile(BuiltFixture("walk.hex"))));
  EXPECT_TRUE(h.frontend.boxes.empty());
  EXPECT_EQ(c.fwUpdate.Lb_update, "Firmware Upgrade:Restoration was completed.");
  EXPECT_EQ(c.fwUpdate.Lb_per, "100");
  EXPECT_EQ(h.model.CurrentMode(h.clock.Now()), sim::SwitchModel::Mode::kCommandLine);
  EXPECT_FALSE(c.exchange.link.SwitchInLoader);
  EXPECT_EQ(c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(c.monitor.view.Lb_fw_ver, "01.09");
  EXPECT_EQ(c.access.MaintenanceAdmitted, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Stranded, RestorationTest,
    ::testing::Values(
        StrandedCase{"left in the loader", [](Harness& h) { h.model.StrandInLoader(); }},
        StrandedCase{"line pulled during the load, then a power cycle",
                     [](Harness& h) {
                       h.Connect();
                       FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate,
                                        BuiltFixture("walk.hex").string());
                       // After a few records the line carries nothing more.
                       h.port.onWrite = [&h](const std::string& bytes) {
                         if (bytes == "L\r") h.port.writesUntilFailure = 5;
                       };
                       FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
                       EXPECT_TRUE(h.c.exchange.link.SwitchInLoader);
                       EXPECT_EQ(h.c.exchange.link.LinkState, kLinkFirmwareUpdateFailure);
                       EndConnection(h.c.exchange);
                       // The line comes back; the switch is switched off and on.
                       h.port.onWrite = nullptr;
                       h.port.writesUntilFailure = -1;
                       h.port.failWrites = 0;
                       h.clock.Sleep(60000);
                       h.model.PowerCycle(h.clock.Now());
                       h.clock.Sleep(5000);
                     }}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(RestorationTest, AFailedRetryInTheSameRunGoesOnFromTheLoader) {
  Harness h;
  h.EnableLog();
  h.Connect();
  FwUpdateOpenFile(h.c.exchange, h.c.fwUpdate, BuiltFixture("walk.hex").string());
  h.model.loader.faults.errorAtRecord = 3;
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  ASSERT_TRUE(h.c.exchange.link.SwitchInLoader);
  EXPECT_FALSE(h.model.loader.firmwareIntact);

  h.model.loader.faults.errorAtRecord = -1;
  h.port.ClearEvents();
  FwUpdateUpload(h.c.exchange, h.c.monitor, h.c.access, h.c.fwUpdate);
  EXPECT_EQ(h.Written().front(), "\r");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_TRUE(h.model.loader.firmwareIntact);
}

}  // namespace
}  // namespace taviron::test
