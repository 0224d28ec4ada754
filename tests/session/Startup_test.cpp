#include "session/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

using sim::PortEvent;

// Writes with the virtual time each left at.
std::vector<std::pair<TimeMs, std::string>> TimedWrites(const sim::ModelPort& port) {
  std::vector<std::pair<TimeMs, std::string>> out;
  for (const PortEvent& e : port.Writes())
    out.emplace_back(e.at, e.bytes);
  return out;
}

TEST(StartupTest, GreetsTheSwitchWithWakeUpLinesAndTheProbe) {
  Harness h;
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  EXPECT_EQ(TimedWrites(h.port), (std::vector<std::pair<TimeMs, std::string>>{
                                     {0, "q\r"},
                                     {100, "q\r"},
                                     {200, "q\r"},
                                     {300, "q\r"},
                                     {400, "\x02"},
                                 }));
  // The reply is read after the 100 ms pause and the 50 ms wait for five bytes.
  const PortEvent& read = h.port.Events().back();
  EXPECT_EQ(read.kind, PortEvent::kRead);
  EXPECT_EQ(read.at, 550);
  EXPECT_EQ(read.bytes, "\r\n[0]");
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
  EXPECT_EQ(h.c.exchange.link.SwitchMode, '0');
  EXPECT_EQ(h.c.access.NoLoginNeeded, 1);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_TRUE(h.c.exchange.link.HasPort());
  EXPECT_TRUE(h.frontend.boxes.empty());
}

TEST(StartupTest, APasswordProtectedSwitchAsksForTheLogIn) {
  Harness h;
  h.model.state.userPassword = "secret";
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  EXPECT_EQ(h.c.exchange.link.SwitchMode, '1');
  EXPECT_EQ(h.c.access.NoLoginNeeded, 0);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
}

TEST(StartupTest, BracketInTheSecondPositionIsAccepted) {
  Harness h;
  h.model.faults.replies["probe"] = "\r[0]\n";
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1);
  EXPECT_EQ(h.c.exchange.link.SwitchMode, '0');
}

TEST(StartupTest, ANulBeforeTheBracketIsOneOfTheBytesLookedAt) {
  using namespace std::string_literals;
  for (std::string reply : {"\0[0]"s, "\0\0[1]"s}) {
    Harness h;
    h.model.faults.replies["probe"] = reply;
    RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
    EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 1) << reply.size();
    EXPECT_EQ(h.c.exchange.link.SwitchMode, reply[reply.find('[') + 1]);
  }
}

struct GreetingFailure {
  const char* name;
  std::function<void(Harness&)> arrange;
  std::uint32_t code;
  bool box;
};

class StartupGreetingFailureTest : public ::testing::TestWithParam<GreetingFailure> {};

TEST_P(StartupGreetingFailureTest, IsReportedLoggedAndClosesThePort) {
  Harness h;
  WriteFile(h.dir / "SWITCH.INI", "[Log]\nEnable=1\n");
  GetParam().arrange(h);
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  if (GetParam().box) {
    ASSERT_EQ(h.frontend.boxes.size(), 1u);
    EXPECT_EQ(h.frontend.boxes[0].text, "Failed to start TAVIRON.");
    EXPECT_EQ(h.frontend.boxes[0].caption, "TAVIRON starting failed");
    EXPECT_EQ(h.frontend.boxes[0].logSoFar, kLogHeader);  // the box comes before the record
  } else {
    EXPECT_TRUE(h.frontend.boxes.empty());
  }
  EXPECT_EQ(h.LogEntries(), Stamp(h.clock.Now()) + std::to_string(GetParam().code) +
                                "   Failed to start TAVIRON.\r\n");
  EXPECT_FALSE(h.c.exchange.link.HasPort());
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 0);
  EXPECT_EQ(h.c.access.NoLoginNeeded, 1);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnectingFailure);
}

