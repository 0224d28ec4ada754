// taviron-cli against taviron-switchsim on a pseudo-terminal, in real time.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tests/support/HexImage.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

struct Result {
  int status;
  std::string out;
};

// Runs the tool to its end and collects its standard output.
Result RunCli(const std::vector<std::string>& args,
              const std::map<std::string, std::string>& env = {}) {
  std::vector<std::string> argv{BinaryPath("taviron-cli").string()};
  argv.insert(argv.end(), args.begin(), args.end());
  Process cli(argv, env);
  std::string out;
  while (std::optional<std::string> line = cli.ReadLine(20000))
    out += *line + "\n";
  return {cli.Wait(20000).value_or(-99), out};
}

// The same, with standard error joined to standard output.
Result RunCliJoined(const std::vector<std::string>& args) {
  std::string command = "exec '" + BinaryPath("taviron-cli").string() + "'";
  for (const std::string& a : args)
    command += " '" + a + "'";
  Process cli({"/bin/sh", "-c", command + " 2>&1"});
  std::string out;
  while (std::optional<std::string> line = cli.ReadLine(20000))
    out += *line + "\n";
  return {cli.Wait(20000).value_or(-99), out};
}

TEST(CliIntegrationTest, GlobalOptionsAreTakenAfterTheCommandToo) {
  SwitchSim sim({"--fw-version", "02.00"});
  Result text = RunCliJoined({"status", "--port", sim.Device(), "--json"});
  EXPECT_EQ(text.status, 0) << text.out;
  EXPECT_EQ(text.out.rfind("{\"firmware_version\":\"02.00\"", 0), 0u) << text.out;
}

TEST(CliIntegrationTest, AnEmptyPasswordGivenIsSentForTheSwitchToJudge) {
  SwitchSim sim({"--password", "pw"});
  Result empty = RunCliJoined({"--port", sim.Device(), "--password", "", "status"});
  EXPECT_EQ(empty.status, 1);
  // The switch was asked and said no; the tool did not ask for a password it was given.
  EXPECT_NE(empty.out.find("Password is incorrect."), std::string::npos) << empty.out;
}

TEST(CliIntegrationTest, StatusAsTextAndJson) {
  SwitchSim sim({"--fw-version", "02.00"});
  Result text = RunCli({"--port", sim.Device(), "status"});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("Switch Version     02.00"), std::string::npos) << text.out;
  Result json = RunCli({"--port", sim.Device(), "--json", "status"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"firmware_version\":\"02.00\"", 0), 0u) << json.out;
}

TEST(CliIntegrationTest, PortsSetThenShowOnAPasswordProtectedSwitch) {
  SwitchSim sim({"--password", "s3cret"});
  std::map<std::string, std::string> env{{"TAVIRON_PASSWORD", "s3cret"}};
  EXPECT_EQ(RunCli({"--port", sim.Device(), "ports", "set", "1=10/half", "8=disable"}, env).status,
            0);
  Result shown = RunCli({"--port", sim.Device(), "ports", "show"}, env);
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out, "1=10/half\n2=auto\n3=auto\n4=auto\n5=auto\n6=auto\n7=auto\n8=disable\n");
  EXPECT_EQ(sim.State("port-modes"), "05555556");
  EXPECT_EQ(RunCli({"--port", sim.Device(), "--password", "wrong", "status"}).status, 1);
}

TEST(CliIntegrationTest, ConfigurationRoundTrip) {
  SwitchSim sim({"--port-modes", "01235665"});
  TempDir dir;
  Result saved = RunCli({"--port", sim.Device(), "config", "save", (dir / "site").string()});
  EXPECT_EQ(saved.status, 0);
  EXPECT_EQ(saved.out, (dir / "site.txt").string() + "\n");
  EXPECT_EQ(ReadFile(dir / "site.txt").size(), 80u);
  sim.Control("set port-modes 55555555");
  EXPECT_EQ(RunCli({"--port", sim.Device(), "config", "load", (dir / "site.txt").string()}).status,
            0);
  EXPECT_EQ(sim.State("port-modes"), "01235665");
}

TEST(CliIntegrationTest, ExitStatuses) {
  SwitchSim sim;
  TempDir dir;
  WriteFile(dir / "bad.txt", "port1=05\n");
  EXPECT_EQ(RunCli({"--port", sim.Device(), "reset"}).status, 0);
  EXPECT_EQ(sim.State("restarts"), "1");
  EXPECT_EQ(RunCli({"--port", sim.Device(), "config", "load", (dir / "bad.txt").string()}).status,
            3);
  EXPECT_EQ(RunCli({"--port", sim.Device(), "ports", "set", "9=auto"}).status, 2);
  EXPECT_EQ(RunCli({"--port", sim.Device(), "frobnicate"}).status, 2);
  EXPECT_EQ(RunCli({"--port", "/dev/nonexistent-port", "status"}).status, 1);
  sim.Control("fault silent on");
  EXPECT_EQ(RunCli({"--port", sim.Device(), "status"}).status, 1);
  EXPECT_EQ(RunCli({"status", "--help"}).status, 0);
}

}  // namespace
}  // namespace taviron::test

