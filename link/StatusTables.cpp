#include "link/StatusTables.h"

#include "link/CommandTable.h"

namespace taviron {
namespace {

struct Message {
  std::string_view code;
  std::string_view text;
};

constexpr Message kFwErrorTable[] = {
    {"1100", "EEPROM Initialzation Error"},
    {"1400", "LAN Chip Reg Error\r\n(Initialization)"},
    {"2100", "LAN Chip Reg Error\r\n(Task)"},
    {"9000", "WDT Timeout"},
    {"8000", "CPU Test Error"},
    {"8202", "Memory Test Error"},
    {"8203", "Memory Test Error"},
    {"8204", "Memory Test Error"},
    {"8400", "Relay OFF Test Error"},
    {"8401", "Relay ON  Test Error"},
};

constexpr Message kPortErrorTable[] = {
    {"1", "PHYID Error (Initialization)"},
    {"3", "PHYID Error(Task)"},
    {"5", "Network Error"},
    {"6", "Connect Error"},
    {"7", "Communication Error"},
    {"8", "Hardware Error"},
};

}  // namespace

const PortMode* FindByDisplayCode(char code) {
  for (const PortMode& mode : kPortCodeTable) {
    if (mode.displayCode == code) return &mode;
  }
  return nullptr;
}

const PortMode* FindBySwitchCode(char code) {
  for (const PortMode& mode : kPortCodeTable) {
    if (mode.switchCode == code) return &mode;
  }
  return nullptr;
}

std::optional<std::string_view> FwErrorMessageOf(std::string_view code) {
  for (const Message& m : kFwErrorTable) {
    if (m.code == code) return m.text;
  }
  return std::nullopt;
}

std::optional<std::string_view> PortErrorMessageOf(char code) {
  for (const Message& m : kPortErrorTable) {
    if (m.code.front() == code) return m.text;
  }
  return std::nullopt;
}

std::string ConvertPortCodes(std::string_view codes, int direction) {
  std::string result;
  for (std::size_t i = 0; i < static_cast<std::size_t>(kPortCount); ++i) {
    char code = i < codes.size() ? codes[i] : 'F';
    const PortMode* mode =
        direction == kSwitchToDisplay ? FindBySwitchCode(code) : FindByDisplayCode(code);
    result += mode == nullptr
                  ? 'F'
                  : (direction == kSwitchToDisplay ? mode->displayCode : mode->switchCode);
  }
  return result;
}

}  // namespace taviron
