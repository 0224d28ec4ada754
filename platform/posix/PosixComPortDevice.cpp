#include <cstdlib>

#include "base/ComPortNames.h"

namespace taviron {

std::string ComPortDevice(std::string_view portName) {
  if (!portName.empty() && portName.front() == '/') return std::string(portName);
  for (int n = 1; n <= kComPortCount; ++n) {
    std::string name = "COM" + std::to_string(n);
    if (portName != name) continue;
    std::string variable = "TAVIRON_" + name;
    if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != '\0') {
      return path;
    }
    return "/dev/ttyS" + std::to_string(n - 1);
  }
  return {};
}

}  // namespace taviron