namespace taviron::test {
namespace {

TEST(CliIntegrationTest, FirmwareUploadOfTheSdccBuiltFile) {
  SwitchSim sim({"--erase-ms", "300", "--restart-ms", "500"});
  TempDir dir;
  std::string file = std::string(TAVIRON_FIXTURES_BUILD_DIR) + "/walk.hex";
  Result upload = RunCli(
      {"--port", sim.Device(), "--maintenance-password", "qorplemt", "firmware", "upload", file});
  EXPECT_EQ(upload.status, 0) << upload.out;
  EXPECT_NE(upload.out.find("Firmware Upgrade:Restoration was completed."), std::string::npos);
  ASSERT_EQ(sim.Control("image " + (dir / "image.txt").string()), "ok");
  Result check = RunCli({"firmware", "check", file});
  EXPECT_EQ(check.status, 0);
  EXPECT_NE(check.out.find("data bytes: 200"), std::string::npos) << check.out;
  EXPECT_EQ(ReadFile(dir / "image.txt"), ImageText(ImageOfHexFile(file)));
  EXPECT_EQ(sim.State("mode"), "cli");
  EXPECT_EQ(RunCli({"firmware", "check", "/no/such.hex"}).status, 3);
}

}  // namespace
}  // namespace taviron::test

namespace taviron::test {
namespace {

TEST(CliIntegrationTest, TheTraceShowsEveryByteOfAStatusWithItsTime) {
  SwitchSim sim;
  Result traced = RunCliJoined({"--port", sim.Device(), "--trace", "status"});
  EXPECT_EQ(traced.status, 0) << traced.out;
  std::size_t written = 0, read = 0;
  std::istringstream lines(traced.out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t ms = line.find(" ms ");
    if (ms == std::string::npos || ms != 8) continue;
    ASSERT_EQ(line.substr(0, ms).find_first_not_of(" 0123456789"), std::string::npos) << line;
    // No raw control byte reaches the terminal: the line end and ESC come escaped.
    EXPECT_EQ(line.find_first_of("\r\x1b"), std::string::npos) << line;
    written += line[ms + 4] == '>';
    read += line[ms + 4] == '<';
  }
  EXPECT_GT(written, 3u) << traced.out;
  EXPECT_GT(read, 3u) << traced.out;
  EXPECT_NE(traced.out.find("ms = open " + sim.Device()), std::string::npos) << traced.out;
  EXPECT_NE(traced.out.find("Switch Version"), std::string::npos);
}

}  // namespace
}  // namespace taviron::test

namespace taviron::test {
namespace {

TEST(CliIntegrationTest, EveryResultAsJsonWithItsSchemaAndNoJsonWhereNothingIsPrinted) {
  SwitchSim sim({"--port-modes", "01235665"});
  const std::string hex = std::string(TAVIRON_FIXTURES_BUILD_DIR) + "/walk.hex";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string holds;  // a key and value the object holds
  };
  const Case cases[] = {
      {{"status"}, 0, "\"relay\":"},
      {{"ports", "show"}, 0, "{\"port\":2,\"mode\":\"10/full\"}"},
      {{"mac", "show"}, 0, "\"mac\":\""},
      {{"devices"}, 0, "{\"name\":\"COM1\",\"device\":"},
      {{"firmware", "check", hex}, 0, "\"refusal\":null"},
      {{"reset"}, 2, ""},
      {{"ports", "set", "1=auto"}, 2, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"--port", sim.Device(), "--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result json = RunCli(args);
    SCOPED_TRACE(c.args[0]);
    EXPECT_EQ(json.status, c.status) << json.out;
    if (c.status != 0) {
      EXPECT_EQ(json.out, "");  // refused before anything was sent
      continue;
    }
    // One object on one line, its brackets balanced outside strings, ending with the schema.
    ASSERT_EQ(json.out.find('\n'), json.out.size() - 1) << json.out;
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i + 1 < json.out.size(); ++i) {
      const char ch = json.out[i];
      if (inString && ch == '\\') ++i;
      if (ch == '"') inString = !inString;
      if (!inString && (ch == '{' || ch == '[')) ++depth;
      if (!inString && (ch == '}' || ch == ']')) --depth;
      EXPECT_TRUE(depth > 0 || i + 2 == json.out.size()) << json.out;
    }
    EXPECT_FALSE(inString);
    EXPECT_EQ(json.out.substr(json.out.size() - 13), ",\"schema\":1}\n") << json.out;
    EXPECT_NE(json.out.find(c.holds), std::string::npos) << json.out;
  }
  EXPECT_EQ(sim.State("restarts"), "0");
}

}  // namespace
}  // namespace taviron::test
