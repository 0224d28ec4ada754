#include <cctype>

#include "base/ComPortAssignments.h"
#include "base/ComPortNames.h"

namespace taviron {
namespace {

constexpr int kHighestComPort = 256;
constexpr std::string_view kDevicePrefix = "\\\\.\\";

// The number of a "COMn" name in any case, n from 1 to 256 without leading zeros; 0 otherwise.
int ComNumber(std::string_view name) {
  if (name.size() < 4 || name.size() > 6) return 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
  }
  std::string_view digits = name.substr(3);
  if (digits.front() == '0') return 0;
  int number = 0;
  for (char digit : digits) {
    if (digit < '0' || digit > '9') return 0;
    number = number * 10 + (digit - '0');
  }
  return number <= kHighestComPort ? number : 0;
}

}  // namespace

std::string ComPortDevice(std::string_view portName) {
  // The device namespace reaches every port; the bare name reaches only COM1 to COM9.
  if (portName.substr(0, kDevicePrefix.size()) == kDevicePrefix) {
    portName.remove_prefix(kDevicePrefix.size());
  }
  int number = ComNumber(portName);
  if (number == 0) return {};
  return std::string(kDevicePrefix) + "COM" + std::to_string(number);
}

std::string ComPortDevice(std::string_view portName, const ComPortAssignments&) {
  // Every COM name reaches its own port here; there is nothing to assign.
  return ComPortDevice(portName);
}

std::string ComPortFromEnvironment(std::string_view) {
  return {};
}

}  // namespace taviron
