#include "cli/Tool.h"

#include "base/FailureCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>

#include "cli/JsonText.h"
#include "sim/ModelPort.h"
#include "sim/SwitchModel.h"
#include "sim/VirtualClock.h"
#include "tests/support/Harness.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

// The tool on the simulated switch in the process, on virtual time.
struct ToolHarness {
  explicit ToolHarness(cli::ToolOptions options = {}) {
    options.settingsDirectory = dir.path();
    tool = std::make_unique<cli::Tool>(port, clock, options, out, err);
  }
  TempDir dir;
  sim::VirtualClock clock;
  sim::SwitchModel model;
  sim::ModelPort port{model, clock};
  std::ostringstream out;
  std::ostringstream err;
  std::unique_ptr<cli::Tool> tool;
};

TEST(ToolTest, StatusPrintsWhatTheWindowShows) {
  ToolHarness h;
  h.model.state.firmwareError = "8401";
  h.model.state.portErrors = "00500000";
  EXPECT_EQ(h.tool->Status(), 0);
  std::string out = h.out.str();
  EXPECT_NE(out.find("Switch Version     01.09\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Switch Status      Abnormal  008401: Relay ON  Test Error\n"),
            std::string::npos);
  EXPECT_NE(out.find("#3    Network Error"), std::string::npos);
  EXPECT_NE(out.find("Link               Connected\n"), std::string::npos);
  EXPECT_EQ(h.err.str(), "");
  // Greeted, refreshed, and the closing lines sent.
  std::vector<std::string> lines = h.model.Lines();
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines.back(), "q");
  EXPECT_FALSE(h.port.IsOpen());
}

TEST(ToolTest, JsonKeepsModeAndPortErrorApart) {
  cli::ToolOptions options;
  options.json = true;
  ToolHarness h(options);
  h.model.state.portModes = "33555555";
  h.model.state.portErrors = "05000000";
  EXPECT_EQ(h.tool->Status(), 0);
  std::string json = h.out.str();
  EXPECT_EQ(json.rfind("{\"firmware_version\":\"01.09\",", 0), 0u) << json;
  EXPECT_NE(json.find("{\"port\":2,\"speed\":\"100Mbps\",\"duplex\":\"Full\",\"error\":\"Network "
                      "Error\"}"),
            std::string::npos);
  EXPECT_NE(json.find("\"link\":\"Connected\",\"schema\":1}\n"), std::string::npos);
}

TEST(ToolTest, AFailedQueryIsALineOnStandardErrorAndExitOne) {
  ToolHarness h;
  h.model.faults.only = "fwv";
  h.model.faults.silent = true;
  EXPECT_EQ(h.tool->Status(), 1);
  EXPECT_EQ(h.err.str(),
            "10230102 Failed to obtain the Firmware version.\n"
            "Shown as unknown: firmware_version.\n");
  EXPECT_NE(h.out.str().find("Switch Version     --.--"), std::string::npos);
}

TEST(ToolTest, NoSwitchOnTheLine) {
  ToolHarness h;
  h.model.faults.silent = true;
  EXPECT_EQ(h.tool->Status(), 1);
  EXPECT_EQ(h.err.str(), "10230804 Failed to start TAVIRON.\n");
  EXPECT_EQ(h.out.str(), "");
}

TEST(ToolTest, APortThatWillNotOpenSaysWhyAfterItsFailure) {
  ToolHarness h;
  h.port.heldElsewhere = true;
  EXPECT_EQ(h.tool->Status(), 1);
  EXPECT_EQ(h.err.str(),
            "10230701 Failed to Open COM port.\nCOM1 is in use by another program.\n"
            "Close that program, then try again.\n");
}

TEST(ToolTest, APasswordProtectedSwitch) {
  cli::ToolOptions options;
  options.password = "pw";
  ToolHarness h(options);
  h.model.state.userPassword = "pw";
  EXPECT_EQ(h.tool->PortsShow(), 0);
  EXPECT_EQ(h.out.str(), "1=auto\n2=auto\n3=auto\n4=auto\n5=auto\n6=auto\n7=auto\n8=auto\n");

  cli::ToolOptions wrong;
  wrong.password = "nope";
  ToolHarness refused(wrong);
  refused.model.state.userPassword = "pw";
  EXPECT_EQ(refused.tool->Status(), 1);
  EXPECT_EQ(refused.err.str(), "Password is incorrect.\n");

  ToolHarness none;  // no password given, and no terminal to ask on
  none.model.state.userPassword = "pw";
  EXPECT_EQ(none.tool->Status(), 1);
  EXPECT_NE(none.err.str().find("TAVIRON_PASSWORD"), std::string::npos);
}

