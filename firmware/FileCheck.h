#pragma once

#include <string>

#include "base/Failure.h"
#include "firmware/HexFile.h"
#include "firmware/IntelHex.h"

namespace taviron {

// The check of the whole firmware file before anything is sent to the switch: opens the file
// and checks every line. Returns nullptr with the file open and ready, or the entry of the first
// failure (the file cannot be opened or read, a line is refused, or the file holds no record at
// all). records, when given, gets the number of records the load sends and counts: those before
// the first end-of-file record.
const Failure* CheckWholeFile(HexFile& file, const std::string& path, int* records = nullptr);

// The failure of a line refused while it is being sent; nullptr for a line that goes.
const Failure* SendingFailure(RecordCheck check);
const Failure* SendingFailure(RecordKind kind);

}  // namespace taviron
