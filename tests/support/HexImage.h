#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace taviron::test {

// The bytes an Intel HEX file puts at each full address (extended linear address times 65536
// plus offset), read on their own terms so that the program's reader is not its own judge.
using FirmwareImage = std::map<std::uint32_t, std::uint8_t>;
FirmwareImage ImageOfHexFile(const std::filesystem::path& path);

// The image as taviron-switchsim's "image" control writes it: one line per run of consecutive
// addresses, "AAAAAAAA" and the bytes in hexadecimal.
std::string ImageText(const FirmwareImage& image);

// Where the firmware files made at build time, and the hand-made broken ones, lie.
std::filesystem::path BuiltFixture(const std::string& name);
std::filesystem::path SourceFixture(const std::string& name);

}  // namespace taviron::test
