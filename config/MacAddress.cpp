#include "config/MacAddress.h"

#include <algorithm>
#include <cctype>

#include "access/Maintenance.h"
#include "base/FailureCatalogue.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

constexpr std::string_view kFallback = "[00 00 00 00 00 00]";
constexpr std::string_view kDone = "MAC address setting finished";
constexpr std::string_view kDoneCaption = "MAC address setting complete";
constexpr std::string_view kAllowed = " 0123456789ABCDEF";

std::string Trimmed(const std::string& text) {
  auto blankOrControl = [](char ch) {
    unsigned char u = static_cast<unsigned char>(ch);
    return u <= ' ' || u == 0x7F;
  };
  auto begin = std::find_if_not(text.begin(), text.end(), blankOrControl);
  auto end = std::find_if_not(text.rbegin(), text.rend(), blankOrControl).base();
  return begin < end ? std::string(begin, end) : std::string();
}

}  // namespace

std::string MacPairAsTyped(std::string_view typed) {
  std::string shown(typed);
  for (char& ch : shown) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return shown;
}

std::optional<std::array<std::string, 6>> PastedMacAddress(std::string_view text) {
  const std::string address = MacPairAsTyped(Trimmed(std::string(text)));
  if (address.size() != 17) return std::nullopt;
  const char separator = address[2];
  if (separator != ':' && separator != '-' && separator != ' ') return std::nullopt;
  std::array<std::string, 6> pairs;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i < 5 && address[i * 3 + 2] != separator) return std::nullopt;
    pairs[i] = address.substr(i * 3, 2);
    if (pairs[i].find_first_not_of("0123456789ABCDEF") != std::string::npos) return std::nullopt;
  }
  return pairs;
}

bool ParseMacReply(std::string_view reply, std::array<std::string, 6>& pairs) {
  std::size_t bracket = reply.find('[');
  if (bracket == std::string_view::npos || reply.size() < bracket + 1 + 17) return false;
  std::string_view address = reply.substr(bracket + 1, 17);
  // All six groups or none: a reply broken after its first group fills no box.
  std::array<std::string, 6> found;
  for (std::size_t i = 0; i < 6; ++i) {
    if (i < 5 && address[i * 3 + 2] != ' ') return false;
    found[i] = std::string(address.substr(i * 3, 2));
  }
  pairs = found;
  return true;
}

void MacAddressCommand(Exchange& exchange, Access& access, MacAddressState& macAddress) {
  if (!MaintenanceGate(exchange, access)) return;
  macAddress.MacSetDone = 0;
  exchange.frontend().ShowDialog(Dialog::kMacAddress);
}

void MacSetShow(Exchange& exchange, MacAddressState& macAddress) {
  Transfer t(exchange.link);
  std::array<std::string, 6> pairs;
  bool read = false;
  if (!t.Send(command::kMacGet.text)) {
    exchange.Report(failure::kMacReadNotSent);
  } else if (!t.Receive(command::kMacGet.replyBytes) || !ParseMacReply(t.Reply(), pairs)) {
    // An answer without an address is no better than none.
    exchange.Report(failure::kMacReadNoReply);
  } else {
    read = true;
  }
  if (!read) ParseMacReply(kFallback, pairs);
  macAddress.macSet.Ed_mac = pairs;
}

bool MacSetOk(Exchange& exchange, MacAddressState& macAddress) {
  std::array<std::string, 6>& boxes = macAddress.macSet.Ed_mac;
  bool twoEach = true;
  for (std::string& box : boxes) {
    box = MacPairAsTyped(Trimmed(box));
    twoEach = twoEach && box.size() == 2;
  }
  auto refuse = [&](const Failure& failure) {
    exchange.Report(failure);
    return false;
  };
  if (!twoEach) return refuse(failure::kMacNotTwoCharacters);
  std::string address;
  for (std::size_t i = 0; i < boxes.size(); ++i)
    address += (i > 0 ? " " : "") + boxes[i];
  if (address.find_first_not_of(kAllowed) != std::string::npos) {
    return refuse(failure::kMacBadCharacter);
  }
  Transfer t(exchange.link);
  if (!t.Send(std::string(command::kMacSet.text) + address + std::string(kLineEnd))) {
    return refuse(failure::kMacSetNotSent);
  }
  if (!t.Receive(command::kMacSet.replyBytes)) {
    return refuse(failure::kMacSetNoReply);
  }
  if (t.ByteAt(command::kMacSet.verdictIndex) != '0') return refuse(failure::kMacRefused);
  exchange.frontend().MessageBox(kDone, kDoneCaption);
  macAddress.MacSetDone = 1;
  return true;
}

}  // namespace taviron
