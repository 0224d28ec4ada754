#include "config/ComPortSetting.h"

#include "base/ComPortNames.h"

namespace taviron {

std::vector<std::string> ComPortChoices() {
  std::vector<std::string> items;
  for (int i = 0; i < kComPortCount; ++i) {
    std::string name = ComPortName(static_cast<std::uint8_t>(i));
    items.push_back(name + " (" + ComPortDevice(name) + ")");
  }
  return items;
}

int SerialSetShow(const Exchange& c) {
  return c.link.ComPortIndex < kComPortCount ? c.link.ComPortIndex : -1;
}

void SerialSetChange(const Exchange& c, int selectedItem) {
  if (selectedItem >= 0 && selectedItem < kComPortCount) {
    c.link.ComPortIndex = static_cast<std::uint8_t>(selectedItem);
  }
}

}  // namespace taviron