INSTANTIATE_TEST_SUITE_P(
    Points, StartupGreetingFailureTest,
    ::testing::Values(
        GreetingFailure{"probe not sent", [](Harness& h) { h.port.failWrites = 100; }, 10230803,
                        true},
        GreetingFailure{"no reply", [](Harness& h) { h.model.faults.silent = true; }, 10230804,
                        true},
        GreetingFailure{"no bracket", [](Harness& h) { h.model.faults.replies["probe"] = "abc[0"; },
                        10230805, true},
        GreetingFailure{"garbled", [](Harness& h) { h.model.faults.garbled = true; }, 10230805,
                        true},
        GreetingFailure{"bad mode", [](Harness& h) { h.model.faults.replies["probe"] = "\r\n[F]"; },
                        10230806, false},
        GreetingFailure{"reply ends after the bracket",
                        [](Harness& h) { h.model.faults.replies["probe"] = "\r\n["; }, 10230806,
                        false}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(StartupTest, APortThatCannotBeOpenedIsReportedAndTheProgramGoesOn) {
  Harness h;
  WriteFile(h.dir / "SWITCH.INI", "[Serial]\nPort=3\n[Log]\nEnable=1\n");
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  // The box says why after its own text; the log keeps the record as it is.
  EXPECT_EQ(h.frontend.boxes[0].text,
            "Failed to Open COM port.\r\n\r\nCOM4 does not exist.\r\nCheck that the serial cable "
            "or USB adapter is plugged in and that the right port is chosen.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "TAVIRON starting failed");
  EXPECT_EQ(h.LogEntries(), Stamp() + "10230701   Failed to Open COM port.\r\n");
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkDisconnect);
  EXPECT_EQ(h.c.exchange.link.SwitchAnswered, 0);
  EXPECT_TRUE(h.port.Events().empty());
}

TEST(StartupTest, SettingsApplyToTheWindowPortAndLog) {
  Harness h;
  WriteFile(h.dir / "SWITCH.INI", "[Size]\nTop=1\nLeft=2\nWidth=3\nHeight=4\n[Serial]\nPort=259\n");
  h.port.names = {"COM4"};
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  EXPECT_EQ(h.c.session.mainWindowBounds, (WindowBounds{1, 2, 3, 4}));
  EXPECT_EQ(h.c.exchange.link.ComPortIndex, 3);
  EXPECT_EQ(h.c.exchange.link.LinkState, kLinkConnected);
  EXPECT_EQ(h.c.exchange.log.LogEnabled, 0);
  EXPECT_FALSE(std::filesystem::exists(h.dir / "LOG.TXT"));
}

TEST(StartupTest, LoggingThatCannotStartIsReportedAndStaysOff) {
  Harness h;
  WriteFile(h.dir / "SWITCH.INI", "[Log]\nEnable=1\n");
  std::filesystem::create_directory(h.dir / "LOG.TXT");
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  ASSERT_GE(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to write the error log file.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Writing Error");
  EXPECT_EQ(h.c.exchange.log.LogEnabled, 0);
  EXPECT_TRUE(h.c.monitor.view.menuEnableGetError);
}

TEST(StartupTest, RunsOnlyOnce) {
  Harness h;
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  std::size_t events = h.port.Events().size();
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  EXPECT_EQ(h.port.Events().size(), events);
}

TEST(ShutdownTest, SendsClosingLinesThenClosesPortLogAndWritesSettings) {
  Harness h;
  WriteFile(h.dir / "SWITCH.INI", "[Serial]\nPort=0\n[Log]\nEnable=1\n");
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  h.port.ClearEvents();
  TimeMs start = h.clock.Now();
  RunShutdown(h.c.exchange, h.c.session, WindowBounds{107, 275, 391, 561});
  EXPECT_EQ(TimedWrites(h.port), (std::vector<std::pair<TimeMs, std::string>>{
                                     {start, "q\r"},
                                     {start + 100, "q\r"},
                                     {start + 200, "q\r"},
                                     {start + 300, "q\r"},
                                 }));
  EXPECT_EQ(h.port.Events().back().kind, PortEvent::kClose);
  EXPECT_EQ(h.clock.Now(), start + 300);
  EXPECT_EQ(h.LogEntries(), "\r\n");
  EXPECT_EQ(ReadFile(h.dir / "SWITCH.INI"),
            "[Size]\nTop=107\nLeft=275\nWidth=391\nHeight=561\n[Serial]\nPort=0\n"
            "[Log]\nEnable=1\n");
  EXPECT_TRUE(h.frontend.boxes.empty());
}

TEST(ShutdownTest, WritesTheKeysEvenWithoutAnySettingsFileOrLogging) {
  Harness h;
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  RunShutdown(h.c.exchange, h.c.session, h.c.session.mainWindowBounds);
  EXPECT_EQ(ReadFile(h.dir / "SWITCH.INI"),
            "[Size]\nTop=177\nLeft=462\nWidth=491\nHeight=661\n[Serial]\nPort=0\n"
            "[Log]\nEnable=0\n");
  EXPECT_FALSE(std::filesystem::exists(h.dir / "LOG.TXT"));
}

TEST(ShutdownTest, SettingsThatCannotBeWrittenAreReported) {
  Harness h;
  RunStartup(h.c.exchange, h.c.monitor, h.c.access, h.c.session);
  std::filesystem::create_directory(h.dir / "SWITCH.INI");
  RunShutdown(h.c.exchange, h.c.session, h.c.session.mainWindowBounds);
  ASSERT_EQ(h.frontend.boxes.size(), 1u);
  EXPECT_EQ(h.frontend.boxes[0].text, "Failed to write INI file.");
  EXPECT_EQ(h.frontend.boxes[0].caption, "Writing Error");
}

}  // namespace
}  // namespace taviron::test
