#include "firmware/IntelHex.h"

namespace taviron {
namespace {

constexpr char kRecordMark = ':';
// Length, two address bytes, type and checksum frame the data of every record.
constexpr std::size_t kRecordFrame = 5;

constexpr std::uint8_t kTypeData = 0x00;
constexpr std::uint8_t kTypeEndOfFile = 0x01;
constexpr std::uint8_t kTypeLastAddress = 0x05;

}  // namespace

int HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

std::uint16_t HexPair(char high, char low) {
  const int h = HexDigitValue(high);
  const int l = HexDigitValue(low);
  if (h < 0 || l < 0) return kBadHexPair;
  return static_cast<std::uint16_t>(h * 16 + l);
}

RecordCheck CheckRecord(std::string_view line, HexRecord& record) {
  record = HexRecord{};
  const std::size_t n = line.size();
  if (n == 0 || line[0] != kRecordMark) return RecordCheck::kNoRecordMark;
  // The reader never delivers more; a longer text cannot be a record that fits a line.
  if (n > kHexLineMax) return RecordCheck::kBadSize;
  for (std::size_t pos = 1; pos + 1 < n; pos += 2) {
    const std::uint16_t value = HexPair(line[pos], line[pos + 1]);
    if (value == kBadHexPair) return RecordCheck::kBadHexDigit;
    record.bytes[record.size++] = static_cast<std::uint8_t>(value);
  }
  if (n % 2 == 0 || (n - 1) / 2 % 256 != record.Length() + kRecordFrame) {
    return RecordCheck::kBadSize;
  }
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < record.size; ++i)
    sum = static_cast<std::uint8_t>(sum + record.bytes[i]);
  return sum == 0 ? RecordCheck::kGood : RecordCheck::kBadChecksum;
}

RecordKind ClassifyRecord(const HexRecord& record) {
  const std::uint8_t type = record.Type();
  if (type == kTypeData) return RecordKind::kData;
  if (type > kTypeLastAddress) return RecordKind::kBadType;
  if (record.Address() != 0) return RecordKind::kBadAddress;
  return type == kTypeEndOfFile ? RecordKind::kEndOfFile : RecordKind::kAddress;
}

}  // namespace taviron