TEST(ToolTest, PortsSetKeepsThePortsNotNamed) {
  ToolHarness h;
  h.model.state.portModes = "01235655";
  EXPECT_EQ(h.tool->PortsSet({"2=auto", "8=100/FULL", "3=10mbps/half"}), 0);
  EXPECT_EQ(h.model.state.portModes, "05035653");
  int portCommands = 0;
  for (const std::string& line : h.model.Lines())
    portCommands += line.rfind("ps ", 0) == 0;
  EXPECT_EQ(portCommands, 8);
}

TEST(ToolTest, PortsSetRefusesWhatItCannotRead) {
  for (const char* bad : {"9=auto", "1=fast", "1", "=auto", "12=auto"}) {
    ToolHarness h;
    EXPECT_EQ(h.tool->PortsSet({bad}), 2) << bad;
    EXPECT_TRUE(h.model.Lines().empty());
  }
  ToolHarness unknown;
  unknown.model.state.portModes = "55455555";  // port 3 reads as nothing the program knows
  EXPECT_EQ(unknown.tool->PortsSet({"1=auto"}), 1);
  EXPECT_EQ(unknown.err.str(), "The mode of port #3 could not be read: name it too.\n");
}

TEST(ToolTest, ConfigRoundTripAndAFileThatIsRefused) {
  ToolHarness h;
  h.model.state.portModes = "01235665";
  std::string file = (h.dir / "site").string();
  EXPECT_EQ(h.tool->ConfigSave(file), 0);
  EXPECT_EQ(h.out.str(), file + ".txt\n");
  h.model.state.portModes = "55555555";
  ToolHarness load;
  load.model.state.portModes = "55555555";
  EXPECT_EQ(load.tool->ConfigLoad(file + ".txt"), 0);
  EXPECT_EQ(load.model.state.portModes, "01235665");

  // An existing file is replaced only with --force.
  const std::string saved = ReadFile(file + ".txt");
  ToolHarness again;
  again.model.state.portModes = "55555555";
  EXPECT_EQ(again.tool->ConfigSave(file), 3);
  EXPECT_EQ(again.err.str(), file + ".txt exists: nothing was saved (--force replaces it).\n");
  EXPECT_EQ(ReadFile(file + ".txt"), saved);
  ToolHarness forced;
  forced.model.state.portModes = "55555555";
  EXPECT_EQ(forced.tool->ConfigSave(file, true), 0);
  EXPECT_NE(ReadFile(file + ".txt"), saved);

  WriteFile(h.dir / "bad.txt", "port1=9\n");
  ToolHarness bad;
  EXPECT_EQ(bad.tool->ConfigLoad((h.dir / "bad.txt").string()), 3);
  EXPECT_EQ(bad.err.str(), "10110130 Configuration file is incorrect.\n");
  ToolHarness missing;
  EXPECT_EQ(missing.tool->ConfigLoad((h.dir / "none.txt").string()), 3);
}

TEST(ToolTest, MaintenanceCommandsGoThroughTheGate) {
  cli::ToolOptions options;
  options.maintenancePassword = "qorplemt";
  ToolHarness h(options);
  h.model.state.surgeCounter = 0x190;
  EXPECT_EQ(h.tool->SurgeClear(), 0);
  EXPECT_EQ(h.model.state.surgeCounter, 0u);
  ToolHarness relay(options);
  EXPECT_EQ(relay.tool->Relay(false), 0);
  EXPECT_EQ(relay.model.state.relay, '0');

  cli::ToolOptions wrong;
  wrong.maintenancePassword = "guess";
  ToolHarness refused(wrong);
  EXPECT_EQ(refused.tool->Relay(false), 1);
  EXPECT_EQ(refused.model.state.relay, '1');
  EXPECT_EQ(refused.err.str(), "10110904 Failed to enter maintenance password.\n");
}

