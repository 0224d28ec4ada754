#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace taviron {

// One line of a firmware file holds at most this many characters; with the record mark, the
// length, address, type and checksum that leaves room for 26 data bytes.
inline constexpr std::size_t kHexLineMax = 63;
inline constexpr std::size_t kHexLineBuffer = kHexLineMax + 1;

// Value of a hexadecimal digit, upper or lower case; -1 for any other character.
int HexDigitValue(char digit);
// The byte of two hexadecimal digits, or kBadHexPair when either is not a digit.
inline constexpr std::uint16_t kBadHexPair = 0xFFFF;
std::uint16_t HexPair(char high, char low);

// The decoded pairs of one record line: length, address high and low, type, data, checksum.
struct HexRecord {
  std::array<std::uint8_t, kHexLineBuffer> bytes{};
  std::size_t size = 0;  // pairs decoded

  std::uint8_t Length() const { return bytes[0]; }
  std::uint16_t Address() const { return static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]); }
  std::uint8_t Type() const { return bytes[3]; }
};

// What the check of one line found.
enum class RecordCheck { kGood, kNoRecordMark, kBadHexDigit, kBadSize, kBadChecksum };

// Checks one line as read from the file (without its line end): the record mark, the digits,
// the size against the length byte, and the checksum. The record is filled as far as decoded.
RecordCheck CheckRecord(std::string_view line, HexRecord& record);

// What a checked record is for the upload.
enum class RecordKind { kData, kEndOfFile, kAddress, kBadType, kBadAddress };

// Types 0 to 5 are sent; every type but data must carry the address 0000.
RecordKind ClassifyRecord(const HexRecord& record);

}  // namespace taviron
