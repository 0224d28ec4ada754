// Whatever stands where the programs read a file or append the log (a directory, a FIFO without
// a writer, a device, a file past every bound, a link) neither stalls nor crashes a reader: each
// gives its default or its failure at once.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "base/ComPortAssignments.h"
#include "base/HeldLogFile.h"
#include "base/Settings.h"
#include "base/TraceFile.h"
#include "config/ConfigFile.h"
#include "firmware/FileCheck.h"
#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

namespace fs = std::filesystem;

// Keys both INI readers take, and no configuration or firmware file.
constexpr const char* kGoodText = "[Serial]\nPort=3\n[Ports]\nCOM1=/dev/ttyACM9\n";

struct NonRegularFile {
  const char* name;
  void (*make)(const fs::path& path);
  bool read;      // the readers take what it holds
  bool logTaken;  // HeldLogFile (and the trace file) appends to it
};

const NonRegularFile kFiles[] = {
    {"directory", [](const fs::path& p) { fs::create_directory(p); }, false, false},
    {"FIFO without a writer", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
     false, false},
    {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false,
     false},
    {"file past every bound",
     [](const fs::path& p) {
       WriteFile(p, "");
       fs::resize_file(p, 64ull * 1024 * 1024 + 1);  // sparse: nothing is written
     },
     false, true},
    {"link to a regular file",
     [](const fs::path& p) {
       WriteFile(p.parent_path() / "target", kGoodText);
       fs::create_symlink(p.parent_path() / "target", p);
     },
     true, false},
};

TEST(NonRegularFilesTest, EveryReaderGivesItsDefaultOrItsFailureAtOnce) {
  for (const NonRegularFile& kind : kFiles) {
    SCOPED_TRACE(kind.name);
    Harness h;
    h.EnableLog();
    h.Connect();
    const fs::path path = h.dir / "file";
    kind.make(path);

    EXPECT_EQ(LoadSettings(path).comPortIndex, kind.read ? 3 : 0);
    EXPECT_EQ(LoadComPortAssignments(path).device[0], kind.read ? "/dev/ttyACM9" : "");
    HexFile hex;
    const Failure* refused = CheckWholeFile(hex, path.string());
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->code, kind.read ? 10230680u : 10230610u);
    LoadConfigFile(h.c.exchange, h.c.monitor, path.string());
    EXPECT_EQ(h.LogEntries().substr(21, 8), kind.read ? "10110129" : "10110128");
    HeldLogFile log;
    EXPECT_EQ(log.Open(path), kind.logTaken);
    log.Close();
    TraceFile trace;  // TAVIRON_TRACE's file is held as the log is
    EXPECT_EQ(trace.Open(path), kind.logTaken);
  }
}

}  // namespace
}  // namespace taviron::test
