#include "firmware/FileCheck.h"

#include "base/FailureCatalogue.h"

namespace taviron {

const Failure* CheckWholeFile(HexFile& file, const std::string& path, int* records) {
  if (!file.Open(path)) return &failure::kUpgradeFileNotOpened;
  bool anyRecord = false;
  bool ended = false;
  int counted = 0;
  HexRecord record;
  for (std::string_view line; !(line = file.ReadLine()).empty();) {
    switch (CheckRecord(line, record)) {
      case RecordCheck::kGood:
        break;
      case RecordCheck::kNoRecordMark:
        return &failure::kUpgradeFileNoRecordMark;
      case RecordCheck::kBadHexDigit:
        return &failure::kUpgradeFileBadHexDigit;
      case RecordCheck::kBadSize:
        return &failure::kUpgradeFileBadSize;
      case RecordCheck::kBadChecksum:
        return &failure::kUpgradeFileBadChecksum;
    }
    anyRecord = true;
    ended = ended || ClassifyRecord(record) == RecordKind::kEndOfFile;
    if (!ended) ++counted;
  }
  // A read that broke off would pass a part of the image for the whole.
  if (file.ReadFailed()) return &failure::kUpgradeFileNotOpened;
  // Nothing to load: the erase would leave the switch without firmware.
  if (!anyRecord) return &failure::kUpgradeFileNoRecordMark;
  file.Rewind();
  if (records != nullptr) *records = counted;
  return nullptr;
}

const Failure* SendingFailure(RecordCheck check) {
  switch (check) {
    case RecordCheck::kNoRecordMark:
      return &failure::kUpgradeSendNoRecordMark;
    case RecordCheck::kBadHexDigit:
      return &failure::kUpgradeSendBadHexDigit;
    case RecordCheck::kBadSize:
      return &failure::kUpgradeSendBadSize;
    case RecordCheck::kBadChecksum:
      return &failure::kUpgradeSendBadChecksum;
    case RecordCheck::kGood:
      break;
  }
  return nullptr;
}

const Failure* SendingFailure(RecordKind kind) {
  switch (kind) {
    case RecordKind::kBadType:
      return &failure::kUpgradeSendBadType;
    case RecordKind::kBadAddress:
      return &failure::kUpgradeSendBadAddress;
    case RecordKind::kData:
    case RecordKind::kEndOfFile:
    case RecordKind::kAddress:
      break;
  }
  return nullptr;
}

}  // namespace taviron
