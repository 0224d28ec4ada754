#include "fuzz/support/FuzzRig.h"

#include <filesystem>

#include "link/LinkState.h"

namespace taviron::fuzz {

FuzzRig::FuzzRig() : c(port, clock, frontend, std::filesystem::temp_directory_path()) {
  c.exchange.log.onWrite = [this](std::string_view text, int flag) {
    if (flag == 1 || records.empty()) {
      records.push_back({std::string(text), {}});
    } else {
      records.back().message += text;
    }
  };
}

void FuzzRig::Connect() {
  c.exchange.link.OpenConfiguredPort();
  c.exchange.link.SetupConnection();
  c.exchange.link.LinkState = kLinkConnected;
  c.exchange.link.SwitchAnswered = 1;
  port.ClearEvents();
}

std::vector<std::uint32_t> FuzzRig::Codes() const {
  std::vector<std::uint32_t> codes;
  for (const Record& r : records) {
    std::uint32_t code = 0;
    for (char ch : r.codeText.substr(0, 8))
      code = code * 10 + static_cast<std::uint32_t>(ch >= '0' && ch <= '9' ? ch - '0' : 0);
    codes.push_back(code);
  }
  return codes;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (;;) {
    std::size_t at = text.find(separator);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

}  // namespace taviron::fuzz
