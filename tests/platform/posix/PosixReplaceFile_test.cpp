// Replacing a file as a careful program does: a new file of its own, never through a link, the
// old file's mode kept, and two savers at once never losing a save they reported.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/ReplaceFile.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& file) {
  struct stat st {};
  return ::lstat(file.c_str(), &st) == 0 ? st.st_mode : 0;
}

int FilesIn(const fs::path& directory) {
  int n = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory))
    ++n;
  return n;
}

TEST(PosixReplaceFileTest, ALinkPlantedBesideOrAtTheFileIsNeverWrittenThrough) {
  TempDir dir;
  WriteFile(dir / "elsewhere", "keep me");
  // Where a fixed new-file name would be, and the file itself.
  fs::create_symlink(dir / "elsewhere", dir / "site.txt.new");
  ASSERT_TRUE(ReplaceFile(dir / "site.txt", "ports"));
  EXPECT_EQ(ReadFile(dir / "elsewhere"), "keep me");
  EXPECT_TRUE(S_ISREG(ModeOf(dir / "site.txt")));
  EXPECT_EQ(ReadFile(dir / "site.txt"), "ports");

  fs::create_symlink(dir / "elsewhere", dir / "linked.txt");
  ASSERT_TRUE(ReplaceFile(dir / "linked.txt", "new"));
  EXPECT_EQ(ReadFile(dir / "elsewhere"), "keep me");
  EXPECT_TRUE(S_ISREG(ModeOf(dir / "linked.txt")));
}

TEST(PosixReplaceFileTest, TheReplacedFilesModeIsKept) {
  TempDir dir;
  WriteFile(dir / "private.txt", "old");
  ::chmod((dir / "private.txt").c_str(), 0600);
  ASSERT_TRUE(ReplaceFile(dir / "private.txt", "new"));
  EXPECT_EQ(ModeOf(dir / "private.txt") & 07777, 0600u);
  // A new file gets what any new file of the program gets.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(ReplaceFile(dir / "fresh.txt", "new"));
  ::umask(mask);
  EXPECT_EQ(ModeOf(dir / "fresh.txt") & 07777, 0644u);
  EXPECT_EQ(FilesIn(dir.path()), 2);  // no new file left behind
}

TEST(PosixReplaceFileTest, TwoSaversAtOnceEachSucceedWithTheirOwnContent) {
  TempDir dir;
  const fs::path file = dir / "SWITCH.INI";
  constexpr int kSaves = 200;
  auto saver = [&](char which) {
    std::string content(64, which);
    for (int i = 0; i < kSaves; ++i) {
      if (!ReplaceFile(file, content)) return 1;
      // What this saver wrote, or a later save of the other: never a mix, never missing.
      std::string now = ReadFile(file);
      if (now != std::string(64, 'a') && now != std::string(64, 'b')) return 2;
    }
    return 0;
  };
  pid_t other = ::fork();
  ASSERT_GE(other, 0);
  if (other == 0) ::_exit(saver('b'));
  int mine = saver('a');
  int status = 0;
  ASSERT_EQ(::waitpid(other, &status, 0), other);
  EXPECT_EQ(mine, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(FilesIn(dir.path()), 1);  // the file alone: no new file of either left
}

}  // namespace
}  // namespace taviron::test
