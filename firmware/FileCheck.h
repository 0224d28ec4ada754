#pragma once

#include <cstdint>
#include <string>

#include "firmware/HexFile.h"
#include "firmware/IntelHex.h"

namespace taviron {

// The check of the whole firmware file before anything is sent to the switch: opens the file
// and checks every line. Returns 0 with the file open and ready, or the code of the first
// failure (the file cannot be opened or read, a line is refused, or the file holds no record
// at all).
std::uint32_t CheckWholeFile(HexFile& file, const std::string& path);

// Codes of a line refused while it is being sent.
std::uint32_t SendingCode(RecordCheck check);
std::uint32_t SendingCode(RecordKind kind);

}  // namespace taviron
