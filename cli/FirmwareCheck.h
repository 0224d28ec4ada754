#pragma once

#include <cstdint>
#include <string>

#include "base/Failure.h"

namespace taviron::cli {

// What a firmware file holds, as the upload would send it.
struct FirmwareFileReport {
  const taviron::Failure* refusal = nullptr;  // the first refusal; none when the file goes
  int refusedLine = 0;  // its line (1 = first), 0 when the file as a whole was refused
  long records = 0;     // records sent: data, address and the end record
  long dataRecords = 0;
  long dataBytes = 0;
  std::uint32_t lowest = 0;  // addresses the data covers, extended linear address included
  std::uint32_t highest = 0;
  bool endRecord = false;
};

// The whole-file check, then the check made while sending, without a switch.
FirmwareFileReport CheckFirmwareFile(const std::string& path);

// The report for a person: records, data bytes, address range, and the refusal if any.
std::string FirmwareReportText(const FirmwareFileReport& report);

// The same as JSON, with the file's name and the refusal ("code", "message", "line"; null when
// the file goes): {"file","records","data_records","data_bytes","lowest","highest","end_record",
// "refusal","schema":1}.
std::string FirmwareReportJson(const std::string& file, const FirmwareFileReport& report);

}  // namespace taviron::cli
