#include <cctype>
#include <cstdlib>

#include "base/ComPortAssignments.h"
#include "base/ComPortNames.h"
#include "platform/win32/Win32SerialDevices.h"

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

int ComPortNumber(std::string_view name) {
  return ComNumber(name);
}

namespace {

// The device a COM name or device-namespace path names itself, or "".
std::string OwnDevice(std::string_view portName) {
  // The device namespace reaches every port; the bare name reaches only COM1 to COM9.
  if (portName.substr(0, kDevicePrefix.size()) == kDevicePrefix) {
    portName.remove_prefix(kDevicePrefix.size());
  }
  int number = ComNumber(portName);
  if (number == 0) return {};
  return std::string(kDevicePrefix) + "COM" + std::to_string(number);
}

}  // namespace

std::string ComPortFromEnvironment(std::string_view portName) {
  // The program's own six names, in any case, as the window offers them.
  const int number = ComNumber(portName);
  if (number < 1 || number > kComPortCount) return {};
  const std::string variable = "TAVIRON_COM" + std::to_string(number);
  const char* value = std::getenv(variable.c_str());
  return value == nullptr ? std::string() : std::string(value);
}

std::string ComPortDevice(std::string_view portName) {
  // TAVIRON_COM1 to TAVIRON_COM6 lead the program's names to another port ("COM9" or
  // "\\.\COM9"); a value that names no port leads nowhere.
  if (std::string chosen = ComPortFromEnvironment(portName); !chosen.empty()) {
    return OwnDevice(chosen);
  }
  return OwnDevice(portName);
}

std::string ComPortDevice(std::string_view portName, const ComPortAssignments&) {
  // Every COM name reaches its own port here; there is nothing to assign.
  return ComPortDevice(portName);
}

}  // namespace taviron
