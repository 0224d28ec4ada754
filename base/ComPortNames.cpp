#include "base/ComPortNames.h"

namespace taviron {

std::string ComPortName(std::uint8_t comPortIndex) {
  if (comPortIndex >= kComPortCount) return {};
  return "COM" + std::to_string(comPortIndex + 1);
}

}  // namespace taviron
