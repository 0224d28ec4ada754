#include "monitor/StatusQueries.h"

#include <cctype>
#include <cstdint>

#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/StatusTables.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

// Counter thresholds of the discharge element.
constexpr std::uint32_t kNearEnd = 0x181;
constexpr std::uint32_t kEndOfLife = 0x190;

// The failures of one query: its write failing, its read failing.
struct QueryFailures {
  const Failure& notSent;
  const Failure& noReply;
};

// Sends the command and reads its reply; on failure logs the query's record and returns false.
bool Query(Exchange& exchange, Transfer& t, std::string_view commandText, std::uint32_t replyBytes,
           TimeMs pause, QueryFailures failures) {
  if (!t.Send(commandText)) {
    exchange.Report(failures.notSent);
    return false;
  }
  exchange.clock().Sleep(pause);
  if (!t.Receive(replyBytes)) {
    exchange.Report(failures.noReply);
    return false;
  }
  return true;
}

bool Query(Exchange& exchange, Transfer& t, const SwitchCommand& command, QueryFailures failures) {
  return Query(exchange, t, command.text, command.replyBytes, command.pause, failures);
}

bool HasBracket(const Transfer& t) {
  return t.ReplyAt(kReplyBracketIndex) == '[';
}

// The reply's characters from the data start, as many as asked, fewer when the reply is short.
std::string Data(const Transfer& t, std::size_t count) {
  std::string_view reply = t.Reply();
  if (reply.size() <= kReplyDataIndex) return {};
  return std::string(reply.substr(kReplyDataIndex, count));
}

// The eight per-port characters; a port whose character did not arrive gets none.
std::string PerPort(const Transfer& t) {
  std::string codes;
  for (int port = 0; port < kPortCount; ++port) {
    char code = t.ReplyAt(kPortCharIndex + 2 * static_cast<std::size_t>(port));
    if (code == '\0') break;
    codes += code;
  }
  return codes;
}

// Reads a hexadecimal number as the C library does: leading blanks skipped, an optional sign,
// digits up to the first other character, no digits giving 0.
std::uint32_t HexCounter(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
    char ch = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    value = value * 16 + static_cast<std::uint32_t>(ch <= '9' ? ch - '0' : ch - 'A' + 10);
  }
  return negative ? 0u - value : value;
}

}  // namespace

std::string GetFirmwareVersion(Exchange& exchange) {
  Transfer t(exchange.link);
  if (!Query(exchange, t, command::kFirmwareVersion,
             {failure::kFwVersionNotSent, failure::kFwVersionNoReply})) {
    return std::string(kNoFirmwareVersion);
  }
  if (!HasBracket(t)) {
    exchange.Report(failure::kFwVersionNoBracket);
    return std::string(kNoFirmwareVersion);
  }
  // A reply that ends before the data it should carry is no reply to show.
  std::string version = Data(t, 5);
  if (version.size() < 5) {
    exchange.Report(failure::kFwVersionNoBracket);
    return std::string(kNoFirmwareVersion);
  }
  if (version == "FF.FF") {
    exchange.Report(failure::kFwVersionUnknown);
    return std::string(kNoFirmwareVersion);
  }
  return version;
}

std::string GetDischargeElement(Exchange& exchange) {
  Transfer t(exchange.link);
  if (!Query(exchange, t, command::kDischargeElement,
             {failure::kDischargeNotSent, failure::kDischargeNoReply})) {
    return std::string(kNoDischargeElement);
  }
  if (!HasBracket(t)) {
    exchange.Report(failure::kDischargeNoBracket);
    return std::string(kNoDischargeElement);
  }
  std::string counterText = Data(t, 4);
  if (counterText.size() < 4) {
    exchange.Report(failure::kDischargeNoBracket);
    return std::string(kNoDischargeElement);
  }
  if (counterText == "FFFF") {
    exchange.Report(failure::kDischargeBroken);
    return std::string(kNoDischargeElement);
  }
  std::uint32_t counter = HexCounter(counterText);
  if (counter < kNearEnd) return "Normal";
  if (counter < kEndOfLife) return "Near End";
  return "End of Life";
}

void GetRelayState(Exchange& exchange, StatusValues& status) {
  status.RelayState = kNoRelayState;
  Transfer t(exchange.link);
  if (!Query(exchange, t, command::kRelayGet,
             {failure::kRelayGetNotSent, failure::kRelayGetNoReply}))
    return;
  if (!HasBracket(t)) {
    exchange.Report(failure::kRelayGetNoBracket);
    return;
  }
  std::string relay = Data(t, 1);
  if (relay.empty()) {
    exchange.Report(failure::kRelayGetNoBracket);
    return;
  }
  status.RelayState = relay;
}

void SetRelayState(Exchange& exchange, StatusValues& status, std::string_view value) {
  Transfer t(exchange.link);
  std::string text =
      std::string(command::kRelaySet.text) + std::string(value) + std::string(kLineEnd);
  if (!Query(exchange, t, text, command::kRelaySet.replyBytes, command::kRelaySet.pause,
             {failure::kRelaySetNotSent, failure::kRelaySetNoReply})) {
    return;
  }
  status.RelayState = value;
}

void GetFirmwareError(Exchange& exchange, StatusValues& status) {
  status.FwErrorCode = kNoFwErrorCode;
  Transfer t(exchange.link);
  if (!Query(exchange, t, command::kFirmwareError,
             {failure::kFwErrorNotSent, failure::kFwErrorNoReply}))
    return;
  if (!HasBracket(t)) {
    exchange.Report(failure::kFwErrorNoBracket);
    return;
  }
  std::string code = Data(t, 4);
  if (code.size() < 4) {
    exchange.Report(failure::kFwErrorNoBracket);
    return;
  }
  status.FwErrorCode = code;
  if (status.FwErrorCode == "0000" || status.FwErrorCode == "FFFF") return;
  if (auto message = FwErrorMessageOf(status.FwErrorCode)) status.FwErrorMessage = *message;
  // A self-test error is logged under its own number: 8202 becomes 00008202.
  exchange.log.WriteErrLog("0000" + status.FwErrorCode + "   ", 1);
  exchange.log.WriteErrLog(status.FwErrorMessage + std::string(kLineEnd), 0);
}

void GetPortErrors(Exchange& exchange, StatusValues& status) {
  status.PortErrors.clear();
  Transfer t(exchange.link);
  if (!Query(exchange, t, command::kPortErrors,
             {failure::kPortErrorsNotSent, failure::kPortErrorsNoReply}))
    return;
  std::string errors = PerPort(t);
  if (errors.size() < static_cast<std::size_t>(kPortCount)) {
    exchange.Report(failure::kPortErrorsNoReply);
    return;
  }
  status.PortErrors = errors;
}

void GetPortConfig(Exchange& exchange, StatusValues& status) {
  status.PortConfig = kNoPortConfig;
  Transfer t(exchange.link);
  if (!Query(exchange, t, command::kPortConfig,
             {failure::kPortConfigNotSent, failure::kPortConfigNoReply}))
    return;
  std::string codes = PerPort(t);
  if (codes.size() < static_cast<std::size_t>(kPortCount)) {
    exchange.Report(failure::kPortConfigNoReply);
    return;
  }
  status.PortConfig = ConvertPortCodes(codes, kSwitchToDisplay);
}

}  // namespace taviron
