#include <cstdlib>

#include "base/ComPortAssignments.h"
#include "base/ComPortNames.h"

namespace taviron {
namespace {

// 1 to 6 for "COM1" to "COM6" (upper case, as the program names them), 0 otherwise.
int ComNumber(std::string_view portName) {
  for (int n = 1; n <= kComPortCount; ++n) {
    if (portName == "COM" + std::to_string(n)) return n;
  }
  return 0;
}

}  // namespace

std::string ComPortFromEnvironment(std::string_view portName) {
  if (ComNumber(portName) == 0) return {};
  std::string variable = "TAVIRON_" + std::string(portName);
  const char* path = std::getenv(variable.c_str());
  return path == nullptr ? std::string() : std::string(path);
}

std::string ComPortDevice(std::string_view portName, const ComPortAssignments& assigned) {
  if (!portName.empty() && portName.front() == '/') return std::string(portName);
  int n = ComNumber(portName);
  if (n == 0) return {};
  if (std::string path = ComPortFromEnvironment(portName); !path.empty()) return path;
  const std::string& device = assigned.device[static_cast<std::size_t>(n - 1)];
  if (!device.empty()) return device;
  return "/dev/ttyS" + std::to_string(n - 1);
}

std::string ComPortDevice(std::string_view portName) {
  return ComPortDevice(portName, ComPortAssignments{});
}

}  // namespace taviron
