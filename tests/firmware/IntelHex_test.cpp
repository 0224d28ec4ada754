#include "firmware/IntelHex.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/Harness.h"

namespace taviron::test {
namespace {

// A record line with its checksum, as a tool chain writes it.
std::string Record(int length, int address, int type, int firstByte = 0) {
  std::vector<int> bytes{length, address >> 8, address & 0xFF, type};
  for (int i = 0; i < length; ++i)
    bytes.push_back((firstByte + i) & 0xFF);
  int sum = 0;
  for (int b : bytes)
    sum += b;
  bytes.push_back(-sum & 0xFF);
  std::string line = ":";
  char pair[3];
  for (int b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    line += pair;
  }
  return line;
}

TEST(HexDigitTest, DigitsOfBothCasesAndNothingElse) {
  const std::string valid = "0123456789ABCDEFabcdef";
  for (int ch = 0; ch < 256; ++ch) {
    const char c = static_cast<char>(ch);
    const bool isDigit = valid.find(c) != std::string::npos;
    EXPECT_EQ(HexDigitValue(c) >= 0, isDigit) << "character " << ch;
  }
  EXPECT_EQ(HexDigitValue('9'), 9);
  EXPECT_EQ(HexDigitValue('F'), 15);
  EXPECT_EQ(HexDigitValue('a'), 10);
  EXPECT_EQ(HexPair('F', 'f'), 0xFF);
  EXPECT_EQ(HexPair('0', '7'), 0x07);
  EXPECT_EQ(HexPair('G', '0'), kBadHexPair);
  EXPECT_EQ(HexPair('0', ':'), kBadHexPair);
}

struct LineCase {
  const char* name;
  std::string line;
  RecordCheck check;
  RecordKind kind;  // looked at only for a good record
};
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

class RecordLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(RecordLineTest, IsCheckedAndClassified) {
  HexRecord record;
  ASSERT_EQ(CheckRecord(GetParam().line, record), GetParam().check);
  if (GetParam().check == RecordCheck::kGood) {
    EXPECT_EQ(record.size, GetParam().line.size() / 2);
    EXPECT_EQ(ClassifyRecord(record), GetParam().kind);
  }
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

const std::string kData16 = Record(16, 0x0100, 0, 0xA0);
const std::string kData26 = Record(26, 0xFFE0, 0, 0xC0);

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordLineTest,
    ::testing::Values(
        LineCase{"end of file", ":00000001FF", RecordCheck::kGood, RecordKind::kEndOfFile},
        LineCase{"16 data bytes in 43 characters", kData16, RecordCheck::kGood, RecordKind::kData},
        LineCase{"26 data bytes in 63 characters", kData26, RecordCheck::kGood, RecordKind::kData},
        LineCase{"lower case", Lower(kData16), RecordCheck::kGood, RecordKind::kData},
        LineCase{"first 63 characters of 32 data bytes",
                 Record(32, 0, 0).substr(0, 63),
                 RecordCheck::kBadSize,
                 {}},
        LineCase{
            "one digit short", kData16.substr(0, kData16.size() - 1), RecordCheck::kBadSize, {}},
        LineCase{
            "two digits short", kData16.substr(0, kData16.size() - 2), RecordCheck::kBadSize, {}},
        LineCase{"record mark alone", ":", RecordCheck::kBadSize, {}},
        LineCase{"no record mark", kData16.substr(1), RecordCheck::kNoRecordMark, {}},
        LineCase{"blank before the mark", " " + kData16, RecordCheck::kNoRecordMark, {}},
        LineCase{"letter G", ":10010000G0", RecordCheck::kBadHexDigit, {}},
        LineCase{"CR inside",
                 kData16.substr(0, 9) + "\r" + kData16.substr(10),
                 RecordCheck::kBadHexDigit,
                 {}},
        // A lone last digit is never decoded, so it cannot be a bad digit, only a bad size.
        LineCase{
            "odd digit count ending in a non-digit", ":00000001FF!", RecordCheck::kBadSize, {}},
        LineCase{"checksum off by one", ":00000001FE", RecordCheck::kBadChecksum, {}},
        LineCase{"longer than a line", Record(30, 0, 0), RecordCheck::kBadSize, {}},
        LineCase{"extended segment address", Record(2, 0, 2), RecordCheck::kGood,
                 RecordKind::kAddress},
        LineCase{"start segment address", Record(4, 0, 3), RecordCheck::kGood,
                 RecordKind::kAddress},
        LineCase{"extended linear address 0000", Record(2, 0, 4), RecordCheck::kGood,
                 RecordKind::kAddress},
        LineCase{"extended linear address at 0010", Record(2, 0x0010, 4), RecordCheck::kGood,
                 RecordKind::kBadAddress},
        LineCase{"start linear address", Record(4, 0, 5), RecordCheck::kGood, RecordKind::kAddress},
        LineCase{"end of file at 0001", Record(0, 1, 1), RecordCheck::kGood,
                 RecordKind::kBadAddress},
        LineCase{"type 6", Record(0, 0, 6), RecordCheck::kGood, RecordKind::kBadType},
        LineCase{"type FF at an address", Record(0, 0x1234, 0xFF), RecordCheck::kGood,
                 RecordKind::kBadType},
        LineCase{"data at any address", Record(1, 0xFFFF, 0), RecordCheck::kGood,
                 RecordKind::kData}),
    [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace taviron::test
