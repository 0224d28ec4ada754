#include "config/MacAddress.h"

#include <algorithm>
#include <cctype>

#include "access/Maintenance.h"
#include "link/CommandTable.h"
#include "link/Transfer.h"

namespace taviron {
namespace {

constexpr std::string_view kFallback = "[00 00 00 00 00 00]";
constexpr std::string_view kReadFailed = "MAC Address Error";
constexpr std::string_view kUncorrectable = "Uncorrectable MAC Address";
constexpr std::string_view kUncorrectableLog = "Uncorrectable MAC Address\r\n";
constexpr std::string_view kSetFailed = "MAC address setting failed";
constexpr std::string_view kRefusedLog = "MAC address setting failed(Hardware error)\r\n";
constexpr std::string_view kErrorCaption = "Setting Error";
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

bool ParseMacReply(std::string_view reply, std::array<std::string, 6>& pairs) {
  std::size_t bracket = reply.find('[');
  if (bracket == std::string_view::npos || reply.size() < bracket + 1 + 17) return false;
  std::string_view address = reply.substr(bracket + 1, 17);
  // Filled aside, so that an address broken after its first pairs leaves none of them behind.
  std::array<std::string, 6> found;
  for (std::size_t i = 0; i < 6; ++i) {
    if (i < 5 && address[i * 3 + 2] != ' ') return false;
    found[i] = std::string(address.substr(i * 3, 2));
  }
  pairs = found;
  return true;
}

void MacAddressCommand(Configurator& c) {
  if (!MaintenanceGate(c)) return;
  c.MacSetDone = 0;
  c.frontend.ShowDialog(Dialog::kMacAddress);
}

void MacSetShow(Configurator& c) {
  Transfer t(c.link);
  std::array<std::string, 6> pairs;
  bool read = false;
  if (!t.Send(command::kMacGet.text)) {
    c.Record(10230301, c.WithCommError(kReadFailed));
  } else if (!t.Receive(command::kMacGet.replyBytes) || !ParseMacReply(t.Reply(), pairs)) {
    // An answer without an address is no better than none.
    c.Record(10230302, c.WithCommError(kReadFailed));
  } else {
    read = true;
  }
  if (!read) ParseMacReply(kFallback, pairs);
  c.macSet.Ed_mac = pairs;
}

bool MacSetOk(Configurator& c) {
  std::array<std::string, 6>& boxes = c.macSet.Ed_mac;
  bool twoEach = true;
  for (std::string& box : boxes) {
    box = Trimmed(box);
    twoEach = twoEach && box.size() == 2;
  }
  auto refuse = [&](std::uint32_t code, std::string_view log) {
    c.frontend.MessageBox(code == 10110303 || code == 10110304 ? kUncorrectable : kSetFailed,
                          kErrorCaption);
    c.Record(code, log);
    return false;
  };
  if (!twoEach) return refuse(10110303, kUncorrectableLog);
  std::string address;
  for (std::size_t i = 0; i < boxes.size(); ++i)
    address += (i > 0 ? " " : "") + boxes[i];
  if (address.find_first_not_of(kAllowed) != std::string::npos) {
    return refuse(10110304, kUncorrectableLog);
  }
  Transfer t(c.link);
  if (!t.Send(std::string(command::kMacSet.text) + address + std::string(kLineEnd))) {
    return refuse(10230305, c.WithCommError(kSetFailed));
  }
  if (!t.Receive(command::kMacSet.replyBytes)) {
    return refuse(10230306, c.WithCommError(kSetFailed));
  }
  if (t.ReplyAt(command::kMacSet.verdictIndex) != '0') return refuse(10000307, kRefusedLog);
  c.frontend.MessageBox(kDone, kDoneCaption);
  c.MacSetDone = 1;
  return true;
}

}  // namespace taviron
