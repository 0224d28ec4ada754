#include "tests/support/HexImage.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace taviron::test {

FirmwareImage ImageOfHexFile(const std::filesystem::path& path) {
  FirmwareImage image;
  std::ifstream in(path, std::ios::binary);
  std::uint32_t upper = 0;
  for (std::string line; std::getline(in, line);) {
    std::size_t mark = line.find(':');
    if (mark == std::string::npos) continue;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = mark + 1; i + 1 < line.size() && line[i] != '\r'; i += 2) {
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(line.substr(i, 2), nullptr, 16)));
    }
    if (bytes.size() < 5) continue;
    const std::uint32_t offset = static_cast<std::uint32_t>(bytes[1] << 8 | bytes[2]);
    if (bytes[3] == 0x00) {
      for (std::size_t i = 0; i < bytes[0]; ++i)
        image[(upper << 16) + ((offset + i) & 0xFFFF)] = bytes[4 + i];
    } else if (bytes[3] == 0x04) {
      upper = static_cast<std::uint32_t>(bytes[4] << 8 | bytes[5]);
    }
  }
  return image;
}

std::string ImageText(const FirmwareImage& image) {
  std::string text;
  long long next = -1;
  char hex[16];
  for (const auto& [address, byte] : image) {
    if (static_cast<long long>(address) != next) {
      if (next >= 0) text += '\n';
      std::snprintf(hex, sizeof hex, "%08X ", address);
      text += hex;
    }
    std::snprintf(hex, sizeof hex, "%02X", byte);
    text += hex;
    next = static_cast<long long>(address) + 1;
  }
  if (next >= 0) text += '\n';
  return text;
}

std::filesystem::path BuiltFixture(const std::string& name) {
  return std::filesystem::path(TAVIRON_FIXTURES_BUILD_DIR) / name;
}

std::filesystem::path SourceFixture(const std::string& name) {
  return std::filesystem::path(TAVIRON_FIXTURES_DIR) / name;
}

}  // namespace taviron::test
