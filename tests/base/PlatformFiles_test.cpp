#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/HeldLogFile.h"
#include "base/InstanceGuard.h"
#include "base/ProgramFiles.h"
#include "base/ReplaceFile.h"
#include "tests/support/Harness.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

TEST(HeldLogFileTest, AppendsToWhatTheFileHeldAndKeepsOthersOut) {
  TempDir dir;
  WriteFile(dir / "LOG.TXT", "earlier\r\n");
  HeldLogFile log;
  ASSERT_TRUE(log.Open(dir / "LOG.TXT"));
  EXPECT_EQ(log.Size(), 9u);
  EXPECT_TRUE(log.Append("one"));
  EXPECT_TRUE(log.Append("two\r\n"));
  EXPECT_EQ(log.Size(), 17u);
  HeldLogFile other;
  EXPECT_FALSE(other.Open(dir / "LOG.TXT"));
  EXPECT_FALSE(other.IsOpen());
  EXPECT_FALSE(other.Append("lost"));
  log.Close();
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(ReadFile(dir / "LOG.TXT"), "earlier\r\nonetwo\r\n");
  EXPECT_TRUE(other.Open(dir / "LOG.TXT"));
}

TEST(HeldLogFileTest, CreatesAMissingFileAndRefusesADirectory) {
  TempDir dir;
  HeldLogFile log;
  ASSERT_TRUE(log.Open(dir / "LOG.TXT"));
  EXPECT_EQ(log.Size(), 0u);
  std::filesystem::create_directory(dir / "dir.txt");
  HeldLogFile onDirectory;
  EXPECT_FALSE(onDirectory.Open(dir / "dir.txt"));
  EXPECT_EQ(onDirectory.Size(), 0u);
}

TEST(InstanceGuardTest, OneHolderAtATimePerName) {
  const std::string name = "taviron-test-guard-" + TempDir().path().filename().string();
  {
    InstanceGuard first(name);
    ASSERT_TRUE(first.Acquired());
    InstanceGuard second(name);
    EXPECT_FALSE(second.Acquired());
    InstanceGuard otherName(name + "-other");
    EXPECT_TRUE(otherName.Acquired());
  }
  InstanceGuard afterwards(name);
  EXPECT_TRUE(afterwards.Acquired());
}

struct ReplaceCase {
  const char* name;
  const char* before;  // nullptr: no file there
  const char* bytes;
};

class ReplaceFileTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFileTest, LeavesExactlyTheNewBytesAndNothingBeside) {
  TempDir dir;
  if (GetParam().before != nullptr) WriteFile(dir / "SWITCH.INI", GetParam().before);
  ASSERT_TRUE(ReplaceFile(dir / "SWITCH.INI", GetParam().bytes));
  EXPECT_EQ(ReadFile(dir / "SWITCH.INI"), GetParam().bytes);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename(), "SWITCH.INI");
    ++files;
  }
  EXPECT_EQ(files, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReplaceFileTest,
    ::testing::Values(ReplaceCase{"new", nullptr, "[Serial]\nPort=1\n"},
                      ReplaceCase{"longer", "a", "[Serial]\r\nPort=1\r\n"},
                      ReplaceCase{"shorter", "[Serial]\nPort=1\n[Log]\nEnable=1\n", "x"},
                      ReplaceCase{"emptied", "old", ""},
                      ReplaceCase{"line ends kept byte for byte", nullptr, "a\r\r\nb\n\x1A"}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(ReplaceFileTest, ADirectoryInThePlaceIsLeftAsItIs) {
  TempDir dir;
  std::filesystem::create_directory(dir / "SWITCH.INI");
  WriteFile(dir / "SWITCH.INI" / "inside", "old");
  EXPECT_FALSE(ReplaceFile(dir / "SWITCH.INI", "new"));
  EXPECT_EQ(ReadFile(dir / "SWITCH.INI" / "inside"), "old");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST(ProgramFilesTest, TheExecutableLiesInItsDirectory) {
  std::filesystem::path directory = ExecutableDirectory();
  EXPECT_TRUE(directory.is_absolute());
  bool found = false;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    found = found || entry.path().stem() == "taviron_tests";
  }
  EXPECT_TRUE(found) << directory;
}

}  // namespace
}  // namespace taviron::test
