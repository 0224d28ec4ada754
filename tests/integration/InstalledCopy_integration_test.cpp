// The real taviron-cli as the package builds it and as built from source, and a port that will
// not open, as an operator meets them.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

namespace fs = std::filesystem;

std::string Outcome(const std::vector<std::string>& argv,
                    const std::map<std::string, std::string>& env = {}) {
  std::string command = "exec";
  for (const std::string& a : argv)
    command += " '" + a + "'";
  Process p({"/bin/sh", "-c", command + " 2>&1"}, env);
  std::string out;
  while (std::optional<std::string> line = p.ReadLine(20000))
    out += *line + "\n";
  out += "exit " + std::to_string(p.Wait(20000).value_or(-99)) + "\n";
  return out;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A directory laid out as the system's: the package's build of taviron-cli in usr/bin, and a
// home of the ordinary user's own.
struct InstalledTree {
  InstalledTree() {
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    fs::create_directories(dir / "usr/bin");
    fs::copy_file(BinaryPath("taviron-cli-installed"), dir / "usr/bin/taviron-cli");
    fs::create_directories(dir / "home");
  }
  std::string Cli() const { return (dir / "usr/bin/taviron-cli").string(); }
  std::map<std::string, std::string> Env() const { return {{"HOME", (dir / "home").string()}}; }
  // What lies beside the executable.
  std::string Beside() const {
    std::string names;
    for (const auto& entry : fs::directory_iterator(dir / "usr/bin"))
      names += entry.path().filename().string() + "\n";
    return names;
  }
  TempDir dir;
};

TEST(InstalledCopyTest, ThePackagesBuildKeepsItsFilesInTheUsersDirectories) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the copy as another user";
  if (::access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "no setpriv";
  InstalledTree tree;
  fs::create_directories(tree.dir / "home/cfg/taviron");
  WriteFile(tree.dir / "home/cfg/taviron/COMPORTS.INI", "[Ports]\nCOM1=/dev/ttyACM9\n");
  ASSERT_EQ(::chown((tree.dir / "home").c_str(), 65534, 65534), 0);
  std::map<std::string, std::string> env = tree.Env();
  env["XDG_CONFIG_HOME"] = (tree.dir / "home/cfg").string();
  const std::vector<std::string> asNobody{"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                          "--clear-groups", tree.Cli()};
  std::vector<std::string> help = asNobody;
  help.push_back("--help");
  EXPECT_TRUE(Has(Outcome(help, env), (tree.dir / "home/cfg/taviron/SWITCH.INI").string()));
  std::vector<std::string> devices = asNobody;
  devices.push_back("devices");
  const std::string listed = Outcome(devices, env);
  EXPECT_TRUE(Has(listed, "  COM1 (/dev/ttyACM9, not connected)\n")) << listed;
  EXPECT_TRUE(Has(listed, "exit 0")) << listed;

  // Made portable on purpose: a SWITCH.INI beside it keeps its files there.
  WriteFile(tree.dir / "usr/bin/SWITCH.INI", "");
  EXPECT_TRUE(Has(Outcome(help, env), (tree.dir / "usr/bin/SWITCH.INI").string()));
}

TEST(InstalledCopyTest, RootsRunOfThePackagesBuildWritesNothingBesideIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root";
  InstalledTree tree;
  SwitchSim sim;
  const std::string out = Outcome(
      {tree.Cli(), "--port", sim.Device(), "--maintenance-password", "qorplemt", "log", "on"},
      tree.Env());
  EXPECT_EQ(out, "exit 0\n");
  EXPECT_EQ(tree.Beside(), "taviron-cli\n");
  EXPECT_TRUE(Has(ReadFile(tree.dir / "home/.config/taviron/SWITCH.INI"), "[Log]\nEnable=1\n"));
}

TEST(InstalledCopyTest, APortThatWillNotOpenSaysWhichDeviceAndWhy) {
  TempDir dir;
  WriteFile(dir / "notes.txt", "");
  const std::string file = (dir / "notes.txt").string();
  EXPECT_EQ(Outcome({BinaryPath("taviron-cli").string(), "--port", file, "status"}),
            "10230701 Failed to Open COM port.\n" + file +
                " is not a serial device.\nChoose the serial port or USB adapter the switch is "
                "connected to.\nexit 1\n");
  const std::string missing = (dir / "ttyUSB4").string();
  const std::string out =
      Outcome({BinaryPath("taviron-cli").string(), "--port", missing, "status"});
  EXPECT_TRUE(Has(out, "10230701 Failed to Open COM port.\n" + missing + " does not exist.\n"))
      << out;
}

}  // namespace
}  // namespace taviron::test
