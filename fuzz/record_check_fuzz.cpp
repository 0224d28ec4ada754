// The record check and classification of firmware file lines, on any bytes at all.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "firmware/IntelHex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace taviron;
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  HexRecord record;
  const RecordCheck check = CheckRecord(line, record);
  if (check != RecordCheck::kGood) return 0;
  // A good record is the mark and whole pairs, as many as its length byte says, summing to 0.
  if (line.size() != 2 * record.size + 1 || record.size != record.Length() + 5u) __builtin_trap();
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < record.size; ++i)
    sum = static_cast<std::uint8_t>(sum + record.bytes[i]);
  if (sum != 0) __builtin_trap();
  const RecordKind kind = ClassifyRecord(record);
  if (kind == RecordKind::kData && record.Type() != 0) __builtin_trap();
  return 0;
}
