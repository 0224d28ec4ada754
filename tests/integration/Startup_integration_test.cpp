// The program against taviron-switchsim on a pseudo-terminal, in real time.
#include <signal.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/ProgramRun.h"

namespace taviron::test {
namespace {

TEST(StartupIntegrationTest, GreetsTheSwitchAndShutsDownCleanlyOnSigterm) {
  SwitchSim sim;
  ProgramRun run(sim.Device());
  run.WriteSettings("[Log]\nEnable=1\n");
  auto program = run.Start();
  ASSERT_TRUE(sim.WaitFor("probes", "1", 10000));
  // The window shows itself and fills in from the switch: the port query comes last.
  ASSERT_TRUE(sim.WaitFor("mode", "cli", 1000));
  for (int i = 0; i < 100 && sim.Lines().size() < 10; ++i)
    usleep(50000);

  program->Signal(SIGTERM);
  ASSERT_EQ(program->Wait(10000), 0);
  std::vector<std::string> lines = sim.Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
            (std::vector<std::string>{"q", "q", "q", "q"}));
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"q", "q", "q", "q"}));
  EXPECT_EQ(run.Settings(),
            "[Size]\nTop=177\nLeft=462\nWidth=391\nHeight=561\n[Serial]\nPort=0\n[Log]\n"
            "Enable=1\n");
  // Logging was on and nothing failed: the header, then the empty line of the orderly close.
  EXPECT_EQ(run.Log(),
            "----------------------------------------------------------\r\n"
            "DATE                 ErrorCode  ErrorMessage\r\n"
            "----------------------------------------------------------\r\n\r\n");
}

TEST(StartupIntegrationTest, HelpSaysWhereThisCopyKeepsItsFilesAndStartsNothing) {
  ProgramRun run("/nonexistent");
  auto program = run.Start({}, {"--help"});
  std::string out;
  while (std::optional<std::string> line = program->ReadLine(10000))
    out += *line + "\n";
  ASSERT_EQ(program->Wait(10000), 0);
  // A copy in a directory of its own is portable: both files beside it.
  const std::string dir = run.directory().string();
  EXPECT_NE(out.find("  " + dir + "/SWITCH.INI  "), std::string::npos) << out;
  EXPECT_NE(out.find("  " + dir + "/LOG.TXT  "), std::string::npos) << out;
  EXPECT_FALSE(std::filesystem::exists(run.directory() / "SWITCH.INI"));
}

TEST(StartupIntegrationTest, ASecondCopyEndsAtOnceWithExitCodeOne) {
  SwitchSim sim;
  ProgramRun run(sim.Device());
  auto first = run.Start();
  ASSERT_TRUE(sim.WaitFor("probes", "1", 10000));
  auto second = run.Start();
  EXPECT_EQ(second->Wait(10000), 1);
  EXPECT_EQ(sim.State("probes"), "1");  // the second copy never touched the line
  first->Signal(SIGTERM);
  EXPECT_EQ(first->Wait(10000), 0);
}

TEST(StartupIntegrationTest, TheGuardGoesWithACopyThatWasKilled) {
  SwitchSim sim;
  ProgramRun run(sim.Device());
  auto first = run.Start();
  ASSERT_TRUE(sim.WaitFor("probes", "1", 10000));
  first->Signal(SIGKILL);
  first->Wait(5000);
  auto second = run.Start();
  EXPECT_TRUE(sim.WaitFor("probes", "2", 10000));
  second->Signal(SIGTERM);
  EXPECT_EQ(second->Wait(10000), 0);
}

TEST(StartupIntegrationTest, AMissingPortIsReportedAndTheProgramStillRuns) {
  ProgramRun run("/dev/does-not-exist");
  auto program = run.Start();
  usleep(1500000);
  EXPECT_TRUE(program->Running());
  program->Signal(SIGTERM);
  EXPECT_EQ(program->Wait(10000), 0);
  EXPECT_NE(run.Settings().find("[Serial]\nPort=0\n"), std::string::npos);
}

}  // namespace
}  // namespace taviron::test
