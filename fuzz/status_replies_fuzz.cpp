// The six status queries of the refresh, each answered with the same arbitrary reply by the
// simulated switch, and the port code conversion. A decoded value is its placeholder or made
// of the reply's bytes; a placeholder (for a reply without its bracket, or cut before the data
// it carries) comes with a record; only a read that got nothing fails the link.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzRig.h"
#include "link/CommandTable.h"
#include "link/StatusTables.h"
#include "monitor/StatusQueries.h"

namespace {

using namespace taviron;

// The reply as the query sees it: what one read of count bytes takes, up to a NUL byte.
std::string Seen(std::string_view reply, std::uint32_t count) {
  std::string_view seen = reply.substr(0, count);
  return std::string(seen.substr(0, seen.find('\0')));
}

bool Bracketed(const std::string& seen) {
  return seen.size() > kReplyBracketIndex && seen[kReplyBracketIndex] == '[';
}

std::string DataOf(const std::string& seen, std::size_t count) {
  return seen.size() > kReplyDataIndex ? seen.substr(kReplyDataIndex, count) : std::string();
}

// The display code the switch's own code stands for, or 'F'.
char DisplayCodeOf(char switchCode) {
  constexpr std::string_view kSwitch = "012356";
  constexpr std::string_view kDisplay = "123456";
  std::size_t at = kSwitch.find(switchCode);
  return at == std::string_view::npos ? 'F' : kDisplay[at];
}

// Runs one query against the reply; checks the link and the records it left.
template <typename Query>
fuzz::FuzzRig& Ask(fuzz::FuzzRig& rig, std::string_view keyword, std::string_view reply,
                   Query query) {
  rig.model.faults.replies[std::string(keyword)] = std::string(reply);
  rig.Connect();
  const TimeMs start = rig.clock.Now();
  query();
  FUZZ_CHECK(rig.clock.Now() - start < 1000);
  // The switch said something: whatever it was, the link stands.
  FUZZ_CHECK(rig.c.exchange.link.LinkState ==
             (reply.empty() ? kLinkCommunicationFailure : kLinkConnected));
  return rig;
}

void FirmwareVersion(std::string_view reply) {
  fuzz::FuzzRig rig;
  std::string version;
  Ask(rig, "fwv", reply, [&] { version = GetFirmwareVersion(rig.c.exchange); });
  const std::string seen = Seen(reply, command::kFirmwareVersion.replyBytes);
  const std::string data = DataOf(seen, 5);
  // A reply without its bracket, cut before its five characters, or "FF.FF" shows none.
  if (!Bracketed(seen) || data.size() < 5 || data == "FF.FF") {
    FUZZ_CHECK(version == kNoFirmwareVersion && rig.records.size() == 1);
  } else {
    FUZZ_CHECK(version == data && rig.records.empty());
  }
}

void DischargeElement(std::string_view reply) {
  fuzz::FuzzRig rig;
  std::string state;
  Ask(rig, "lci", reply, [&] { state = GetDischargeElement(rig.c.exchange); });
  const std::string seen = Seen(reply, command::kDischargeElement.replyBytes);
  const std::string data = DataOf(seen, 4);
  if (!Bracketed(seen) || data.size() < 4 || data == "FFFF") {
    FUZZ_CHECK(state == kNoDischargeElement && rig.records.size() == 1);
    return;
  }
  FUZZ_CHECK(rig.records.empty());
  FUZZ_CHECK(state == "Normal" || state == "Near End" || state == "End of Life");
  // Four plain hexadecimal digits read as the number they write.
  if (data.size() == 4 && data.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
    const unsigned long counter = std::stoul(data, nullptr, 16);
    FUZZ_CHECK(state == (counter < 0x181   ? "Normal"
                         : counter < 0x190 ? "Near End"
                                           : "End of Life"));
  }
}

void RelayState(std::string_view reply) {
  fuzz::FuzzRig rig;
  Ask(rig, "rg", reply, [&] { GetRelayState(rig.c.exchange, rig.c.monitor.status); });
  const std::string seen = Seen(reply, command::kRelayGet.replyBytes);
  const std::string& relay = rig.c.monitor.status.RelayState;
  if (!Bracketed(seen) || DataOf(seen, 1).empty()) {
    FUZZ_CHECK(relay == kNoRelayState && rig.records.size() == 1);
  } else {
    FUZZ_CHECK(relay == DataOf(seen, 1) && rig.records.empty());
  }
}

void FirmwareError(std::string_view reply) {
  fuzz::FuzzRig rig;
  Ask(rig, "feg", reply, [&] { GetFirmwareError(rig.c.exchange, rig.c.monitor.status); });
  const std::string seen = Seen(reply, command::kFirmwareError.replyBytes);
  const std::string& code = rig.c.monitor.status.FwErrorCode;
  const std::string& message = rig.c.monitor.status.FwErrorMessage;
  if (!Bracketed(seen) || DataOf(seen, 4).size() < 4) {
    FUZZ_CHECK(code == kNoFwErrorCode && rig.records.size() == 1 && message.empty());
    return;
  }
  FUZZ_CHECK(code == DataOf(seen, 4));
  FUZZ_CHECK(message.empty() || FwErrorMessageOf(code) == message);
  // A self-test error is recorded under its own number; no error and "FFFF" are not.
  if (code == "0000" || code == "FFFF") {
    FUZZ_CHECK(rig.records.empty());
  } else {
    FUZZ_CHECK(rig.records.size() == 1 && rig.records[0].codeText == "0000" + code + "   ");
  }
}

void PortErrors(std::string_view reply) {
  fuzz::FuzzRig rig;
  Ask(rig, "peg", reply, [&] { GetPortErrors(rig.c.exchange, rig.c.monitor.status); });
  const std::string seen = Seen(reply, command::kPortErrors.replyBytes);
  const std::string& errors = rig.c.monitor.status.PortErrors;
  // All eight ports' characters as they came, or none and a record.
  if (seen.size() <= kPortCharIndex + 2 * (kPortCount - 1)) {
    FUZZ_CHECK(errors.empty() && rig.records.size() == 1);
    return;
  }
  FUZZ_CHECK(errors.size() == static_cast<std::size_t>(kPortCount) && rig.records.empty());
  for (std::size_t n = 0; n < errors.size(); ++n)
    FUZZ_CHECK(errors[n] == seen.at(kPortCharIndex + 2 * n));
}

void PortConfig(std::string_view reply) {
  fuzz::FuzzRig rig;
  Ask(rig, "pg", reply, [&] { GetPortConfig(rig.c.exchange, rig.c.monitor.status); });
  const std::string seen = Seen(reply, command::kPortConfig.replyBytes);
  const std::string& config = rig.c.monitor.status.PortConfig;
  FUZZ_CHECK(config.size() == static_cast<std::size_t>(kPortCount));
  // A reply cut before the last port's character is no configuration.
  if (seen.size() <= kPortCharIndex + 2 * (kPortCount - 1)) {
    FUZZ_CHECK(config == kNoPortConfig && rig.records.size() == 1);
    return;
  }
  FUZZ_CHECK(rig.records.empty());
  for (std::size_t n = 0; n < config.size(); ++n) {
    // A port keeps its own place: the display code of the code sent for it, or 'F'.
    FUZZ_CHECK(config[n] == DisplayCodeOf(seen[kPortCharIndex + 2 * n]));
  }
}

void Conversion(std::string_view codes) {
  for (int direction : {kSwitchToDisplay, kDisplayToSwitch}) {
    const std::string converted = ConvertPortCodes(codes, direction);
    const std::string_view allowed = direction == kSwitchToDisplay ? "123456F" : "012356F";
    FUZZ_CHECK(converted.size() == static_cast<std::size_t>(kPortCount));
    FUZZ_CHECK(converted.find_first_not_of(allowed) == std::string::npos);
    // Display codes survive the way to the switch and back.
    const std::string back =
        ConvertPortCodes(ConvertPortCodes(converted, kDisplayToSwitch), kSwitchToDisplay);
    if (direction == kSwitchToDisplay) FUZZ_CHECK(back == converted);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64) return -1;  // the longest read is 19 bytes; more only repeats the same paths
  const std::string_view reply = fuzz::AsText(data, size);
  FirmwareVersion(reply);
  DischargeElement(reply);
  RelayState(reply);
  FirmwareError(reply);
  PortErrors(reply);
  PortConfig(reply);
  Conversion(reply);
  return 0;
}
