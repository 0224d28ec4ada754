// The upload over the real POSIX port to taviron-switchsim on a pseudo-terminal, in real time.
#include <stdlib.h>

#include <gtest/gtest.h>

#include "firmware/FirmwareUpload.h"
#include "platform/posix/PosixSerialPort.h"
#include "program/Configurator.h"
#include "tests/support/HexImage.h"
#include "tests/support/Process.h"
#include "tests/support/RecordingFrontend.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

TEST(FirmwareUploadIntegrationTest, TheSdccProgramLandsInTheLoaderByteForByte) {
  // A short erase and restart keep the test quick; the program's own waits stay as they are.
  SwitchSim sim({"--erase-ms", "300", "--restart-ms", "800"});
  ::setenv("TAVIRON_COM1", sim.Device().c_str(), 1);
  TempDir dir;
  PosixSerialPort port;
  SteadyClock clock;
  RecordingFrontend frontend;
  Configurator c(port, clock, frontend, dir.path());
  ASSERT_TRUE(c.exchange.link.OpenConfiguredPort());
  ASSERT_TRUE(c.exchange.link.SetupConnection());
  c.exchange.link.LinkState = kLinkConnected;

  FwUpdateOpenFile(c.exchange, c.fwUpdate, BuiltFixture("walk.hex").string());
  FwUpdateUpload(c.exchange, c.monitor, c.access, c.fwUpdate);
  ::unsetenv("TAVIRON_COM1");

  for (const auto& box : frontend.boxes)
    ADD_FAILURE() << box.caption << ": " << box.text;
  EXPECT_EQ(c.fwUpdate.Lb_update, "Firmware Upgrade:Restoration was completed.");
  EXPECT_EQ(c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(c.monitor.view.Lb_fw_ver, "01.09");  // the restarted switch answered the refresh
  EXPECT_EQ(sim.State("restarts"), "1");
  EXPECT_EQ(sim.State("loads"), "1");
  ASSERT_EQ(sim.Control("image " + (dir / "image.txt").string()), "ok");
  EXPECT_EQ(ReadFile(dir / "image.txt"), ImageText(ImageOfHexFile(BuiltFixture("walk.hex"))));
  c.exchange.link.CloseConnection();
}

}  // namespace
}  // namespace taviron::test
