// A whole firmware file of arbitrary bytes through the check before the upload and through the
// check while sending, against a loader that takes everything. The two checks agree on every
// line they both read: a line refused while sending was refused before, for the same reason; a
// file passed before is refused while sending only for a record's type or address; and what is
// sent is the file's lines as read, in order.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "base/FailureCatalogue.h"
#include "firmware/FileCheck.h"
#include "firmware/HexFile.h"
#include "firmware/IntelHex.h"
#include "firmware/LoaderDialogue.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/QuietFrontend.h"
#include "fuzz/support/ScriptedPort.h"
#include "link/LinkState.h"
#include "link/Transfer.h"
#include "program/Configurator.h"
#include "sim/VirtualClock.h"

namespace {

using namespace taviron;
using namespace taviron::failure;

const std::string& Path() {
  static const std::string path = (std::filesystem::temp_directory_path() /
                                   ("taviron-firmware-fuzz-" + std::to_string(::getpid()) + ".hex"))
                                      .string();
  return path;
}

// The refusal of the check before the upload that stands for a refusal of the check while
// sending.
const Failure* BeforeUpload(const Failure* sending) {
  if (sending == &kUpgradeSendNoRecordMark) return &kUpgradeFileNoRecordMark;
  if (sending == &kUpgradeSendBadHexDigit) return &kUpgradeFileBadHexDigit;
  if (sending == &kUpgradeSendBadSize) return &kUpgradeFileBadSize;
  if (sending == &kUpgradeSendBadChecksum) return &kUpgradeFileBadChecksum;
  return nullptr;
}

std::vector<std::string> Lines(const std::string& path) {
  HexFile file;
  std::vector<std::string> lines;
  if (!file.Open(path)) return lines;
  for (std::string_view line; !(line = file.ReadLine()).empty();)
    lines.emplace_back(line);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return -1;
  {
    std::FILE* f = std::fopen(Path().c_str(), "wb");
    if (f == nullptr) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  HexFile file;
  const Failure* before = CheckWholeFile(file, Path());
  FUZZ_CHECK(before == nullptr || before == &kUpgradeFileNoRecordMark ||
             before == &kUpgradeFileBadHexDigit || before == &kUpgradeFileBadSize ||
             before == &kUpgradeFileBadChecksum);
  const std::vector<std::string> lines = Lines(Path());
  for (const std::string& line : lines)
    FUZZ_CHECK(line.size() <= kHexLineMax && line.find('\n') == std::string::npos);
  if (before != nullptr) FUZZ_CHECK(file.Open(Path()));

  fuzz::ScriptedPort port;
  port.responder = [](std::string_view written) -> std::string {
    if (written == "Z 0\r") return "Z 0\r\nAre you sure? ";
    if (written == "\r") return "\r\n> ";
    if (written == "L\r") return "L\r\n";
    return "";
  };
  sim::VirtualClock clock;
  fuzz::QuietFrontend frontend;
  Configurator c(port, clock, frontend, std::filesystem::temp_directory_path());
  c.exchange.link.OpenConnection("COM1");
  c.exchange.link.LinkState = kLinkConnected;
  Transfer transfer(c.exchange.link, kLoaderBufferSize);
  int records = 0;
  const Failure* sending = LoadAttempt(c.exchange, c.fwUpdate, transfer, file, records);

  // What was sent after "L": the file's lines as read, from the first on.
  std::size_t load = 0;
  while (load < port.writes.size() && port.writes[load] != "L\r")
    ++load;
  FUZZ_CHECK(load < port.writes.size());
  const std::size_t sent = port.writes.size() - load - 1;
  FUZZ_CHECK(sent <= lines.size());
  for (std::size_t i = 0; i < sent; ++i) {
    const std::string& w = port.writes[load + 1 + i];
    FUZZ_CHECK(w == lines[i] || w == lines[i] + "\r\n");
  }
  const bool endOfFileSent = sent > 0 && lines[sent - 1].substr(7, 2) == "01";

  const bool typeOrAddress = sending == &kUpgradeSendBadType || sending == &kUpgradeSendBadAddress;
  if (BeforeUpload(sending) != nullptr) {
    // Refused while sending for the line's form: refused before, for the same reason.
    FUZZ_CHECK(before == BeforeUpload(sending));
  } else if (before == nullptr) {
    FUZZ_CHECK(sending == nullptr || typeOrAddress);
    // With nothing refused, sending ends with the end-of-file record or the file.
    if (sending == nullptr) FUZZ_CHECK(endOfFileSent || sent == lines.size());
  } else if (!lines.empty()) {
    // Refused before: sending stops at that line, or earlier for a type, an address or the end.
    FUZZ_CHECK(typeOrAddress || (sending == nullptr && endOfFileSent));
  }
  return 0;
}
