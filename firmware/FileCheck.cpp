#include "firmware/FileCheck.h"

#include "firmware/UploadErrors.h"

namespace taviron {

std::uint32_t CheckWholeFile(HexFile& file, const std::string& path) {
  using namespace upload_code;
  if (!file.Open(path)) return kFileNotOpened;
  bool anyRecord = false;
  HexRecord record;
  for (std::string_view line; !(line = file.ReadLine()).empty();) {
    switch (CheckRecord(line, record)) {
      case RecordCheck::kGood:
        break;
      case RecordCheck::kNoRecordMark:
        return kFileNoRecordMark;
      case RecordCheck::kBadHexDigit:
        return kFileBadHexDigit;
      case RecordCheck::kBadSize:
        return kFileBadSize;
      case RecordCheck::kBadChecksum:
        return kFileBadChecksum;
    }
    anyRecord = true;
  }
  // A read that broke off would pass a part of the image for the whole.
  if (file.ReadFailed()) return kFileNotOpened;
  // Nothing to load: the erase would leave the switch without firmware.
  if (!anyRecord) return kFileNoRecordMark;
  file.Rewind();
  return 0;
}

std::uint32_t SendingCode(RecordCheck check) {
  using namespace upload_code;
  switch (check) {
    case RecordCheck::kNoRecordMark:
      return kSendNoRecordMark;
    case RecordCheck::kBadHexDigit:
      return kSendBadHexDigit;
    case RecordCheck::kBadSize:
      return kSendBadSize;
    case RecordCheck::kBadChecksum:
      return kSendBadChecksum;
    case RecordCheck::kGood:
      break;
  }
  return 0;
}

std::uint32_t SendingCode(RecordKind kind) {
  using namespace upload_code;
  switch (kind) {
    case RecordKind::kBadType:
      return kSendBadType;
    case RecordKind::kBadAddress:
      return kSendBadAddress;
    case RecordKind::kData:
    case RecordKind::kEndOfFile:
    case RecordKind::kAddress:
      break;
  }
  return 0;
}

}  // namespace taviron