TEST(ToolTest, MacAddressShowAndSet) {
  cli::ToolOptions options;
  options.maintenancePassword = "qorplemt";
  ToolHarness h(options);
  EXPECT_EQ(h.tool->MacShow(), 0);
  EXPECT_EQ(h.out.str(), "00 80 C2 12 34 56\n");
  ToolHarness set(options);
  EXPECT_EQ(set.tool->MacSet({"02", "00", "00", "AA", "BB", "CC"}), 0);
  EXPECT_EQ(set.model.state.mac, "02 00 00 AA BB CC");
  ToolHarness lower(options);
  EXPECT_EQ(lower.tool->MacSet({"02", "00", "00", "aa", "BB", "CC"}), 0);
  EXPECT_EQ(lower.model.state.mac, "02 00 00 AA BB CC");
  ToolHarness few(options);
  EXPECT_EQ(few.tool->MacSet({"02", "00"}), 2);
}

TEST(ToolTest, PasswordChangeResetAndDefaults) {
  ToolHarness h;
  EXPECT_EQ(h.tool->PasswordChange(std::string("abc")), 0);
  EXPECT_EQ(h.model.state.userPassword, "abc");
  ToolHarness longer;
  EXPECT_EQ(longer.tool->PasswordChange(std::string("abcdefghi")), 2);
  ToolHarness reset;
  EXPECT_EQ(reset.tool->Reset(), 0);
  EXPECT_EQ(reset.model.Restarts(), 1);
  ToolHarness defaults;
  defaults.model.state.portModes = "00000000";
  EXPECT_EQ(defaults.tool->Defaults(), 0);
  EXPECT_EQ(defaults.model.state.portModes, "55555555");
}

TEST(ToolTest, AResetReopensThePortTheToolWasPointedAt) {
  cli::ToolOptions options;
  options.port = "/dev/ttyUSB3";
  ToolHarness h(options);
  h.port.names = {"/dev/ttyUSB3"};
  EXPECT_EQ(h.tool->Reset(), 0);
  EXPECT_EQ(h.port.Opens(), 2);
  EXPECT_EQ(h.err.str(), "");
}

TEST(ToolTest, LogSwitchesTheProgramsSetting) {
  cli::ToolOptions options;
  options.maintenancePassword = "qorplemt";
  ToolHarness h(options);
  EXPECT_EQ(h.tool->Log(true), 0);
  EXPECT_NE(ReadFile(h.dir / "SWITCH.INI").find("[Log]\nEnable=1\n"), std::string::npos);
}

TEST(ToolTest, TheLogReceivesTheRecordsAsTheProgramWritesThem) {
  TempDir logs;
  cli::ToolOptions options;
  options.logDirectory = logs.path();
  ToolHarness h(options);
  h.model.faults.only = "rg";
  h.model.faults.silent = true;
  EXPECT_EQ(h.tool->Status(), 1);
  std::string log = ReadFile(logs / "LOG.TXT");
  EXPECT_EQ(log.rfind(kLogHeader, 0), 0u);
  EXPECT_NE(log.find("10230522   Failed to obtain the relay status.\r\n"), std::string::npos);
  EXPECT_EQ(log.substr(log.size() - 4), "\r\n\r\n");  // the closing empty line
}

TEST(ToolTest, WatchPrintsOnlyWhatChanged) {
  ToolHarness h;
  auto refreshes = [&h] {
    const auto& lines = h.model.Lines();
    return std::count(lines.begin(), lines.end(), "fwv");
  };
  EXPECT_EQ(h.tool->Watch(0.01,
                          [&] {
                            if (refreshes() == 1) h.model.state.relay = '0';
                            return refreshes() < 3;
                          }),
            0);
  std::string out = h.out.str();
  EXPECT_NE(out.find(" relay: ON\n"), std::string::npos) << out;
  EXPECT_NE(out.find(" relay: ON -> OFF\n"), std::string::npos);
  std::size_t firstLines = std::count(out.begin(), out.end(), '\n');
  EXPECT_EQ(firstLines, 23u + 1u);  // every value once, then the one change
}

