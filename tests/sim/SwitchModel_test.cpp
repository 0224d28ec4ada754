#include "sim/SwitchModel.h"

#include <gtest/gtest.h>

#include "sim/SimControl.h"

namespace taviron::sim {
namespace {

// Sends bytes at time t and collects every answer that follows within a second.
std::string Exchange(SwitchModel& m, std::string_view bytes, TimeMs t = 0) {
  m.Receive(bytes, t);
  return m.TakeDue(t + 1000);
}

TEST(SwitchModelTest, AnswersStatusQueriesWithTheLengthsTheProgramReads) {
  SwitchModel m;
  m.state.portModes = "33560125";
  m.state.surgeCounter = 0x181;
  struct Case {
    const char* command;
    const char* reply;
  } cases[] = {
      {"fwv\r\n", "\r\n[01.09]"},
      {"lci\r\n", "\r\n[0181]\r"},
      {"rg\r\n", "\r\n[1]"},
      {"feg\r\n", "\r\n[0000]"},
      {"peg 8\r\n", "\r\n[0 0 0 0 0 0 0 0]"},
      {"pg 8\r\n", "\r\n[3 3 5 6 0 1 2 5]"},
      {"mg\r\n", "\r\n[00 80 C2 12 34 56]\r"},
      {"\x02", "\r\n[0]"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Exchange(m, c.command), c.reply) << c.command;
}

TEST(SwitchModelTest, ChangesAreConfirmedInTheFourthByte) {
  SwitchModel m;
  EXPECT_EQ(Exchange(m, "ps 2 0\r\n"), "\r\n[0]");
  EXPECT_EQ(Exchange(m, "ps 8 0\r\n"), "\r\n[1]");
  EXPECT_EQ(Exchange(m, "ps 1 4\r\n"), "\r\n[1]");
  EXPECT_EQ(m.state.portModes, "55055555");
  EXPECT_EQ(Exchange(m, "rs 0\r\n"), "\r\n[0]");
  EXPECT_EQ(m.state.relay, '0');
  EXPECT_EQ(Exchange(m, "lcc 0\r\n"), "\r\n[0]");
  EXPECT_EQ(m.state.surgeCounter, 0u);
  EXPECT_EQ(Exchange(m, "ms 01 02 03 0A 0B 0C\r\n"), "[0]\r\n");
  EXPECT_EQ(Exchange(m, "ms 01 02 03 0a 0B 0C\r\n"), "[1]\r\n");
  EXPECT_EQ(m.state.mac, "01 02 03 0A 0B 0C");
}

TEST(SwitchModelTest, APasswordProtectedSwitchWantsThePasswordAfterTheProbe) {
  SwitchModel m;
  m.state.userPassword = "abc";
  EXPECT_EQ(Exchange(m, "q\rq\rq\rq\r\x02"), "\r\n[1]");
  EXPECT_EQ(Exchange(m, "wrong\r\n"), "\r\n[1]");
  EXPECT_FALSE(m.LoggedIn());
  EXPECT_EQ(Exchange(m, "abc\r\n"), "\r\n[0]");
  EXPECT_TRUE(m.LoggedIn());
  EXPECT_EQ(Exchange(m, "fwv\r\n"), "\r\n[01.09]");
  Exchange(m, "q\r");
  EXPECT_FALSE(m.LoggedIn());
}

TEST(SwitchModelTest, TheMaintenancePasswordAdmitsWithoutReplacingTheUserPassword) {
  SwitchModel m;
  m.state.userPassword = "abc";
  Exchange(m, "abc\r\n");
  EXPECT_EQ(Exchange(m, "passwd qorplemt\r\n"), "\r\n[0]");
  EXPECT_TRUE(m.MaintenanceAdmitted());
  EXPECT_EQ(m.state.userPassword, "abc");
  EXPECT_EQ(Exchange(m, "passwd new\r\n"), "\r\n[0]");
  EXPECT_EQ(m.state.userPassword, "new");
  EXPECT_EQ(Exchange(m, "passwd\r\n"), "\r\n[0]");
  EXPECT_EQ(m.state.userPassword, "");
}

TEST(SwitchModelTest, ARestartIsDeafForItsDurationAndEndsTheSession) {
  SwitchModel m;
  m.state.userPassword = "abc";
  Exchange(m, "abc\r\n");
  m.Receive("arst\r\n", 0);
  EXPECT_EQ(m.CurrentMode(500), SwitchModel::Mode::kRestarting);
  EXPECT_EQ(Exchange(m, "\x02", 500), "");
  EXPECT_EQ(Exchange(m, "\x02", 1000), "\r\n[1]");
  EXPECT_FALSE(m.LoggedIn());
  EXPECT_EQ(m.Restarts(), 1);
}

TEST(SwitchModelTest, FaultsShapeTheAnswers) {
  SwitchModel m;
  m.faults.shortReply = 3;
  EXPECT_EQ(Exchange(m, "fwv\r\n"), "\r\n[");
  m.faults = {};
  m.faults.garbled = true;
  EXPECT_EQ(Exchange(m, "rg\r\n").find('['), std::string::npos);
  m.faults = {};
  m.faults.refuse = true;
  m.faults.only = "ps";
  EXPECT_EQ(Exchange(m, "ps 0 3\r\n"), "\r\n[1]");
  EXPECT_EQ(Exchange(m, "rs 0\r\n"), "\r\n[0]");
  m.faults = {};
  m.faults.replyDelay = 300;
  m.Receive("rg\r\n", 0);
  EXPECT_EQ(m.TakeDue(299), "");
  EXPECT_EQ(m.TakeDue(300), "\r\n[0]");
  m.faults = {};
  m.faults.silentAfterBytes = m.BytesReceived() + 5;
  EXPECT_EQ(Exchange(m, "fwv\r\n"), "\r\n[01.09]");
  EXPECT_EQ(Exchange(m, "fwv\r\n"), "");
}

TEST(SwitchModelTest, ControlLinesChangeStateAndFaults) {
  SwitchModel m;
  EXPECT_EQ(ApplyControl(m, "set password top", 0), "ok");
  EXPECT_EQ(ApplyControl(m, "set port-modes 01235666", 0), "ok");
  EXPECT_EQ(ApplyControl(m, "fault reply probe \\r\\n[F]", 0), "ok");
  EXPECT_EQ(ApplyControl(m, "set relay", 0).rfind("error", 0), 0u);
  EXPECT_EQ(ApplyControl(m, "bogus", 0).rfind("error", 0), 0u);
  EXPECT_EQ(m.state.userPassword, "top");
  EXPECT_EQ(m.faults.replies["probe"], "\r\n[F]");
  std::string state = ApplyControl(m, "state", 0);
  EXPECT_NE(state.find("password=top"), std::string::npos);
  EXPECT_NE(state.find("port-modes=01235666"), std::string::npos);
  EXPECT_EQ(Unescape(Escape(std::string("a b\r\n\x02", 6))), std::string("a b\r\n\x02", 6));
}

TEST(SwitchModelTest, ControlNumbersTooLargeForTheClockOrTheCountersAreRefused) {
  for (const char* line :
       {"fault delay 9223372036854775807", "set restart-ms 1000000001",
        "set eini-ms 9223372036854775807", "fault silent-after 9223372036854775807",
        "loader error-at 1 9223372036854775807", "loader erase-ms 1000000001",
        "fault short 4294967296", "set counter 100000000"}) {
    SwitchModel m;
    EXPECT_EQ(ApplyControl(m, line, 0).rfind("error", 0), 0u) << line;
  }
  SwitchModel m;
  EXPECT_EQ(ApplyControl(m, "fault delay 1000000000", 0), "ok");
  m.Receive("fwv\r\n", 5000);
  EXPECT_EQ(m.NextDue(), 1000005000);
}

TEST(SwitchModelTest, KeepsTheRecentLinesOnlyHoweverLongItServes) {
  SwitchModel m;
  for (int i = 0; i < 5 * static_cast<int>(SwitchModel::kKeptLines); ++i)
    m.Receive("x" + std::to_string(i) + "\r", 0);
  EXPECT_GE(m.Lines().size(), SwitchModel::kKeptLines);
  EXPECT_LE(m.Lines().size(), 2 * SwitchModel::kKeptLines);
  EXPECT_EQ(m.Lines().back(), "x" + std::to_string(5 * SwitchModel::kKeptLines - 1));
}

}  // namespace
}  // namespace taviron::sim
