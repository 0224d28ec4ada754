#include "firmware/HexFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "tests/support/HexImage.h"
#include "tests/support/TempDir.h"

namespace taviron::test {
namespace {

std::vector<std::string> Lines(HexFile& file) {
  std::vector<std::string> lines;
  for (std::string_view line; !(line = file.ReadLine()).empty();)
    lines.emplace_back(line);
  return lines;
}

std::vector<std::string> LinesOf(const std::filesystem::path& path) {
  HexFile file;
  EXPECT_TRUE(file.Open(path.string())) << path;
  return Lines(file);
}

struct ReadCase {
  const char* name;
  std::string content;
  std::vector<std::string> lines;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadLineTest : public ::testing::TestWithParam<ReadCase> {};

const std::string k63(63, '6');
const std::string k75(75, '7');

TEST_P(ReadLineTest, GivesTheLinesOfTheFile) {
  TempDir dir;
  WriteFile(dir / "f.hex", GetParam().content);
  EXPECT_EQ(LinesOf(dir / "f.hex"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLineTest,
    ::testing::Values(
        ReadCase{"LF", "ab\ncd\n", {"ab", "cd"}}, ReadCase{"CR LF", "ab\r\ncd\r\n", {"ab", "cd"}},
        ReadCase{"no line end at the end", "ab\n:00000001FF", {"ab", ":00000001FF"}},
        ReadCase{"empty file", "", {}},
        ReadCase{"63 characters are one line with their LF", k63 + "\nx\n", {k63, "x"}},
        ReadCase{"63 characters are one line with their CR LF", k63 + "\r\nx", {k63, "x"}},
        ReadCase{"63 characters at the end", k63, {k63}},
        ReadCase{"64 characters split", k63 + "z\nx\n", {k63, "z", "x"}},
        ReadCase{"75 characters split after 63", k75 + "\n", {k75.substr(0, 63), k75.substr(63)}},
        ReadCase{"126 characters split once", k63 + k63 + "\nx", {k63, k63, "x"}},
        ReadCase{"blank line in the middle", "a\n\nb\n", {"a", "b"}},
        ReadCase{"blank lines at the start and end", "\n\r\na\n\n\r\n\n", {"a"}},
        ReadCase{"stray CR stays", "a\rb\n", {"a\rb"}},
        ReadCase{"CR at the very end goes", "ab\r", {"ab"}},
        ReadCase{"stray CR after a full line starts the next", k63 + "\rx\n", {k63, "\rx"}},
        ReadCase{"CR CR LF keeps one", "a\r\r\nb", {"a\r", "b"}}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(HexFileTest, RewindReadsTheFileAfresh) {
  TempDir dir;
  WriteFile(dir / "f.hex", "one\ntwo\n");
  HexFile file;
  ASSERT_TRUE(file.Open((dir / "f.hex").string()));
  EXPECT_EQ(file.ReadLine(), "one");
  // The upload reads the file again for every attempt; it sees what the file holds then.
  WriteFile(dir / "f.hex", "three\n");
  file.Rewind();
  EXPECT_EQ(Lines(file), (std::vector<std::string>{"three"}));
}

TEST(HexFileTest, OnlyAnExistingFileOpens) {
  TempDir dir;
  HexFile file;
  EXPECT_FALSE(file.Open(""));
  EXPECT_FALSE(file.Open((dir / "missing.hex").string()));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.ReadLine(), "");
}

TEST(HexFileTest, ToolMadeFilesReadAlikeWhateverTheirLineEnds) {
  std::vector<std::string> lf = LinesOf(BuiltFixture("linear-lf.hex"));
  std::vector<std::string> crlf = LinesOf(BuiltFixture("linear-crlf.hex"));
  std::vector<std::string> lower = LinesOf(BuiltFixture("linear-lower-crlf.hex"));
  ASSERT_GT(lf.size(), 4u);
  EXPECT_EQ(crlf, lf);
  ASSERT_EQ(lower.size(), lf.size());
  for (std::size_t i = 0; i < lf.size(); ++i) {
    EXPECT_EQ(lower[i].size(), lf[i].size());
    EXPECT_TRUE(std::equal(lf[i].begin(), lf[i].end(), lower[i].begin(), [](char a, char b) {
      return std::tolower(a) == b;
    })) << lower[i];
  }
}

TEST(HexFileTest, BlankLinesOfAToolMadeFileAreSkipped) {
  EXPECT_EQ(LinesOf(BuiltFixture("blank-lines.hex")), LinesOf(BuiltFixture("walk.hex")));
}

}  // namespace
}  // namespace taviron::test
