#include "cli/FirmwareCheck.h"

#include <algorithm>
#include <cstdio>

#include "cli/JsonText.h"
#include "firmware/FileCheck.h"
#include "firmware/HexFile.h"
#include "firmware/IntelHex.h"

namespace taviron::cli {

FirmwareFileReport CheckFirmwareFile(const std::string& path) {
  FirmwareFileReport report;
  HexFile file;
  report.refusal = CheckWholeFile(file, path);
  if (report.refusal != nullptr) return report;
  file.Rewind();
  std::uint32_t upper = 0;
  bool anyData = false;
  for (int line = 1;; ++line) {
    std::string_view text = file.ReadLine();
    if (text.empty()) break;
    HexRecord record;
    RecordCheck check = CheckRecord(text, record);
    RecordKind kind = check == RecordCheck::kGood ? ClassifyRecord(record) : RecordKind::kBadType;
    const taviron::Failure* refused =
        check != RecordCheck::kGood ? SendingFailure(check) : SendingFailure(kind);
    if (refused != nullptr) {
      report.refusal = refused;
      report.refusedLine = line;
      return report;
    }
    ++report.records;
    if (kind == RecordKind::kEndOfFile) {
      report.endRecord = true;
      break;  // sending ends with the end record
    }
    if (kind == RecordKind::kAddress && record.Type() == 0x04 && record.Length() == 2) {
      upper = static_cast<std::uint32_t>(record.bytes[4]) << 8 | record.bytes[5];
    }
    if (kind != RecordKind::kData) continue;
    ++report.dataRecords;
    report.dataBytes += record.Length();
    if (record.Length() == 0) continue;
    std::uint32_t first = (upper << 16) + record.Address();
    std::uint32_t last = first + record.Length() - 1;
    report.lowest = anyData ? std::min(report.lowest, first) : first;
    report.highest = anyData ? std::max(report.highest, last) : last;
    anyData = true;
  }
  return report;
}

std::string FirmwareReportText(const FirmwareFileReport& report) {
  char text[256];
  std::snprintf(text, sizeof text,
                "records: %ld (%ld data)\ndata bytes: %ld\naddresses: %08X-%08X\n", report.records,
                report.dataRecords, report.dataBytes, report.lowest, report.highest);
  std::string out = text;
  if (report.refusal == nullptr) {
    out += report.endRecord ? "end record: yes\n" : "end record: none (sent up to the last line)\n";
  }
  return out;
}

std::string FirmwareReportJson(const std::string& file, const FirmwareFileReport& report) {
  char range[64];
  std::snprintf(range, sizeof range, "\"lowest\":\"%08X\",\"highest\":\"%08X\"", report.lowest,
                report.highest);
  std::string json = "{\"file\":" + JsonString(file) +
                     ",\"records\":" + std::to_string(report.records) +
                     ",\"data_records\":" + std::to_string(report.dataRecords) +
                     ",\"data_bytes\":" + std::to_string(report.dataBytes) + "," + range +
                     ",\"end_record\":" + (report.endRecord ? "true" : "false") + ",\"refusal\":";
  if (report.refusal == nullptr) {
    json += "null";
  } else {
    std::string message(report.refusal->log);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
      message.pop_back();
    json += "{\"code\":" + JsonString(std::to_string(report.refusal->code)) +
            ",\"message\":" + JsonString(message) +
            ",\"line\":" + std::to_string(report.refusedLine) + "}";
  }
  return json + ",\"schema\":1}\n";
}

}  // namespace taviron::cli
