// The dialogue with the processor's ROM loader, each command answered by the next piece of the
// input (pieces are cut at '|'). Every step's code is one of its own; a step passes only when
// the answer it read holds its text, and fails on the answer that lacks it, sending nothing
// after; a passed load sent every record of the file once, in order.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "base/FailureCatalogue.h"
#include "firmware/FileCheck.h"
#include "firmware/HexFile.h"
#include "firmware/LoaderDialogue.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"
#include "fuzz/support/QuietFrontend.h"
#include "fuzz/support/ScriptedPort.h"
#include "link/LinkState.h"
#include "link/Transfer.h"
#include "program/Configurator.h"
#include "sim/VirtualClock.h"

namespace {

using namespace taviron;
using namespace taviron::failure;

const std::vector<std::string> kRecords = {
    ":10000000000102030405060708090A0B0C0D0E0F78",
    ":04001000AA550102EA",
    ":020000040001F9",
    ":00000001FF",
};

const std::string& FirmwareFile() {
  static const std::string path = [] {
    std::string p = (std::filesystem::temp_directory_path() /
                     ("taviron-loader-fuzz-" + std::to_string(::getpid()) + ".hex"))
                        .string();
    std::FILE* f = std::fopen(p.c_str(), "wb");
    for (const std::string& r : kRecords)
      std::fprintf(f, "%s\r\n", r.c_str());
    std::fclose(f);
    return p;
  }();
  return path;
}

// The answer text a read of count bytes takes from what one write was answered with.
std::string Seen(const std::string& answer, std::size_t count) {
  std::string seen = answer.substr(0, count);
  return seen.substr(0, seen.find('\0'));
}

bool Has(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

struct Dialogue {
  explicit Dialogue(std::vector<std::string> pieces) : answers(std::move(pieces)) {
    port.responder = [this](std::string_view) {
      std::string answer = next < answers.size() ? answers[next] : std::string();
      ++next;
      given.push_back(answer);
      return answer;
    };
    c.exchange.link.OpenConnection("COM1");
    c.exchange.link.LinkState = kLinkConnected;
  }

  // What the first write of text at or after write number from was answered with.
  std::optional<std::string> AnswerTo(std::size_t from, std::string_view text) const {
    for (std::size_t i = from; i < port.writes.size(); ++i) {
      if (port.writes[i] == text) return given[i];
    }
    return std::nullopt;
  }
  std::string LastWrite() const { return port.writes.empty() ? "" : port.writes.back(); }

  std::vector<std::string> answers;
  std::size_t next = 0;
  std::vector<std::string> given;  // the answer to each write, in order
  fuzz::ScriptedPort port;
  sim::VirtualClock clock;
  fuzz::QuietFrontend frontend;
  Configurator c{port, clock, frontend, std::filesystem::temp_directory_path()};
};

void CheckEnter(const Dialogue& d, const Failure* code) {
  FUZZ_CHECK(code == nullptr || code == &kUpgradeBannerNoReply || code == &kUpgradeBannerNoTini ||
             code == &kUpgradeBannerNoProcessor);
  const std::optional<std::string> banner = d.AnswerTo(0, "\r\n");
  FUZZ_CHECK(banner.has_value() && d.LastWrite() == "\r\n");
  const std::string seen = Seen(*banner, 200);
  if (code == &kUpgradeBannerNoReply) FUZZ_CHECK(banner->empty());
  if (code == &kUpgradeBannerNoTini) FUZZ_CHECK(!banner->empty() && !Has(seen, "TINI"));
  if (code == &kUpgradeBannerNoProcessor) FUZZ_CHECK(Has(seen, "TINI") && !Has(seen, "DS80C400"));
  if (code == nullptr) FUZZ_CHECK(Has(seen, "TINI") && Has(seen, "DS80C400"));
}

void CheckBank(const Dialogue& d, std::size_t from, const Failure* code) {
  FUZZ_CHECK(code == nullptr || code == &kUpgradeBankNoReply || code == &kUpgradeBankNoEcho);
  const std::optional<std::string> echo = d.AnswerTo(from, "B 0\r");
  FUZZ_CHECK(echo.has_value() && d.LastWrite() == "B 0\r");
  if (code == &kUpgradeBankNoReply) FUZZ_CHECK(echo->empty());
  if (code == &kUpgradeBankNoEcho) FUZZ_CHECK(!echo->empty() && !Has(Seen(*echo, 6), "B 0"));
  if (code == nullptr) FUZZ_CHECK(Has(Seen(*echo, 6), "B 0"));
}

// One attempt from write number from on.
void CheckAttempt(const Dialogue& d, std::size_t from, const Failure* code) {
  static const std::set<const Failure*> kOutcomes = {nullptr,
                                                     &kUpgradeEraseNoReply,
                                                     &kUpgradeEraseNoEcho,
                                                     &kUpgradeEraseNoQuestion,
                                                     &kUpgradePromptNoReply,
                                                     &kUpgradeNoPrompt,
                                                     &kUpgradeLoadNoReply,
                                                     &kUpgradeLoadNoEcho,
                                                     &kUpgradeLoadFailed};
  FUZZ_CHECK(kOutcomes.count(code) == 1);
  const std::optional<std::string> erase = d.AnswerTo(from, "Z 0\r");
  FUZZ_CHECK(erase.has_value());
  const std::string eraseSeen = Seen(*erase, 20);
  if (code == &kUpgradeEraseNoReply || code == &kUpgradeEraseNoEcho ||
      code == &kUpgradeEraseNoQuestion) {
    FUZZ_CHECK(d.LastWrite() == "Z 0\r");
    if (code == &kUpgradeEraseNoReply) FUZZ_CHECK(erase->empty());
    if (code == &kUpgradeEraseNoEcho) FUZZ_CHECK(!erase->empty() && !Has(eraseSeen, "Z 0"));
    if (code == &kUpgradeEraseNoQuestion)
      FUZZ_CHECK(Has(eraseSeen, "Z 0") && !Has(eraseSeen, "sure?"));
    return;
  }
  FUZZ_CHECK(Has(eraseSeen, "Z 0") && Has(eraseSeen, "sure?"));
  const std::optional<std::string> prompt = d.AnswerTo(from, "\r");
  FUZZ_CHECK(prompt.has_value() && d.AnswerTo(from, "y\r").has_value());
  if (code == &kUpgradePromptNoReply || code == &kUpgradeNoPrompt) {
    FUZZ_CHECK(d.LastWrite() == "\r");
    if (code == &kUpgradePromptNoReply) FUZZ_CHECK(prompt->empty());
    if (code == &kUpgradeNoPrompt) FUZZ_CHECK(!prompt->empty() && !Has(Seen(*prompt, 5), ">"));
    return;
  }
  FUZZ_CHECK(Has(Seen(*prompt, 5), ">"));
  const std::optional<std::string> load = d.AnswerTo(from, "L\r");
  FUZZ_CHECK(load.has_value());
  if (code == &kUpgradeLoadNoReply || code == &kUpgradeLoadNoEcho) {
    FUZZ_CHECK(d.LastWrite() == "L\r");
    if (code == &kUpgradeLoadNoReply) FUZZ_CHECK(load->empty());
    if (code == &kUpgradeLoadNoEcho) FUZZ_CHECK(!load->empty() && !Has(Seen(*load, 3), "L"));
    return;
  }
  FUZZ_CHECK(Has(Seen(*load, 3), "L"));
  // Every record once, in order, data records with their line end, and nothing else.
  std::size_t at = from;
  while (d.port.writes[at] != "L\r")
    ++at;
  FUZZ_CHECK(d.port.writes.size() == at + 1 + kRecords.size());
  for (std::size_t i = 0; i < kRecords.size(); ++i) {
    const bool data = kRecords[i][8] == '0';
    FUZZ_CHECK(d.port.writes[at + 1 + i] == kRecords[i] + (data ? "\r\n" : ""));
  }
  // The verdict is what the last record was answered with.
  FUZZ_CHECK((code == &kUpgradeLoadFailed) == Has(Seen(d.given.back(), 80), "Err"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1024) return -1;
  Dialogue d(fuzz::Split(fuzz::AsText(data, size), '|'));
  HexFile file;
  FUZZ_CHECK(CheckWholeFile(file, FirmwareFile()) == nullptr);
  Transfer transfer(d.c.exchange.link, kLoaderBufferSize);

  const Failure* entered = EnterLoader(d.c.exchange, transfer);
  CheckEnter(d, entered);
  if (entered != nullptr) return 0;
  std::size_t from = d.port.writes.size();
  const Failure* bank = SelectBank(d.c.exchange, transfer);
  CheckBank(d, from, bank);
  if (bank != nullptr) return 0;
  // Two attempts: the second starts afresh from the answers that follow the first.
  int records = 0;
  int expectedRecords = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    from = d.port.writes.size();
    const Failure* code = LoadAttempt(d.c.exchange, d.c.fwUpdate, transfer, file, records);
    CheckAttempt(d, from, code);
    if (d.AnswerTo(from, "L\r") && d.port.writes.size() > from + 4) expectedRecords += 3;
    FUZZ_CHECK(records == expectedRecords);
    FUZZ_CHECK(d.clock.Now() < 60000);
    if (code == nullptr) break;
  }
  return 0;
}
