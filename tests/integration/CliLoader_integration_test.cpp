// taviron-cli against taviron-switchsim left in its ROM loader, in real time.
#include <gtest/gtest.h>

#include "tests/support/HexImage.h"
#include "tests/support/Process.h"

namespace taviron::test {
namespace {

struct Result {
  int status;
  std::string out;  // standard output and standard error together
};

Result RunCli(const std::vector<std::string>& args) {
  std::string command = "exec '" + BinaryPath("taviron-cli").string() + "'";
  for (const std::string& a : args)
    command += " '" + a + "'";
  Process cli({"/bin/sh", "-c", command + " 2>&1"});
  std::string out;
  while (std::optional<std::string> line = cli.ReadLine(30000))
    out += *line + "\n";
  return {cli.Wait(30000).value_or(-99), out};
}

TEST(CliLoaderIntegrationTest, StatusNamesTheLoaderAndTheUploadRestoresTheSwitch) {
  SwitchSim sim({"--erase-ms", "300", "--restart-ms", "500", "--control", "loader erased",
                 "--fw-version", "02.01"});
  const std::string file = std::string(TAVIRON_FIXTURES_BUILD_DIR) + "/walk.hex";

  Result status = RunCli({"--port", sim.Device(), "status"});
  EXPECT_EQ(status.status, 1) << status.out;
  EXPECT_NE(status.out.find("ROM loader"), std::string::npos) << status.out;
  EXPECT_NE(status.out.find("taviron-cli firmware upload FILE"), std::string::npos) << status.out;
  // Without its firmware the switch comes back into its loader after a power cycle.
  ASSERT_EQ(sim.Control("power-cycle"), "ok");
  EXPECT_TRUE(sim.WaitFor("mode", "loader", 5000));

  Result upload = RunCli(
      {"--port", sim.Device(), "--maintenance-password", "qorplemt", "firmware", "upload", file});
  EXPECT_EQ(upload.status, 0) << upload.out;
  EXPECT_NE(upload.out.find("Firmware Upgrade:Restoration was completed."), std::string::npos)
      << upload.out;
  EXPECT_NE(upload.out.find("Firmware version: 02.01"), std::string::npos) << upload.out;
  EXPECT_EQ(sim.State("mode"), "cli");
  EXPECT_EQ(RunCli({"--port", sim.Device(), "status"}).status, 0);
}

}  // namespace
}  // namespace taviron::test
