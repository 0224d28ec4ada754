#include "firmware/FileCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Harness.h"
#include "tests/support/HexImage.h"

namespace taviron::test {
namespace {

struct FileCase {
  const char* name;
  std::filesystem::path path;
  std::uint32_t code;
};
void PrintTo(const FileCase& c, std::ostream* os) {
  *os << c.name;
}

// The code of the check's refusal, 0 when the file passed.
std::uint32_t CheckedCode(HexFile& file, const std::filesystem::path& path) {
  const Failure* refused = CheckWholeFile(file, path.string());
  return refused ? refused->code : 0;
}

class WholeFileCheckTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(WholeFileCheckTest, GivesTheCodeOfTheFirstRefusal) {
  HexFile file;
  EXPECT_EQ(CheckedCode(file, GetParam().path), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WholeFileCheckTest,
    ::testing::Values(FileCase{"SDCC program", BuiltFixture("walk.hex"), 0},
                      FileCase{"linear addresses LF", BuiltFixture("linear-lf.hex"), 0},
                      FileCase{"linear addresses CR LF", BuiltFixture("linear-crlf.hex"), 0},
                      FileCase{"lower case CR LF", BuiltFixture("linear-lower-crlf.hex"), 0},
                      FileCase{"26 data bytes a record", BuiltFixture("records26.hex"), 0},
                      FileCase{"32 data bytes a record", BuiltFixture("records32.hex"), 10230682},
                      FileCase{"blank lines", BuiltFixture("blank-lines.hex"), 0},
                      FileCase{"no record mark", SourceFixture("no-record-mark.hex"), 10230680},
                      FileCase{"bad hex digit", SourceFixture("bad-hex-digit.hex"), 10230681},
                      FileCase{"one digit short", SourceFixture("one-digit-short.hex"), 10230682},
                      FileCase{"bad checksum", SourceFixture("bad-checksum.hex"), 10230683},
                      // Types and addresses wait for the sending.
                      FileCase{"record type 6", SourceFixture("record-type-6.hex"), 0},
                      FileCase{"linear address record at 0010", SourceFixture("address-0010.hex"),
                               0},
                      FileCase{"missing", SourceFixture("missing.hex"), 10230610},
                      FileCase{"no name", "", 10230610},
                      FileCase{"a folder", SourceFixture(""), 10230610}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST(WholeFileCheckTest, AFileWithoutAnyRecordIsRefused) {
  // Loading it would erase the switch's firmware and put nothing in its place.
  TempDir dir;
  for (const char* content : {"", "\n", "\r\n\r\n\n"}) {
    WriteFile(dir / "empty.hex", content);
    HexFile file;
    EXPECT_EQ(CheckedCode(file, dir / "empty.hex"), 10230680u) << content;
  }
}

TEST(WholeFileCheckTest, LeavesTheFileOpenAtItsFirstLine) {
  HexFile file, again;
  ASSERT_EQ(CheckedCode(file, BuiltFixture("walk.hex")), 0u);
  ASSERT_TRUE(again.Open(BuiltFixture("walk.hex").string()));
  EXPECT_EQ(std::string(file.ReadLine()), std::string(again.ReadLine()));
}

}  // namespace
}  // namespace taviron::test