TEST(ToolTest, AVersionCutShortIsAFailureNotAValue) {
  ToolHarness h;
  h.model.faults.replies["fwv"] = "\r\n[01.";
  EXPECT_EQ(h.tool->Status(), 1);
  EXPECT_NE(h.out.str().find("Switch Version     --.--\n"), std::string::npos) << h.out.str();
  EXPECT_NE(h.err.str().find("10230103 Failed to obtain the Firmware version."), std::string::npos);
}

TEST(ToolTest, WhatTheSwitchSentReachesTheTerminalEscapedAndJsonAsAscii) {
  struct Case {
    const char* name;
    void (*set)(sim::SwitchModel& model);
    const char* text;  // a line of the text output
    const char* json;  // a piece of the JSON output
    int status;
    const char* err;
  } cases[] = {
      {"bytes 0x80 to 0xFF",
       [](sim::SwitchModel& m) {
         m.faults.replies["fwv"] =
             "\r\n[\xe9\x85.\xff"
             "9]";
       },
       "Switch Version     \\xE9\\x85.\\xFF9\n",
       "{\"firmware_version\":\"\\u00e9\\u0085.\\u00ff9\"", 0, ""},
      {"terminal controls",
       [](sim::SwitchModel& m) { m.faults.replies["fwv"] = "\r\n[\x1b[2J\\]"; },
       "Switch Version     \\x1B[2J\\\\\n", "{\"firmware_version\":\"\\u001b[2J\\\\\"", 0, ""},
      {"a relay state the program does not know", [](sim::SwitchModel& m) { m.state.relay = '9'; },
       "Relay Status       ----\n", "\"relay\":null,", 1, "Shown as unknown: relay.\n"},
      {"port codes the program does not know",
       [](sim::SwitchModel& m) { m.state.portModes = "99999999"; }, "#8    Communication Error",
       "{\"port\":8,\"speed\":null,\"duplex\":null,\"error\":\"\"}", 1,
       "Shown as unknown: port1, port2, port3, port4, port5, port6, port7, port8.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ToolHarness text;
    c.set(text.model);
    EXPECT_EQ(text.tool->Status(), c.status);
    EXPECT_NE(text.out.str().find(c.text), std::string::npos) << text.out.str();
    EXPECT_EQ(text.err.str(), c.err);
    cli::ToolOptions options;
    options.json = true;
    ToolHarness json(options);
    c.set(json.model);
    EXPECT_EQ(json.tool->Status(), c.status);
    const std::string out = json.out.str();
    EXPECT_NE(out.find(c.json), std::string::npos) << out;
    for (unsigned char ch : out + text.out.str())
      EXPECT_TRUE(ch == '\n' || (ch >= 0x20 && ch < 0x7F)) << static_cast<int>(ch);
  }
}

TEST(ToolTest, ArgumentsNoWindowWouldTakeAreWrongUsageBeforeAnythingIsSent) {
  const std::string longPassword(30, 'p');  // the password windows take 29 at most
  struct Case {
    const char* name;
    int (*run)(cli::Tool& tool);
    std::optional<std::string> password = std::nullopt;
    std::optional<std::string> maintenancePassword = std::nullopt;
  } cases[] = {
      {"interval nan", [](cli::Tool& t) { return t.Watch(std::nan(""), [] { return true; }); }},
      {"interval inf", [](cli::Tool& t) { return t.Watch(HUGE_VAL, [] { return true; }); }},
      {"interval past a day", [](cli::Tool& t) { return t.Watch(1e300, [] { return true; }); }},
      {"interval 0", [](cli::Tool& t) { return t.Watch(0, [] { return true; }); }},
      {"user password of 30", [](cli::Tool& t) { return t.Status(); }, longPassword},
      {"maintenance password of 30", [](cli::Tool& t) { return t.Relay(false); }, std::nullopt,
       longPassword},
      {"save as ''", [](cli::Tool& t) { return t.ConfigSave(""); }},
      {"save as .", [](cli::Tool& t) { return t.ConfigSave("."); }},
      {"save as DIR/", [](cli::Tool& t) { return t.ConfigSave("site/"); }},
      {"save as .hidden", [](cli::Tool& t) { return t.ConfigSave("site/.hidden"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cli::ToolOptions options;
    options.password = c.password;
    options.maintenancePassword = c.maintenancePassword;
    ToolHarness h(options);
    EXPECT_EQ(c.run(*h.tool), 2);
    EXPECT_TRUE(h.model.Lines().empty());
    EXPECT_FALSE(h.port.IsOpen());
    EXPECT_NE(h.err.str(), "");
  }
}

TEST(ToolTest, APasswordWithALineEndIsRefusedBeforeAnythingIsSent) {
  cli::ToolOptions options;
  options.password = "12345678\r\nfwv";
  ToolHarness h(options);
  h.model.state.userPassword = "12345678";
  EXPECT_EQ(h.tool->Status(), 2);
  for (const std::string& line : h.model.Lines())
    EXPECT_NE(line, "fwv");
  EXPECT_NE(h.err.str().find("can hold only ASCII"), std::string::npos);
}

TEST(ToolTest, APartlyReadConfigurationIsNotSaved) {
  TempDir files;
  ToolHarness h;
  h.model.state.portModes = "54555555";  // "4" is no mode the switch has
  EXPECT_EQ(h.tool->ConfigSave((files / "site").string()), 1);
  EXPECT_FALSE(std::filesystem::exists(files / "site.txt"));
  EXPECT_NE(h.err.str().find("The mode of port #2 could not be read"), std::string::npos)
      << h.err.str();
}

TEST(ToolTest, AWatchTellsEachFailureAsItHappensAndKeepsNone) {
  ToolHarness h;
  h.model.faults.only = "rg";
  h.model.faults.silent = true;
  auto refreshes = [&h] {
    const auto& lines = h.model.Lines();
    return std::count(lines.begin(), lines.end(), "fwv");
  };
  std::size_t toldDuringTheWatch = 0;
  EXPECT_EQ(h.tool->Watch(0.01,
                          [&] {
                            if (refreshes() == 2) toldDuringTheWatch = h.err.str().size();
                            return refreshes() < 3;
                          }),
            1);
  EXPECT_GT(toldDuringTheWatch, 0u);  // told while the watch ran, not at its end
  std::string err = h.err.str();
  std::size_t told = 0;
  for (std::size_t at = 0; (at = err.find("10230522 ", at)) != std::string::npos; ++at)
    ++told;
  EXPECT_EQ(told, 3u);
}

TEST(FailuresTest, ExitStatusByTheKindOfFailure) {
  struct Case {
    std::vector<std::uint32_t> codes;
    int status;
  } cases[] = {
      {{}, 0},
      {{10230101}, 1},
      {{10110304}, 2},
      {{10110130}, 3},
      {{10230132, 10110128}, 3},
      {{10230610}, 3},
      {{10230683, 10110303}, 3},
      {{10110303, 10230305}, 2},
  };
  for (const Case& c : cases) {
    sim::VirtualClock clock;
    TempDir dir;
    ErrorLog log(dir.path(), clock);
    cli::Failures failures;
    failures.Listen(log);
    for (std::uint32_t code : c.codes) {
      // The catalogue's entry of the code, reported as a sequence reports it.
      auto entry = std::find_if(std::begin(failure::kAll), std::end(failure::kAll),
                                [code](const Failure* f) { return f->code == code; });
      ASSERT_NE(entry, std::end(failure::kAll)) << code;
      log.Record(code, "message\r\n");
      log.Notify({code, "message\r\n", (*entry)->kind});
    }
    log.Record(5, "PORT1:Network Error\r\n");  // what the switch reports is no failure
    EXPECT_EQ(failures.ExitStatus(), c.status);
    EXPECT_EQ(failures.All().size(), c.codes.size());
  }
}

TEST(JsonTextTest, EveryByteOutsidePrintableAsciiIsEscaped) {
  EXPECT_EQ(cli::JsonString("a\"b\\c\r\n\x7f\x80\xff~"),
            "\"a\\\"b\\\\c\\u000d\\u000a\\u007f\\u0080\\u00ff~\"");
  EXPECT_EQ(cli::JsonValue(std::nullopt), "null");
}

}  // namespace
}  // namespace taviron::test
